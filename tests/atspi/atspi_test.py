#!/usr/bin/python3
"""Reads the running program as a screen reader does, through AT-SPI.

On a display of its own (Xvfb), a private session bus and accessibility bus, it starts the
program over a library of four events, two of them due at once, and checks that:
  - each due event's reminder window is an alert with the event's name and its buttons;
  - the All view button is a radio button whose accessible action switches the view;
  - the list then holds every stored event as a cell;
  - no interactive control of any window is nameless.
Every check prints what it read. Missing tools fail the test; everything started is ended.

  atspi_test.py --program ZANTIMORE --cli ZANTIMORE_CLI --strings STRING_TABLE
"""

import argparse
import importlib
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from datetime import datetime, timedelta

TIME_LIMIT = 105  # seconds for the whole run; the first reminders come after 80 s
WINDOW_LIMIT = 30  # for the main window to appear
BUS_LAUNCHERS = ["/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher"]
# Roles a user acts on; each needs a name a screen reader can read.
INTERACTIVE = {"push button", "toggle button", "check box", "radio button", "combo box",
               "spin button", "slider", "menu item", "check menu item", "radio menu item",
               "page tab", "link", "text", "password text", "date editor", "list item"}

failures = []
started = []  # process groups to end
pyatspi = None  # imported once the display and the accessibility bus are up


def fail(message):
    print("FAIL: " + message, flush=True)
    failures.append(message)


def say(message):
    print(message, flush=True)


def strings(path):
    """The string table's texts by name, without their mnemonic marks."""
    table = {}
    for name, text in re.findall(r'ZM_STRING\(\d+, (\w+), "(.*)"\)', open(path).read()):
        table[name] = text.replace("&&", "\0").replace("&", "").replace("\0", "&")
    return table


def start(command, env, log, pass_fds=()):
    process = subprocess.Popen(command, env=env, stdout=log, stderr=subprocess.STDOUT,
                               start_new_session=True, pass_fds=pass_fds)
    started.append(process)
    return process


def end_all():
    for process in reversed(started):
        try:
            os.killpg(process.pid, signal.SIGTERM)
            process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass


def wait_for(probe, deadline):
    """Polls the tree until probe() gives something, or the deadline passes (then None)."""
    while True:
        try:
            found = probe()
        except Exception:  # a window closing under the walk
            found = None
        if found or time.monotonic() > deadline:
            return found
        time.sleep(0.25)


