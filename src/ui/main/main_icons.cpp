#include "ui/main/main_icons.h"

#include <QApplication>
#include <QDate>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace zm {
namespace {

// A calendar page with a red band on top and a figure on it.
QIcon CalendarPage(const QString& figure, bool marked) {
    QIcon icon;
    for (const int size : {16, 24, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal unit = size / 16.0;
        const QRectF page(1 * unit, 2 * unit, 14 * unit, 13 * unit);
        p.setPen(QPen(QColor(70, 70, 70), unit));
        p.setBrush(Qt::white);
        p.drawRoundedRect(page, unit, unit);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 40, 40));
        p.drawRect(
            QRectF(page.left() + unit / 2, page.top() + unit / 2, page.width() - unit, 3.5 * unit));
        QFont font = QApplication::font();
        font.setBold(true);
        font.setPixelSize(static_cast<int>((figure.size() > 1 ? 6.5 : 8) * unit));
        p.setFont(font);
        p.setPen(marked ? QColor(200, 40, 40) : QColor(30, 30, 30));
        p.drawText(
            QRectF(page.left(), page.top() + 3.5 * unit, page.width(), page.height() - 3.5 * unit),
            Qt::AlignCenter, figure);
        if (marked) {
            p.setPen(QPen(QColor(200, 40, 40), unit));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(page.left() + 2.5 * unit, page.top() + 5 * unit,
                              page.width() - 5 * unit, page.height() - 6.5 * unit));
        }
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon Standard(QStyle::StandardPixmap which) {
    return QApplication::style()->standardIcon(which);
}

} // namespace

QIcon CommandIcon(MainCommand command) {
    switch (command) {
    case MainCommand::New:
        return Standard(QStyle::SP_FileIcon);
    case MainCommand::Modify:
        return Standard(QStyle::SP_FileDialogDetailedView);
    case MainCommand::Delete:
        return Standard(QStyle::SP_TrashIcon);
    case MainCommand::Properties:
        return Standard(QStyle::SP_FileDialogInfoView);
    case MainCommand::Today:
        return CalendarPage(QString::number(QDate::currentDate().day()), true);
    case MainCommand::Day:
        return CalendarPage("1", false);
    case MainCommand::Week:
        return CalendarPage("7", false);
    case MainCommand::Month:
        return CalendarPage("31", false);
    case MainCommand::All:
        return CalendarPage(QString(QChar(0x221E)), false);
    case MainCommand::Calendar:
        return CalendarPage("", false);
    case MainCommand::DefineFilters:
        return Standard(QStyle::SP_FileDialogListView);
    case MainCommand::Find:
        return Standard(QStyle::SP_FileDialogContentsView);
    case MainCommand::About:
        return Standard(QStyle::SP_MessageBoxInformation);
    case MainCommand::HelpTopics:
        return Standard(QStyle::SP_DialogHelpButton);
    case MainCommand::Copy:
    case MainCommand::Paste:
    case MainCommand::Print:
    case MainCommand::PrintPreview:
    default:
        return {};
    }
}

} // namespace zm
