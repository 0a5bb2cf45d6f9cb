#!/usr/bin/env python3
"""Idle figures of the resident program beside a bare Qt program, measured in the same run.

For `zantimore` (with its own empty data folder, settings and runtime folder) and for
`bare_tray` (a tray icon and a label updated every 250 ms):
  - start: from starting the process to its event loop running (median of a few starts),
  - memory: resident set size 10 s after the start, with no window of the program open,
  - CPU: the share of one core used over the following idle period (60 s by default).

The program shows its floating clock (as it does by default); --no-clock hides it.

Usage: bench/idle_compare.py [--build DIR] [--seconds 60] [--starts 5] [--no-clock]
Needs a display: the one in DISPLAY, else a private Xvfb is started.
"""

import argparse
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

CLOCK_TICKS = os.sysconf("SC_CLK_TCK")


def private_display():
    for number in range(150, 200):
        if not os.path.exists(f"/tmp/.X11-unix/X{number}") and not os.path.exists(
                f"/tmp/.X{number}-lock"):
            server = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", "1280x800x24"],
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            for _ in range(100):
                if os.path.exists(f"/tmp/.X11-unix/X{number}"):
                    return f":{number}", server
                time.sleep(0.05)
            server.terminate()
    sys.exit("no display: set DISPLAY or install Xvfb")


class Program:
    def __init__(self, name, binary, cli, display, clock=True):
        self.name = name
        self.binary = binary
        self.home = tempfile.mkdtemp(prefix=f"idle-{name}-")
        runtime = os.path.join(self.home, "runtime")
        os.mkdir(runtime, 0o700)
        self.ready_file = os.path.join(self.home, "ready")
        self.env = dict(os.environ, DISPLAY=display, ZANTIMORE_HOME=os.path.join(self.home, "data"),
                        XDG_CONFIG_HOME=os.path.join(self.home, "config"),
                        XDG_RUNTIME_DIR=runtime, ZANTIMORE_READY_FILE=self.ready_file)
        self.env.pop("QT_QPA_PLATFORM", None)
        if cli:
            # An empty library (so no "file will be created" box), and the first-run help seen.
            subprocess.run([cli, "add", "seed", "2030-01-01 10:00"], env=self.env, check=True,
                           stdout=subprocess.DEVNULL)
            subprocess.run([cli, "delete", "1"], env=self.env, check=True,
                           stdout=subprocess.DEVNULL)
            settings = os.path.join(self.home, "config", "Orvendal")
            os.makedirs(settings, exist_ok=True)
            with open(os.path.join(settings, "Zantimore Pro.conf"), "w") as f:
                f.write("[%General]\nFirstRun=350\n")
                f.write(f"[Clock]\nShow={'true' if clock else 'false'}\n")
        self.process = None
        self.started = 0

    def start(self):
        if os.path.exists(self.ready_file):
            os.remove(self.ready_file)
        self.started = time.monotonic_ns()
        self.process = subprocess.Popen([self.binary], env=self.env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)

    def wait_ready(self, timeout=20.0):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            try:
                with open(self.ready_file) as f:
                    text = f.read().strip()
                if text:
                    return (int(text) - self.started) / 1e6
            except FileNotFoundError:
                pass
            if self.process.poll() is not None:
                sys.exit(f"{self.name} ended with status {self.process.returncode}")
            time.sleep(0.002)
        sys.exit(f"{self.name} did not reach its event loop")

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()

    def rss_kib(self):
        with open(f"/proc/{self.process.pid}/status") as f:
            for line in f:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1])
        return 0

    def cpu_ticks(self):
        with open(f"/proc/{self.process.pid}/stat") as f:
            fields = f.read().rsplit(")", 1)[1].split()
        return int(fields[11]) + int(fields[12])  # utime + stime

    def cleanup(self):
        self.stop()
        shutil.rmtree(self.home, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default="build-rel")
    parser.add_argument("--seconds", type=int, default=60)
    parser.add_argument("--starts", type=int, default=5)
    parser.add_argument("--no-clock", action="store_true", help="the program without its clock")
    args = parser.parse_args()

    binaries = {
        "bare_tray": os.path.join(args.build, "bench", "bare_tray"),
        "zantimore": os.path.join(args.build, "src", "shell", "zantimore"),
    }
    cli = os.path.join(args.build, "src", "cli", "zantimore-cli")
    for path in list(binaries.values()) + [cli]:
        if not os.access(path, os.X_OK):
            sys.exit(f"missing {path}: build the Release tree first")

    server = None
    display = os.environ.get("DISPLAY")
    if not display:
        display, server = private_display()

    programs = [Program("bare_tray", binaries["bare_tray"], None, display),
                Program("zantimore", binaries["zantimore"], cli, display, not args.no_clock)]
    try:
        starts = {p.name: [] for p in programs}
        for _ in range(args.starts):
            for p in programs:
                p.start()
                starts[p.name].append(p.wait_ready())
                p.stop()
                time.sleep(0.3)

        for p in programs:
            p.start()
            p.wait_ready()
        time.sleep(max(0.0, 10.0 - (time.monotonic_ns() - programs[0].started) / 1e9))
        rss = {p.name: p.rss_kib() for p in programs}
        before = {p.name: p.cpu_ticks() for p in programs}
        time.sleep(args.seconds)
        cpu = {p.name: (p.cpu_ticks() - before[p.name]) / CLOCK_TICKS / args.seconds * 100
               for p in programs}
    finally:
        for p in programs:
            p.cleanup()
        if server:
            server.terminate()

    bare, zm = "bare_tray", "zantimore"
    clock = "hidden" if args.no_clock else "shown"
    print(f"display {display}; {args.starts} starts each; CPU over {args.seconds} s idle; "
          f"the program's clock {clock}")
    print(f"{'':32}{bare:>12}{zm:>12}{'ratio':>8}")
    start_b, start_z = statistics.median(starts[bare]), statistics.median(starts[zm])
    print(f"{'start to event loop (ms)':32}{start_b:12.1f}{start_z:12.1f}{start_z / start_b:8.2f}")
    print(f"{'resident memory at 10 s (MiB)':32}{rss[bare] / 1024:12.1f}{rss[zm] / 1024:12.1f}"
          f"{rss[zm] / rss[bare]:8.2f}")
    print(f"{'CPU idle (% of one core)':32}{cpu[bare]:12.3f}{cpu[zm]:12.3f}")


if __name__ == "__main__":
    main()
