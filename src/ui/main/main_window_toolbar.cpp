// The main window's top bar: the toolbar with its drop-downs, label modes and customisation,
// and the period caption to its right, which drops the calendar when clicked or pressed.

#include "adapters/gui/qt_font.h"
#include "platform/font_setting.h"
#include "platform/setting_table.h"
#include "res/strings.h"
#include "ui/common/ui_text.h"
#include "ui/common/window_context.h"
#include "ui/main/main_accessibility.h"
#include "ui/main/main_window.h"
#include "ui/main/toolbar_customize_dialog.h"

#include <QActionGroup>
#include <QMenu>
#include <QPointer>
#include <QToolBar>
#include <QToolButton>

namespace zm {
namespace {

struct ToolbarButton {
    MainCommand command;
    int label;
};

// In their order on the bar.
constexpr ToolbarButton kButtons[] = {
    {MainCommand::New, IDS_TOOLBAR_NEW},
    {MainCommand::Delete, IDS_TOOLBAR_DELETE},
    {MainCommand::Properties, IDS_TOOLBAR_PROPERTIES},
    {MainCommand::Today, IDS_TOOLBAR_TODAY},
    {MainCommand::Day, IDS_TOOLBAR_DAY},
    {MainCommand::Week, IDS_TOOLBAR_WEEK},
    {MainCommand::Month, IDS_TOOLBAR_MONTH},
    {MainCommand::All, IDS_TOOLBAR_ALL},
    {MainCommand::DefineFilters, IDS_TOOLBAR_FILTER},
    {MainCommand::Find, IDS_TOOLBAR_FIND},
    {MainCommand::About, IDS_TOOLBAR_ABOUT},
};

bool IsViewCommand(MainCommand c) {
    using C = MainCommand;
    return c == C::Today || c == C::Day || c == C::Week || c == C::Month || c == C::All;
}

std::vector<QString> ButtonLabels() {
    std::vector<QString> labels;
    for (const ToolbarButton& b : kButtons)
        labels.push_back(Text(b.label));
    return labels;
}

} // namespace

void MainWindow::CreateToolBar() {
    toolBar_ = addToolBar(Text(IDS_TOOLBAR_CAPTION));
    toolBar_->setObjectName("MainToolbar");
    toolBar_->setAccessibleName(Text(IDS_TOOLBAR_CAPTION));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(toolBar_, &QToolBar::customContextMenuRequested, this,
            [this](QPoint at) { ShowToolbarMenu(toolBar_->mapToGlobal(at)); });

    auto* filterDrop = new QMenu(this);
    WatchFilterMenu(*filterDrop);
    // Day, Week, Month and All are one choice: a click on the pressed one keeps it pressed.
    auto* modes = new QActionGroup(this);
    for (const ToolbarButton& b : kButtons) {
        // The bar's own action: the menu's text differs from the button's label.
        QAction* menuAction = Action(b.command);
        auto* button = new QAction(menuAction->icon(), Text(b.label), this);
        button->setToolTip(Text(b.label));
        button->setCheckable(menuAction->isCheckable() && b.command != MainCommand::DefineFilters);
        if (IsViewCommand(b.command))
            SetAccessibleButtonRole(*button, *menuAction, QAccessible::RadioButton);
        else if (button->isCheckable())
            SetAccessibleButtonRole(*button, *menuAction, QAccessible::CheckBox);
        else if (b.command == MainCommand::New)
            SetAccessibleButtonRole(*button, *menuAction, QAccessible::ButtonDropDown);
        else if (b.command == MainCommand::DefineFilters)
            SetAccessibleButtonRole(*button, *menuAction, QAccessible::ButtonMenu);
        if (menuAction->actionGroup()) modes->addAction(button);
        // The Filter button only drops its menu. A click runs the menu's command, and the
        // button shows the check mark the command leaves.
        if (b.command != MainCommand::DefineFilters)
            connect(button, &QAction::triggered, menuAction, [button, menuAction] {
                const QPointer<QAction> guard(button);
                menuAction->trigger();
                if (guard) button->setChecked(menuAction->isChecked());
            });
        connect(menuAction, &QAction::changed, button, [button, menuAction, b] {
            if (b.command != MainCommand::DefineFilters)
                button->setEnabled(menuAction->isEnabled());
            button->setChecked(menuAction->isChecked());
        });
        if (b.command == MainCommand::New) button->setMenu(newMenu_);
        if (b.command == MainCommand::DefineFilters) button->setMenu(filterDrop);
        toolBar_->addAction(button);
        if (auto* tool = qobject_cast<QToolButton*>(toolBar_->widgetForAction(button))) {
            tool->setAccessibleName(Text(b.label));
            if (button->menu())
                tool->setPopupMode(b.command == MainCommand::DefineFilters
                                       ? QToolButton::InstantPopup
                                       : QToolButton::MenuButtonPopup);
        }
        toolbarButtons_.push_back(button);
    }

    NameMoreButton(*toolBar_);

    // The caption has a bar of its own beside the buttons: when both do not fit on one line it
    // moves below them whole instead of being cut (KeepCaptionWhole).
    periodBar_ = addToolBar(Text(IDS_MAIN_PERIOD));
    periodBar_->setObjectName("PeriodBar");
    periodBar_->setMovable(false);
    periodBar_->setFloatable(false);
    periodBar_->toggleViewAction()->setVisible(false);
    periodBar_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(periodBar_, &QToolBar::customContextMenuRequested, this,
            [this](QPoint at) { ShowToolbarMenu(periodBar_->mapToGlobal(at)); });
    // Named by the period it shows; a click, Enter or Space drops the calendar.
    period_ = new PeriodTitle(periodBar_);
    period_->setAccessibleDescription(Text(IDS_MAIN_PERIOD));
    period_->setFont(ScreenFont(context_.settings, SettingId::DatePanelFont));
    period_->setContentsMargins(4, 0, 7, 0);
    period_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    connect(period_, &PeriodTitle::activated, this, [this] { Carry(MainCommand::Calendar); });
    periodBar_->addWidget(period_);
    NameMoreButton(*periodBar_);

    const auto labels =
        static_cast<ToolbarLabels>(ReadInt(context_.settings, SettingId::ToolbarLabels));
    ApplyToolbarLabels(labels);
    ApplyHiddenButtons();
}

void MainWindow::ApplyToolbarLabels(ToolbarLabels labels) {
    using C = MainCommand;
    WriteInt(context_.settings, SettingId::ToolbarLabels, static_cast<int>(labels));
    switch (labels) {
    case ToolbarLabels::ButtonsOnly:
        toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
        Action(C::ButtonsOnly)->setChecked(true);
        break;
    case ToolbarLabels::TextOnly:
        toolBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
        Action(C::TextOnly)->setChecked(true);
        break;
    case ToolbarLabels::ButtonsAndText:
        toolBar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        Action(C::ButtonsAndText)->setChecked(true);
        break;
    }
    KeepCaptionWhole();
}

void MainWindow::ApplyHiddenButtons() {
    const std::vector<bool> shown = ParseShownButtons(
        ReadText(context_.settings, SettingId::ToolbarButtons), toolbarButtons_.size());
    for (size_t i = 0; i < toolbarButtons_.size(); ++i)
        toolbarButtons_[i]->setVisible(shown[i]);
    KeepCaptionWhole();
}

void MainWindow::CustomizeToolbar() {
    std::vector<bool> shown = ParseShownButtons(
        ReadText(context_.settings, SettingId::ToolbarButtons), toolbarButtons_.size());
    if (!ChooseToolbarButtons(ButtonLabels(), shown, this)) return;
    WriteText(context_.settings, SettingId::ToolbarButtons, FormatShownButtons(shown));
    ApplyHiddenButtons();
}

void MainWindow::ShowToolbarMenu(QPoint globalPos) {
    UpdateCommands();
    toolbarMenu_->exec(globalPos);
}

} // namespace zm