def children(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield child


def descendants(node):
    for child in children(node):
        yield child
        yield from descendants(child)


def role(node):
    return node.getRoleName()


def text_of(node):
    """What a screen reader reads for the node: its name, else its text."""
    if node.name:
        return node.name
    try:
        text = node.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return ""


def do_first_action(node):
    action = node.queryAction()
    say(f"  doing {node.name!r}'s action {action.getName(0)!r}")
    action.doAction(0)


def seed_library(cli, env, events):
    for name, start_at, options, told_now in events:
        command = [cli]
        if told_now:
            command += ["--at", told_now.strftime("%Y-%m-%d %H:%M:%S")]
        command += ["add", name, start_at.strftime("%Y-%m-%d %H:%M:%S")] + options
        subprocess.run(command, env=env, check=True, stdout=subprocess.DEVNULL)


def list_cells(table_node):
    table = table_node.queryTable()
    return [[text_of(table.getAccessibleAt(r, c)) for c in range(table.nColumns)]
            for r in range(table.nRows)]


def check_reminders(app, main, due, s, deadline):
    def reminder_windows():
        found = {}
        for window in children(app):
            if window == main:  # its list names the events too
                continue
            read = [window.name] + [text_of(n) for n in descendants(window)]
            found.update({name: window for name in due if any(name in t for t in read)})
        return found if len(found) == len(due) else None

    found = wait_for(reminder_windows, deadline) or {}
    say("top-level windows: " + ", ".join(f"{role(w)} {w.name!r}" for w in children(app)))
    buttons_wanted = [s[k] for k in ("IDS_REMINDER_SNOOZE", "IDS_REMINDER_ACCEPT",
                                     "IDS_REMINDER_OPEN", "IDS_REMINDER_DELETE")]
    for name in due:
        window = found.get(name)
        if window is None:
            fail(f"no window in the accessibility tree reads the due event {name!r}")
            continue
        texts = [f"{role(n)} {text_of(n)!r}" for n in descendants(window)
                 if role(n) in ("label", "text") and text_of(n)]
        buttons = [n.name for n in descendants(window) if role(n) == "push button"]
        focused = [f"{role(n)} {n.name!r}" for n in descendants(window)
                   if n.getState().contains(pyatspi.STATE_FOCUSED)]
        say(f"reminder window of {name!r}: {role(window)} {window.name!r}; texts {texts}; "
            f"buttons {buttons}; focus on {focused}")
        if role(window) != "alert":
            fail(f"the reminder window of {name!r} is a {role(window)}, not an alert")
        missing = [b for b in buttons_wanted if b not in buttons]
        if missing:
            fail(f"the reminder window of {name!r} lacks the buttons {missing}")


def check_all_view(main, events, s, deadline):
    lists = [n for n in descendants(main)
             if role(n) == "table" and n.name == s["IDS_MAIN_EVENT_LIST"]]
    if not lists:
        fail(f"the main window has no table named {s['IDS_MAIN_EVENT_LIST']!r}")
        return
    table = lists[0]
    say(f"list before: {[row[0] for row in list_cells(table)]}")
    view_buttons = [n for n in descendants(main) if n.name in [
        s["IDS_TOOLBAR_" + k] for k in ("TODAY", "DAY", "WEEK", "MONTH", "ALL")]
        and role(n) in ("radio button", "check box", "toggle button", "push button")]
    say("view buttons: " + ", ".join(f"{role(n)} {n.name!r}" for n in view_buttons))
    all_button = [n for n in view_buttons if n.name == s["IDS_TOOLBAR_ALL"]]
    if not all_button:
        fail(f"no view button named {s['IDS_TOOLBAR_ALL']!r}")
        return
    all_button = all_button[0]
    if role(all_button) != "radio button":
        fail(f"the view buttons are {role(all_button)}es, not radio buttons of one group")

    def shows_all():
        names = [row[0] for row in list_cells(table)]
        return names if all(name in names for name in events) else None

    do_first_action(all_button)
    shown = wait_for(shows_all, min(deadline, time.monotonic() + 5))
    checked = [n.name for n in view_buttons if n.getState().contains(pyatspi.STATE_CHECKED)]
    say(f"after the action: checked {checked}, list {[row[0] for row in list_cells(table)]}")
    if checked != [s["IDS_TOOLBAR_ALL"]]:
        fail(f"after the All button's action the checked view buttons are {checked}")
    if not shown:
        fail("the All button's accessible action did not switch the list to the All view")
        menu_all = [n for n in descendants(main)
                    if role(n) == "menu item" and n.name.split("\t")[0] == s["IDS_MAIN_MENU_ALL"]]
        if menu_all:  # so that the list's cells can still be read
            do_first_action(menu_all[0])
            shown = wait_for(shows_all, min(deadline, time.monotonic() + 5))
    cells = list_cells(table)
    say("list cells in the All view:")
    for row in cells:
        say("  | " + " | ".join(row))
    missing = [name for name in events if not any(name in row for row in cells)]
    if missing:
        fail(f"stored events not read as cells of the list: {missing}")


def check_names(app):
    checked, nameless = 0, []

    def walk(node, path):
        nonlocal checked
        for child in children(node):
            here = f"{path} > {role(child)}"
            r = role(child)
            states = child.getState()
            editable_or_not_text = r not in ("text", "password text") or states.contains(
                pyatspi.STATE_EDITABLE) or states.contains(pyatspi.STATE_FOCUSABLE)
            # An editable combo box's own line edit and list are named by the combo box.
            inside_named_combo = role(node) == "combo box" and node.name
            # What is not shown (a toolbar's unused extension button) is not read.
            shown = states.contains(pyatspi.STATE_VISIBLE)
            if r in INTERACTIVE and shown and editable_or_not_text and not inside_named_combo:
                checked += 1
                if not any(c.isalnum() for c in child.name):  # signs alone ("<>") are no name
                    nameless.append(here + f" (description {child.description!r})")
            if child.name:
                here = f"{path} > {r} {child.name[:30]!r}"
            walk(child, here)

    for window in children(app):
        walk(window, f"{role(window)} {window.name!r}")
    say(f"interactive controls read: {checked}, nameless: {len(nameless)}")
    for n in nameless:
        say("  nameless: " + n)
    if nameless:
        fail(f"{len(nameless)} interactive controls have no name")


def run(args):
    begin = time.monotonic()
    deadline = begin + TIME_LIMIT
    s = strings(args.strings)
    launcher = next((p for p in BUS_LAUNCHERS if os.access(p, os.X_OK)), None)
    xvfb = shutil.which("Xvfb")
    if not launcher or not xvfb:
        fail(f"missing tools: at-spi-bus-launcher {launcher}, Xvfb {xvfb}")
        return
    home = tempfile.mkdtemp(prefix="zm-atspi-")
    log = open(os.path.join(home, "log"), "w+")
    try:
        env = dict(os.environ)
        for name in ("data", "config", "cache"):
            os.mkdir(os.path.join(home, name), 0o700)
        os.mkdir(os.path.join(home, "runtime"), 0o700)
        env.update(ZANTIMORE_HOME=os.path.join(home, "data"),
                   XDG_CONFIG_HOME=os.path.join(home, "config"),
                   XDG_CACHE_HOME=os.path.join(home, "cache"),
                   XDG_RUNTIME_DIR=os.path.join(home, "runtime"), HOME=home,
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LC_ALL="C.UTF-8")
        for name in ("QT_QPA_PLATFORM", "AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY"):
            env.pop(name, None)

        now = datetime.now().replace(microsecond=0)
        earlier = now - timedelta(minutes=10)  # told to the companion for the two due ones
        events = [("Dentist", now - timedelta(seconds=60), ["--notes", "Bring the card"], earlier),
                  ("Call Anna", now - timedelta(seconds=30), [], earlier),
                  ("Tax return", now + timedelta(days=1), [], None),
                  ("Team lunch", now + timedelta(days=9), ["--notes", "Room 4"], None)]
        seed_library(args.cli, env, events)
        names = [e[0] for e in events]
        due = [e[0] for e in events if e[3]]
        say(f"library: {names}, due at start {due}")

        read, write = os.pipe()  # Xvfb takes a free display and writes its number here
        start([xvfb, "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
              env, log, pass_fds=[write])
        os.close(write)
        display = b""
        while not display.endswith(b"\n"):  # the number, then a new line
            part = os.read(read, 16)
            if not part:
                break
            display += part
        os.close(read)
        display = display.decode().strip()
        if not display:
            fail("Xvfb did not start")
            return
        env["DISPLAY"] = ":" + display
        os.environ.update(DISPLAY=env["DISPLAY"])
        start([launcher, "--launch-immediately"], env, log)
        global pyatspi
        try:
            pyatspi = importlib.import_module("pyatspi")
        except ImportError:
            fail(f"pyatspi is missing from {sys.executable}")
            return
        program = start([args.program], env, log)
        say(f"program started on display :{display} (pid {program.pid})")

        desktop = pyatspi.Registry.getDesktop(0)

        def application():
            for app in children(desktop):
                if app.get_process_id() == program.pid:
                    return app

        def main_window():
            app = application()
            for window in children(app) if app else []:
                if role(window) == "frame" and any(
                        n.name == s["IDS_MAIN_EVENT_LIST"] for n in descendants(window)):
                    return window

        main = wait_for(main_window, time.monotonic() + WINDOW_LIMIT)
        if main is None:
            fail(f"no main window in the accessibility tree after {WINDOW_LIMIT} s")
            return
        app = application()
        say(f"application {app.name!r}; main window {role(main)} {main.name!r} after "
            f"{time.monotonic() - begin:.1f} s")
        check_all_view(main, names, s, deadline)
        check_reminders(app, main, due, s, deadline)
        check_names(app)
        say(f"done after {time.monotonic() - begin:.1f} s")
    finally:
        end_all()
        if failures:
            log.seek(0)
            tail = log.read()[-3000:]
            say("--- program, bus and display output (end) ---\n" + tail)
        shutil.rmtree(home, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--cli", required=True)
    parser.add_argument("--strings", required=True)
    parser.add_argument("--inner", action="store_true")
    args = parser.parse_args()
    if not args.inner:  # again, inside a private session bus
        runner = shutil.which("dbus-run-session")
        if not runner:
            print("FAIL: dbus-run-session is missing")
            return 1
        return subprocess.run([runner, "--", sys.executable, __file__, "--inner"] + sys.argv[1:],
                              timeout=TIME_LIMIT + 30).returncode
    signal.signal(signal.SIGALRM, lambda *_: sys.exit("FAIL: over the time limit"))
    signal.alarm(TIME_LIMIT + 15)
    try:
        run(args)
    except Exception as error:  # a tree that went away, a tool that failed
        fail(f"{type(error).__name__}: {error}")
    if failures:
        print(f"{len(failures)} checks failed:\n  " + "\n  ".join(failures))
        return 1
    print("every check passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
