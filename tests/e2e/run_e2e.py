#!/usr/bin/env python3
"""The whole program under Wine: zenitrack.exe between calsat-sim and gs232sim.

Starts gs232sim on a pty linked as COM9 into the Wine prefix, calsat-sim in the middle of a
pass, and zenitrack.exe with a settings file beside it; then drives and reads the windows
through zt-drive and checks docking, labels, tracking, the single instance and the exit.
"""
import argparse
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import time

MAIN = "Zenitrack on CALSAT32"
CALSAT = "CALSAT32(SGP)"
failures = []


def check(ok, what):
    print(("ok    " if ok else "FAIL  ") + what, flush=True)
    if not ok:
        failures.append(what)
    return ok


def poll(predicate, seconds, step=0.25):
    """The predicate's first true value within the time, else its last value."""
    end = time.monotonic() + seconds
    while True:
        value = predicate()
        if value or time.monotonic() > end:
            return value
        time.sleep(step)


class Rig:
    def __init__(self, args):
        self.args = args
        self.tree = os.path.abspath(args.tree)
        self.prefix = os.path.join(self.tree, "wineprefix")
        self.work = os.path.join(self.tree, "e2e-work")
        self.wine_run = [os.path.join(args.source, "scripts", "wine-run"), "--prefix", self.prefix]
        self.procs = []
        self.xvfb = None

    # --- set-up -------------------------------------------------------------------------
    def start_display(self):
        if os.environ.get("DISPLAY"):
            return
        for n in range(130, 160):
            if os.path.exists("/tmp/.X%d-lock" % n):
                continue
            self.xvfb = subprocess.Popen(["Xvfb", ":%d" % n, "-screen", "0", "1280x1024x24",
                                          "-nolisten", "tcp"], stdout=subprocess.DEVNULL,
                                         stderr=subprocess.DEVNULL)
            if poll(lambda: os.path.exists("/tmp/.X11-unix/X%d" % n), 5):
                os.environ["DISPLAY"] = ":%d" % n
                return
            self.xvfb.kill()
        raise RuntimeError("no X display")

    def write_settings(self):
        shutil.rmtree(self.work, ignore_errors=True)
        os.makedirs(self.work)
        self.exe = os.path.join(self.work, "zenitrack.exe")
        shutil.copy(self.args.zenitrack, self.exe)
        s, i, b = 'Type="10"', 'Type="9"', 'Type="2"'
        with open(os.path.join(self.work, "zenitrack.xml"), "w") as f:
            f.write(f"""<?xml version="1.0" encoding="UTF-8"?>
<root><Options>
<App><App {s}>CALSAT32</App><Inifile {s}>C:\\Calsat32\\CALSAT32.INI</Inifile>
<RegKey {s}>\\Software\\VB and VBA Program Settings\\TAVMIR\\CALSAT32</RegKey></App>
<Com><ComPort {s}>COM9</ComPort><BaudRate {s}>9600</BaudRate></Com>
<GS232><Interval {i}>1000</Interval><AzRotator {i}>0</AzRotator><ElRotator {i}>0</ElRotator>
<ParkingAz {i}>10</ParkingAz><ParkingEl {i}>0</ParkingEl><GoParking {b}>-1</GoParking>
<RotateSpeed {i}>3</RotateSpeed></GS232>
</Options></root>
""")

    def spawn(self, cmd, log):
        p = subprocess.Popen(cmd, stdout=open(os.path.join(self.work, log), "w"),
                             stderr=subprocess.STDOUT, start_new_session=True)
        self.procs.append(p)
        return p

    def start_rotator(self):
        subprocess.run(self.wine_run + ["--init"], check=True)
        # A Wine server still winding down from an earlier run would hang new programs.
        subprocess.run(["wineserver", "-w"], env=dict(os.environ, WINEPREFIX=self.prefix),
                       timeout=60)
        link = os.path.join(self.prefix, "dosdevices", "com9")
        if os.path.lexists(link):
            os.remove(link)
        self.log = os.path.join(self.work, "gs232.log")
        self.spawn([self.args.gs232sim, "--link", link, "--log", self.log, "--no-status",
                    "--time-scale", "4"], "gs232sim.out")
        if not poll(lambda: os.path.exists(link), 10):
            raise RuntimeError("gs232sim did not come up")

    def wine(self, program, *args, log):
        return self.spawn(self.wine_run + [program, *args], log)

    # --- the other programs' windows -----------------------------------------------------
    def drive(self, *args):
        # Into a file, not a pipe: a Wine server this call happens to start keeps a pipe open.
        out = os.path.join(self.work, "zt-drive.out")
        with open(out, "w") as f:
            code = subprocess.run(self.wine_run + [self.args.zt_drive, *args], stdout=f,
                                  stderr=subprocess.DEVNULL, timeout=60).returncode
        with open(out, encoding="utf-8") as f:
            return code, f.read().replace("\r\n", "\n")

    def rect(self, caption):
        code, out = self.drive("rect", caption)
        return tuple(int(v) for v in out.split()) if code == 0 else None

    def texts(self, caption):
        code, out = self.drive("texts", caption)
        return [line.split("\t", 2)[2] for line in out.splitlines() if line.count("\t") >= 2]

    def commands(self):
        try:
            with open(self.log) as f:
                return [json.loads(line) for line in f if line.strip()]
        except FileNotFoundError:
            return []

    def stop(self):
        for p in reversed(self.procs):
            if p.poll() is None:
                os.killpg(p.pid, signal.SIGTERM)
                try:
                    p.wait(10)
                except subprocess.TimeoutExpired:
                    os.killpg(p.pid, signal.SIGKILL)
        if self.xvfb:
            self.xvfb.kill()


