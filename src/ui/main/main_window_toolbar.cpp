// The main window's top bar: the toolbar with its drop-downs, label modes and customisation,
// and the period caption to its right, which drops the calendar when clicked.

#include "platform/font_setting.h"
#include "platform/gui/qt_font.h"
#include "platform/setting_table.h"
#include "res/strings.h"
#include "ui/common/ui_text.h"
#include "ui/common/window_context.h"
#include "ui/main/main_window.h"
#include "ui/main/toolbar_customize_dialog.h"

#include <QLabel>
#include <QMenu>
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
    for (const ToolbarButton& b : kButtons) {
        // The bar's own action: the menu's text differs from the button's label.
        QAction* menuAction = Action(b.command);
        auto* button = new QAction(menuAction->icon(), Text(b.label), this);
        button->setToolTip(Text(b.label));
        button->setCheckable(menuAction->isCheckable() && b.command != MainCommand::DefineFilters);
        // The Filter button only drops its menu.
        if (b.command != MainCommand::DefineFilters)
            connect(button, &QAction::triggered, menuAction,
                    [menuAction] { menuAction->trigger(); });
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
    period_ = new QLabel(periodBar_);
    period_->setAccessibleName(Text(IDS_MAIN_PERIOD));
    period_->setFont(ScreenFont(context_.settings, SettingId::DatePanelFont));
    period_->setCursor(Qt::PointingHandCursor);
    period_->setContentsMargins(4, 0, 7, 0);
    period_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    period_->installEventFilter(this);
    periodBar_->addWidget(period_);

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
