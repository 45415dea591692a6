#!/usr/bin/env python3
"""The whole program under Wine: zenitrack.exe between calsat-sim and gs232sim.

Starts gs232sim on a pty linked as COM9 into the Wine prefix, calsat-sim in the middle of a
pass, and zenitrack.exe with a settings file beside it; then drives and reads the windows
through zt-drive and checks docking, labels, tracking, the single instance and the exit.
"""
import argparse
import os
import re
import shutil
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "scripts", "lib"))
from zt_stage import (CALSAT, MAIN, Stage, degree_texts, pass_line, poll,  # noqa: E402
                      settings_xml)

failures = []


def check(ok, what):
    print(("ok    " if ok else "FAIL  ") + what, flush=True)
    if not ok:
        failures.append(what)
    return ok


def closing(commands):
    """The commands up to the close's empty line, which a purge right after it may lose."""
    return commands[:-1] if commands[-1:] == [""] else commands


def first_row_line(rig):
    """What the main window shows for the pass table's first row (the pass now or next)."""
    return pass_line(rig.pass_table()[0])


def docked(rig):
    c, m = rig.rect(CALSAT), rig.rect(MAIN)
    return c and m and m[0] == c[0] + 1 and m[1] == c[3] - 3


def first_start(rig):
    """No settings yet: the missing INI file is reported, then Options is asked for, and its
    Cancel ends the program without writing settings."""
    folder = os.path.join(rig.work, "first")
    program = rig.start_zenitrack(rig.install(folder), log="first.out")
    check(rig.drive("wait", "Zenitrack", "30000")[0] == 0, "first start: a message box")
    rig.drive("keys", "Zenitrack", "enter")
    check(rig.drive("wait", "Options", "30000")[0] == 0, "first start: the Options dialog")
    rig.drive("keys", "Options", "esc")
    check(program.wait(30) == 0, "first start: Cancel ends the program")
    with open(os.path.join(folder, "zenitrack.xml")) as f:
        saved = f.read()
    check("<Main" not in saved and "<Alert" not in saved, "first start: nothing saved")


def run(rig, args):
    rig.start_display()
    app = os.path.join(rig.work, "app")
    exe = rig.install(app, settings_xml())
    rig.start_rotator(time_scale=4)
    first_start(rig)
    rig.start_calsat(args.scenario, start="2024-05-01 12:06:00")
    main = rig.start_zenitrack(exe)
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
    check(first_row_line(rig) in labels,
          "the pass line of CALSAT32's first row: " + first_row_line(rig))
    check("Mode : Overlap" in labels, "the rotate mode of a north-crossing pass")
    check(len(degree_texts(labels)) >= 6, "directions in degrees")
    check("&Tracking On" in labels, "tracking is off after start-up")

    rig.drive("keys", MAIN, "ctrl+T")
    check(poll(lambda: "&Tracking Off" in rig.texts(MAIN), 5), "Ctrl+T turns tracking on")
    check(poll(lambda: any(c["cmd"].startswith("W") for c in rig.commands()), 10),
          "the rotator is sent towards the satellite")
    check(poll(lambda: any(c["az"] > 5 for c in rig.commands()), 20), "and turns")
    if args.screenshot:
        c, m = rig.rect(CALSAT), rig.rect(MAIN)
        x, y = max(c[0] - 10, 0), max(c[1] - 10, 0)
        rig.screenshot(args.screenshot, (x, y, c[2] + 10, m[3] + 10))

    started = time.monotonic()
    second = rig.start_zenitrack(exe, log="second.out")
    check(second.wait(60) == 0 and time.monotonic() - started < 30,
          "a second instance ends at once")
    check(main.poll() is None, "the first instance keeps running")

    before = len(rig.commands())
    rig.drive("keys", MAIN, "ctrl+X")
    check(rig.drive("gone", MAIN, "15000")[0] == 0, "Ctrl+X closes the window")
    check(main.wait(30) == 0, "the program ends")
    after = [c["cmd"] for c in rig.commands()[before:] if c["cmd"] not in ("C2", "C")]
    # A move may still slip in before the key arrives; the exit's own commands come last.
    # The closing CR goes just before a transmit purge, which under Wine may discard it.
    check(closing(after)[-2:] == ["S", "W010 000"], "exit stops, parks, then closes: %s" % after)
    with open(os.path.join(app, "zenitrack.xml")) as f:
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
    work = os.path.join(args.tree, "e2e-work")
    shutil.rmtree(work, ignore_errors=True)
    with Stage(args.source, args.tree, work, args.zenitrack, args.calsat_sim, args.zt_drive,
               args.gs232sim) as rig:
        run(rig, args)
    print("%d failure(s)" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