def pass_line(rig):
    """What the main window shows for the pass table's first row (the pass now or next)."""
    out = rig.drive("texts", CALSAT)[1]
    w = next(l for l in out.splitlines() if l.startswith("ThunderRT6TextBox\t84\t")).split()[2:]
    hm = lambda t: ":".join(t.split(":")[:2]).zfill(5)
    return "(AOS) %s Az=%3.0f    (MAX) %s El=%2.0f Az=%3.0f    (LOS) %s Az=%3.0f" % (
        hm(w[1]), float(w[2]), hm(w[4]), float(w[5]), float(w[6]), hm(w[7]), float(w[8]))


def docked(rig):
    c, m = rig.rect(CALSAT), rig.rect(MAIN)
    return c and m and m[0] == c[0] + 1 and m[1] == c[3] - 3


def first_start(rig):
    """No settings yet: the missing INI file is reported, then Options is asked for, and its
    Cancel ends the program without writing settings."""
    folder = os.path.join(rig.work, "first")
    os.makedirs(folder)
    exe = shutil.copy(rig.args.zenitrack, folder)
    program = rig.wine(exe, log="first.out")
    check(rig.drive("wait", "Zenitrack", "30000")[0] == 0, "first start: a message box")
    rig.drive("keys", "Zenitrack", "enter")
    check(rig.drive("wait", "Options", "30000")[0] == 0, "first start: the Options dialog")
    rig.drive("keys", "Options", "esc")
    check(program.wait(30) == 0, "first start: Cancel ends the program")
    with open(os.path.join(folder, "zenitrack.xml")) as f:
        saved = f.read()
    check("<Main" not in saved and "<Alert" not in saved, "first start: nothing saved")


