#!/usr/bin/env python3
"""Times the companion's `due` and `agenda` over a full library of 3,999 mixed events, side by
side with `remind` over 3,999 equivalent REM lines.

    bench/compare_remind.py --cli build-rel/src/cli/zantimore-cli [--runs 200] [--work DIR]

The library is built once with the companion's `add` (about 40 s) and kept in the work folder;
`--rebuild` makes it again. Each command runs as a whole process, many times; the figures are
the median and the fastest wall time and the median CPU time (user + system) in
milliseconds; on a busy machine the CPU time is the steadier figure.

Equivalents on the remind side (both sides see the same day, 2026-12-07):
  due     remind -q FILE 2026-12-07            today's reminders, unsorted
  agenda  remind -q -g FILE 2026-12-07         today's reminders sorted by date and time
"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

DAY = "2026-12-07"
AT = DAY + "T12:00:00"
COUNT = 3999
WEEKDAYS = ["mon", "tue", "wed", "thu", "fri", "sat", "sun"]
REM_DAYS = ["Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"]
ORDINALS = ["first", "second", "third", "fourth", "last"]
MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]


def event(i):
    """The add arguments and the REM line of the i-th event: every pattern form in turn."""
    name = "Event %d" % i
    month = 1 + i % 12
    day = 1 + i % 28
    hour = 7 + i % 12
    minute = (i * 7) % 60
    start = "2026-%02d-%02d %02d:%02d" % (month, day, hour, minute)
    at = "AT %02d:%02d" % (hour, minute)
    date = "2026-%02d-%02d" % (month, day)
    form = i % 8
    if form == 0:  # once
        return [name, start], "REM %s %s MSG %s" % (date, at, name)
    if form == 1:  # every N days
        n = 1 + i % 5
        return [name, start, "--daily", str(n)], "REM %s *%d %s MSG %s" % (date, n, at, name)
    if form == 2:  # weekly on some weekdays
        days = [i % 7, (i + 2) % 7]
        return ([name, start, "--weekly", "1:" + ",".join(WEEKDAYS[d] for d in days)],
                "REM %s FROM %s %s MSG %s" % (" ".join(REM_DAYS[d] for d in days), date, at, name))
    if form == 3:  # a day of every month
        return ([name, start, "--monthly-day", "%d:1" % day],
                "REM %d FROM %s %s MSG %s" % (day, date, at, name))
    if form == 4:  # the n-th weekday of every month
        o, w = i % 5, i % 7
        first = "%s %d" % (REM_DAYS[w], 1 + 7 * o) if o < 4 else "%s 1 --7" % REM_DAYS[w]
        return ([name, start, "--monthly-nth", "%s:%s:1" % (ORDINALS[o], WEEKDAYS[w])],
                "REM %s FROM %s %s MSG %s" % (first, date, at, name))
    if form == 5:  # a date every year
        return ([name, start, "--yearly"], "REM %s %d %s MSG %s" % (MONTHS[month - 1], day, at, name))
    if form == 6:  # the n-th weekday of the start's month every year
        o, w = i % 4, i % 7
        return ([name, start, "--yearly-nth", "%s:%s" % (ORDINALS[o], WEEKDAYS[w])],
                "REM %s %s %d %s MSG %s" % (REM_DAYS[w], MONTHS[month - 1], 1 + 7 * o, at, name))
    # every N days with an advance notice and an end
    return ([name, start, "--daily", "2", "--advance", "15 minutes", "--ends", "2027-06-30 23:59:00"],
            "REM %s *2 UNTIL 2027-06-30 +15 %s MSG %s" % (date, at, name))


def build(cli, work, rebuild):
    data = os.path.join(work, "data")
    rem = os.path.join(work, "events.rem")
    library = os.path.join(data, "Zantimo.VR0")
    if os.path.exists(library) and os.path.exists(rem) and not rebuild:
        return data, rem
    shutil.rmtree(data, ignore_errors=True)
    os.makedirs(data)
    lines = []
    for i in range(COUNT):
        args, line = event(i)
        # A one-time event already past is stored as accepted, with a note on stderr and
        # status 4.
        added = subprocess.run([cli, "--data", data, "--at", AT, "add"] + args,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if added.returncode not in (0, 4):
            raise subprocess.CalledProcessError(added.returncode, added.args)
        lines.append(line)
    with open(rem, "w") as f:
        f.write("\n".join(lines) + "\n")
    return data, rem


def time_loop(command, runs):
    """Median and fastest wall time, and median CPU time (user + system) of the runs, in ms."""
    walls, cpus = [], []
    for _ in range(runs):
        t = time.perf_counter()
        child = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        _, _, usage = os.wait4(child.pid, 0)
        walls.append((time.perf_counter() - t) * 1000)
        cpus.append((usage.ru_utime + usage.ru_stime) * 1000)
    return statistics.median(walls), min(walls), statistics.median(cpus)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cli", required=True, help="the companion to time (a Release build)")
    parser.add_argument("--runs", type=int, default=200)
    parser.add_argument("--work", default=os.path.join(tempfile.gettempdir(), "zm_compare_remind"))
    parser.add_argument("--rebuild", action="store_true")
    options = parser.parse_args()
    if not shutil.which("remind"):
        sys.exit("remind is not installed")
    data, rem = build(os.path.abspath(options.cli), options.work, options.rebuild)
    ours = [options.cli, "--data", data, "--at", AT]
    pairs = [("due", ours + ["due"], ["remind", "-q", rem, DAY]),
             ("agenda", ours + ["agenda"], ["remind", "-q", "-g", rem, DAY])]
    print("%-7s %26s %26s %15s" % ("", "zantimore-cli (ms)", "remind (ms)", "remind / ours"))
    print("%-7s %8s %8s %8s %8s %8s %8s %7s %7s" % ("", "median", "min", "cpu", "median", "min",
                                                     "cpu", "median", "cpu"))
    for label, mine, theirs in pairs:
        time_loop(mine, 10), time_loop(theirs, 10)  # warm the page cache
        m = time_loop(mine, options.runs)
        r = time_loop(theirs, options.runs)
        print("%-7s %8.2f %8.2f %8.2f %8.2f %8.2f %8.2f %6.2fx %6.2fx" %
              ((label,) + m + r + (r[0] / m[0], r[2] / m[2])))
    print("median/min: wall time of the whole process; cpu: its user + system time (median)")


if __name__ == "__main__":
    main()
