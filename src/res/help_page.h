#pragma once
// The program's help: one HTML page (what the program does, the tray menu, reminders and
// snoozing, recurrence, the command-line companion), shown in the help window.

namespace zm {

const char* HelpPageHtml();

} // namespace zm
