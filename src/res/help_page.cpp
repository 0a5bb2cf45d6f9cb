#include "res/help_page.h"

namespace zm {

const char* HelpPageHtml() {
    return R"html(<html><body>
<h1>Zantimore Pro</h1>
<p>Zantimore is a personal reminder and calendar program. It stays resident with an icon in the
tray of your desktop's panel, watches the clock, and when the reminder of one of your events
falls due it opens a reminder window for the event and plays its sound. Your events are kept in
the event library in your data folder (<code>~/.local/share/zantimore</code> unless
<code>ZANTIMORE_HOME</code> or <code>XDG_DATA_HOME</code> says otherwise); nothing is sent
anywhere.</p>

<h2 id="tray">The tray icon and its menu</h2>
<p>A coloured icon means reminders are enabled; a grey one that they are paused. A double click
on the icon opens the main window; a single click opens the pop-up calendar; the right button
opens the tray menu:</p>
<ul>
<li><b>Restore</b> (the default item) opens the main window with your events.</li>
<li><b>New</b> starts a new event of the chosen event type; <b>Customize...</b> edits the types.</li>
<li><b>Quick Reminders</b> creates at once a one-time event that falls due a fixed time from
now, for example in 15 minutes. <b>Customize...</b> edits the list.</li>
<li><b>Stopwatch...</b> and <b>Countdown timer...</b> open a small tool window each time.</li>
<li><b>Reminder sound</b>: <b>Enable</b> or <b>Disable</b> the sound of every reminder. Turning
it off also stops a sound that is repeating.</li>
<li><b>Enable Zantimore</b> (checked while on): while it is off no reminder window opens; due
reminders wait and come as soon as you enable it again.</li>
<li><b>Preferences...</b>, <b>Help</b> and <b>Exit</b>, which ends the program.</li>
</ul>
<p>Three system-wide shortcut keys (set in the preferences) open the main window, the pop-up
calendar and a new event from anywhere.</p>

<h2 id="reminders">Reminders and snoozing</h2>
<p>Each event has a start, an advance notice (how long before the start you want to be
reminded) and a sound. After the program starts it waits a minute (the start-up delay, 1 to
10 minutes) and then checks every 20 seconds. When a reminder is due its window shows the
event's name, time and notes in the colours of its type.</p>
<ul>
<li><b>Accept</b>: you have seen it. A one-time event is done; a recurring one waits for its
next occurrence.</li>
<li><b>Snooze</b>: be reminded again after the amount you choose (minutes, hours, days or weeks),
or, with <b>before start</b>, that long before the event starts.</li>
<li><b>Open...</b> changes the event; <b>Delete</b> removes it after asking.</li>
</ul>
<p>If the computer was off or asleep when a reminder fell due, its window comes when the
program runs again. Setting the system clock makes the program collect the day's reminders
again at once.</p>

<h2 id="recurrence">Recurring events</h2>
<p>An event can repeat every N days; every N weeks on chosen weekdays; on a day of the month or
on the n-th weekday of every N months; or every year on a date or on the n-th weekday of a
month. Each occurrence is reminded with the event's advance notice. A week-end option moves
the reminders of events that fall on days off, as set in the preferences.</p>

<h2 id="companion">The command-line companion</h2>
<p><code>zantimore-cli</code> reads and changes the same events from a terminal or a script,
for example <code>zantimore-cli agenda</code>,
<code>zantimore-cli add "Dentist" "2026-12-09 14:30" --advance "1 h"</code> or
<code>zantimore-cli --json list</code>. <code>zantimore-cli --help</code> lists its commands.</p>
<p>While Zantimore runs it holds the event library. Reading commands read the file directly;
commands that change events (add, accept, snooze, unsnooze, delete, enable, disable, set-type,
purge, quick-run, import) are sent to the running program, which carries them out itself, so
its reminders and windows follow at once. The companion prints the program's answer and ends
with the same status as it would on its own.</p>
</body></html>
)html";
}

} // namespace zm
