#include "ui/preferences/printing_page.h"

#include "adapters/gui/qt_font.h"
#include "platform/font_setting.h"
#include "res/strings.h"
#include "ui/preferences/font_chooser.h"
#include "ui/preferences/page_parts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zm {

PrintingPage::PrintingPage(Settings& settings, QWidget* parent)
    : QWidget(parent), settings_(settings) {
    const int ppi = ScreenPixelsPerInch();
    const QString fontButton = Text(IDS_PREFS_FONT_BUTTON);

    auto* header = NewGroup(IDS_PRINTING_HEADER, this);
    title_ = NewCheck(IDS_PRINTING_TITLE, ReadBool(settings, SettingId::PrintTitle), header);
    timeSpan_ =
        NewCheck(IDS_PRINTING_TIME_SPAN, ReadBool(settings, SettingId::PrintTimeSpan), header);
    headerFont_ =
        new FontChooser(ReadFont(settings, SettingId::PrintHeaderFont, ppi), fontButton, header);
    auto* headerLayout = new QVBoxLayout(header);
    headerLayout->addWidget(title_);
    headerLayout->addWidget(timeSpan_);
    headerLayout->addWidget(headerFont_);

    auto* text = NewGroup(IDS_PRINTING_TEXT, this);
    colour_ = new QRadioButton(Text(IDS_PRINTING_COLOR), text);
    blackAndWhite_ = new QRadioButton(Text(IDS_PRINTING_BLACK_AND_WHITE), text);
    (ReadBool(settings, SettingId::PrintColour) ? colour_ : blackAndWhite_)->setChecked(true);
    notes_ = NewCheck(IDS_PRINTING_NOTES, ReadBool(settings, SettingId::PrintNotes), text);
    textFont_ =
        new FontChooser(ReadFont(settings, SettingId::PrintTextFont, ppi), fontButton, text);
    auto* textLayout = new QVBoxLayout(text);
    textLayout->addWidget(colour_);
    textLayout->addWidget(blackAndWhite_);
    textLayout->addWidget(notes_);
    textLayout->addWidget(textFont_);

    auto* footer = NewGroup(IDS_PRINTING_FOOTER, this);
    dateTime_ =
        NewCheck(IDS_PRINTING_DATE_TIME, ReadBool(settings, SettingId::PrintDateTime), footer);
    pageNumber_ =
        NewCheck(IDS_PRINTING_PAGE_NUMBER, ReadBool(settings, SettingId::PrintPageNumber), footer);
    footerFont_ =
        new FontChooser(ReadFont(settings, SettingId::PrintFooterFont, ppi), fontButton, footer);
    auto* footerLayout = new QVBoxLayout(footer);
    footerLayout->addWidget(dateTime_);
    footerLayout->addWidget(pageNumber_);
    footerLayout->addWidget(footerFont_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(header);
    layout->addWidget(text);
    layout->addWidget(footer);
    layout->addStretch();
}

void PrintingPage::Save() const {
    WriteBool(settings_, SettingId::PrintTitle, title_->isChecked());
    WriteBool(settings_, SettingId::PrintTimeSpan, timeSpan_->isChecked());
    WriteBool(settings_, SettingId::PrintColour, colour_->isChecked());
    WriteBool(settings_, SettingId::PrintNotes, notes_->isChecked());
    WriteBool(settings_, SettingId::PrintDateTime, dateTime_->isChecked());
    WriteBool(settings_, SettingId::PrintPageNumber, pageNumber_->isChecked());
    const int ppi = ScreenPixelsPerInch();
    const std::pair<SettingId, FontChooser*> fonts[] = {{SettingId::PrintHeaderFont, headerFont_},
                                                        {SettingId::PrintTextFont, textFont_},
                                                        {SettingId::PrintFooterFont, footerFont_}};
    for (const auto& [id, chooser] : fonts)
        if (chooser->Changed()) WriteFont(settings_, id, chooser->Font(), ppi);
}

} // namespace zm
