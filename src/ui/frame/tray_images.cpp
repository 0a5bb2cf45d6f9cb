#include "ui/frame/tray_images.h"

#include "frame/tray_menu_model.h"
#include "store/quick/quick_list.h"
#include "store/types/type_list.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <unordered_map>

namespace zm {
namespace {

// A clock face with a bell's clapper under it: the program's picture.
QPixmap DrawProgramIcon(int size, bool enabled) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size / 16.0;
    const QColor face = enabled ? QColor(0x1E, 0x6F, 0xD9) : QColor(0x8A, 0x8A, 0x8A);
    const QColor rim = enabled ? QColor(0x0B, 0x3D, 0x80) : QColor(0x50, 0x50, 0x50);
    p.setPen(QPen(rim, unit));
    p.setBrush(face);
    p.drawEllipse(QRectF(1.5 * unit, 1.0 * unit, 13 * unit, 13 * unit));
    p.setPen(QPen(Qt::white, 1.6 * unit, Qt::SolidLine, Qt::RoundCap));
    const QPointF centre(8 * unit, 7.5 * unit);
    p.drawLine(centre, QPointF(8 * unit, 3.5 * unit));
    p.drawLine(centre, QPointF(11 * unit, 9 * unit));
    p.setPen(Qt::NoPen);
    p.setBrush(enabled ? QColor(0xF2, 0xB1, 0x1B) : QColor(0xB0, 0xB0, 0xB0));
    p.drawEllipse(QRectF(6.5 * unit, 13 * unit, 3 * unit, 2.6 * unit));
    return pixmap;
}

QIcon DrawnIcon(bool enabled) {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64})
        icon.addPixmap(DrawProgramIcon(size, enabled));
    return icon;
}

// The tools of the tray menu, drawn at 16 pixels: a stopwatch and an hourglass.
QIcon DrawnTool(bool stopwatch) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.2));
    if (stopwatch) {
        p.setBrush(QColor(0xF4, 0xF4, 0xF4));
        p.drawEllipse(QRectF(2.5, 3.5, 11, 11));
        p.drawLine(QPointF(8, 1), QPointF(8, 3.5));
        p.drawLine(QPointF(6.5, 1), QPointF(9.5, 1));
        p.setPen(QPen(QColor(0xC0, 0x20, 0x20), 1.4));
        p.drawLine(QPointF(8, 9), QPointF(10.5, 6));
    } else {
        p.setBrush(QColor(0xF2, 0xC8, 0x5B));
        const QPointF glass[] = {{3.5, 1.5},   {12.5, 1.5}, {8.8, 8},
                                 {12.5, 14.5}, {3.5, 14.5}, {7.2, 8}};
        p.drawPolygon(glass, 6);
    }
    return QIcon(pixmap);
}

QIcon StyleIcon(QStyle::StandardPixmap which) {
    return QApplication::style()->standardIcon(which);
}

QIcon StripImage(int image) {
    switch (image) {
    case kImageRestore:
        return DrawnIcon(true);
    case kImageStopwatch:
        return DrawnTool(true);
    case kImageCountdown:
        return DrawnTool(false);
    case kImageWeb:
        return StyleIcon(QStyle::SP_DriveNetIcon);
    case kImagePreferences:
        return StyleIcon(QStyle::SP_FileDialogDetailedView);
    case kImageHelp:
        return StyleIcon(QStyle::SP_DialogHelpButton);
    case kImageAbout:
        return StyleIcon(QStyle::SP_MessageBoxInformation);
    case kImageExit:
        return StyleIcon(QStyle::SP_DialogCloseButton);
    case kImageSoundOn:
        return StyleIcon(QStyle::SP_MediaVolume);
    case kImageSoundOff:
        return StyleIcon(QStyle::SP_MediaVolumeMuted);
    default:
        return {};
    }
}

} // namespace

QIcon ProgramTrayIcon(bool remindersEnabled) {
    static const QIcon enabled = DrawnIcon(true);
    static const QIcon disabled = DrawnIcon(false);
    return remindersEnabled ? enabled : disabled;
}

QIcon TrayMenuImage(int image, const TypeList& types, const QuickList& quick) {
    if (image >= kQuickImageBase) {
        const auto index = static_cast<size_t>(image - kQuickImageBase);
        if (index >= quick.Icons().size()) return {};
        return QIcon(QPixmap::fromImage(ToQImage(quick.Icons()[index])));
    }
    if (image >= kTypeImageBase) {
        const auto index = static_cast<size_t>(image - kTypeImageBase);
        if (index >= types.SmallIcons().size()) return {};
        return QIcon(QPixmap::fromImage(ToQImage(types.SmallIcons()[index])));
    }
    // The fixed images are made once: looking up the style's icons is slow.
    static std::unordered_map<int, QIcon> made;
    auto it = made.find(image);
    if (it == made.end()) it = made.emplace(image, StripImage(image)).first;
    return it->second;
}

} // namespace zm
