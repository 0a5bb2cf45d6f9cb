#include "ui/frame/tray_menu_builder.h"

#include "ui/common/menu_choice.h"

#include <QAction>
#include <QMenu>

namespace zm {
namespace {

// `root` lives as long as the frame; the submenus go when the menu is filled again.
void Fill(QMenu& root, QMenu& menu, const std::vector<TrayMenuItem>& items,
          const std::function<QIcon(int image)>& imageOf,
          const std::function<void(uint32_t command)>& chosen) {
    for (QMenu* sub : menu.findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        sub->deleteLater();
    menu.clear();
    for (const TrayMenuItem& item : items) {
        const QString text = QString::fromStdString(item.text);
        switch (item.kind) {
        case TrayItemKind::Separator:
            menu.addSeparator();
            break;
        case TrayItemKind::Submenu: {
            auto* sub = new QMenu(text, &menu);
            sub->setIcon(imageOf(item.image));
            WatchMenu(*sub);
            Fill(root, *sub, item.children, imageOf, chosen);
            menu.addMenu(sub);
            break;
        }
        case TrayItemKind::Command: {
            QAction* action = menu.addAction(imageOf(item.image), text);
            action->setData(item.command);
            action->setEnabled(item.enabled);
            action->setCheckable(item.checkable);
            action->setChecked(item.checked);
            if (item.isDefault) {
                QFont bold = action->font();
                bold.setBold(true);
                action->setFont(bold);
                menu.setDefaultAction(action);
            }
            const uint32_t command = item.command;
            OnChosen(action, &root, [chosen, command] { chosen(command); });
            break;
        }
        }
    }
}

} // namespace

void FillTrayMenu(QMenu& menu, const std::vector<TrayMenuItem>& items,
                  const std::function<QIcon(int image)>& imageOf,
                  const std::function<void(uint32_t command)>& chosen) {
    Fill(menu, menu, items, imageOf, chosen);
}

} // namespace zm
