#include "ui/editor/type_menu.h"

#include "res/strings.h"
#include "store/types/type_list.h"
#include "ui/common/ui_text.h"

#include <QImage>
#include <QMenu>
#include <QPixmap>

namespace zm {

QIcon IconOf(const IconImage& image) {
    if (image.Empty()) return {};
    const QImage q(reinterpret_cast<const uchar*>(image.pixels.data()), image.width, image.height,
                   image.width * 4, QImage::Format_ARGB32);
    return QIcon(QPixmap::fromImage(q.copy()));
}

QIcon TypeIcon(const TypeList& types, int typeIndex) {
    QIcon icon = IconOf(types.TypeLargeIcon(typeIndex));
    const IconImage& small = types.TypeSmallIcon(typeIndex);
    if (!small.Empty()) icon.addPixmap(IconOf(small).pixmap(small.width, small.height));
    return icon;
}

QMenu* BuildTypeMenu(const TypeList& types, bool canCustomize, QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("typeMenu"));
    for (size_t i = 0; i < types.TypeCount(); ++i) {
        const int index = static_cast<int>(i);
        QAction* entry = menu->addAction(IconOf(types.TypeSmallIcon(index)),
                                         QString::fromStdString(types.Types()[i].name));
        entry->setData(index);
    }
    menu->addSeparator();
    QAction* customize = menu->addAction(Text(IDS_MENU_CUSTOMIZE));
    customize->setData(kCustomizeTypesEntry);
    customize->setEnabled(canCustomize);
    return menu;
}

} // namespace zm