def run(rig):
    rig.start_display()
    rig.write_settings()
    rig.start_rotator()
    first_start(rig)
    rig.wine(rig.args.calsat_sim, "--scenario", rig.args.scenario, "--start",
             "2024-05-01 12:06:00", log="calsat-sim.out")
    check(rig.drive("wait", CALSAT, "30000")[0] == 0, "calsat-sim's window is up")
    main = rig.wine(rig.exe, log="zenitrack.out")
    if not check(rig.drive("wait", MAIN, "30000")[0] == 0, "the main window is up"):
        return

    check(poll(lambda: docked(rig), 10), "docked: 1 pixel in, over CALSAT32's bottom 3 pixels")
    m = rig.rect(MAIN)
    check((m[2] - m[0], m[3] - m[1]) == (638, 90), "a 636-pixel client in a 1-pixel border, 90 high")
    c = rig.rect(CALSAT)
    rig.drive("move", CALSAT, str(c[0] + 60), str(c[1] + 40))
    check(poll(lambda: docked(rig), 5), "follows CALSAT32's window when it moves")

    labels = poll(lambda: (lambda t: t if any("(JST)" in x for x in t) else None)(rig.texts(MAIN)),
                  10) or rig.texts(MAIN)
    joined = " | ".join(labels)
    check("ISS " in labels, "satellite name shown: " + joined)
    check(any(re.fullmatch(r"\d\d/\d\d \d\d:\d\d:\d\d\(JST\)", x) for x in labels),
          "clock in local time with its name")
    check(pass_line(rig) in labels, "the pass line of CALSAT32's first row: " + pass_line(rig))
    check("Mode : Overlap" in labels, "the rotate mode of a north-crossing pass")
    check(sum(1 for x in labels if re.fullmatch(r"-?\d+°", x)) >= 6, "directions in degrees")
    check("&Tracking On" in labels, "tracking is off after start-up")

    rig.drive("keys", MAIN, "ctrl+T")
    check(poll(lambda: "&Tracking Off" in rig.texts(MAIN), 5), "Ctrl+T turns tracking on")
    check(poll(lambda: any(c["cmd"].startswith("W") for c in rig.commands()), 10),
          "the rotator is sent towards the satellite")
    check(poll(lambda: any(c["az"] > 5 for c in rig.commands()), 20), "and turns")
    if rig.args.screenshot:
        c, m = rig.rect(CALSAT), rig.rect(MAIN)
        x, y = max(c[0] - 10, 0), max(c[1] - 10, 0)
        subprocess.run(["import", "-window", "root", "-crop",
                        "%dx%d+%d+%d" % (c[2] - x + 10, m[3] - y + 10, x, y),
                        rig.args.screenshot], check=False)

    started = time.monotonic()
    second = rig.wine(rig.exe, log="second.out")
    check(second.wait(60) == 0 and time.monotonic() - started < 30,
          "a second instance ends at once")
    check(main.poll() is None, "the first instance keeps running")

    before = len(rig.commands())
    rig.drive("keys", MAIN, "ctrl+X")
    check(rig.drive("gone", MAIN, "15000")[0] == 0, "Ctrl+X closes the window")
    check(main.wait(30) == 0, "the program ends")
    after = [c["cmd"] for c in rig.commands()[before:] if c["cmd"] not in ("C2", "C")]
    # A move may still slip in before the key arrives; the exit's own commands come last.
    check(after[-3:] == ["S", "W010 000", ""], "exit stops, parks, then closes: %s" % after)
    with open(os.path.join(rig.work, "zenitrack.xml")) as f:
        saved = f.read()
    check(re.search(r"<Main>.*<Left[^>]*>-?\d+</Left>.*</Main>", saved, re.S) is not None,
          "the window position is saved")
    check(re.search(r'<Alert[^>]*>1000,2000,750,500,500,500</Alert>', saved) is not None,
          "the beep table is saved")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--source", required=True)
    ap.add_argument("--tree", required=True, help="the Windows build tree")
    ap.add_argument("--zenitrack", required=True)
    ap.add_argument("--calsat-sim", required=True)
    ap.add_argument("--zt-drive", required=True)
    ap.add_argument("--gs232sim", required=True)
    ap.add_argument("--scenario", required=True)
    ap.add_argument("--screenshot")
    args = ap.parse_args()
    if not os.path.exists(args.gs232sim):
        print("gs232sim not built at " + args.gs232sim + " (build the native tree)")
        return 1
    rig = Rig(args)
    try:
        run(rig)
    finally:
        rig.stop()
    print("%d failure(s)" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
