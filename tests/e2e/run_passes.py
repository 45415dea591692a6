#!/usr/bin/env python3
"""A whole pass in each rotate mode, accelerated, with the pointing error taken from
gs232sim's physical state against calsat-sim's truth.

The stand-ins run SCALE times faster than the wall clock and the tracking timer SCALE times
shorter than the 2000 ms default, so the antenna's slew rates and the cycle keep their
proportions to the sky. The serial exchange of a cycle does not shrink (about half a second
of read time limits), so the cycle's measured period in simulated time is reported and is
somewhat longer than 2 s: the bounds hold for a rotator slower to follow, not a faster one.
"""
import argparse
import os
import shutil
import statistics
import sys
import threading
import time
import traceback
from datetime import datetime

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "scripts", "lib"))
from zt_pointing import Track, read_truth  # noqa: E402
from zt_stage import MAIN, Stage, poll, settings_xml  # noqa: E402

BOUND = 5.0  # degrees: a 20-degree beam loses under 1 dB
SCENARIOS = os.path.join(HERE, "..", "..", "tools", "calsat-sim", "scenarios")

# mode, scenario, AzRotator, ElRotator, gs232sim's azimuth travel
PASSES = {
    "Normal": ("pass-normal.scn", 0, 0, 450),
    "Overlap": ("pass-north.scn", 0, 0, 450),
    "Flip": ("pass-north.scn", 1, 0, 360),
    "Crossing": ("pass-north.scn", 1, 1, 360),
}

lock = threading.Lock()
failures = []


def say(mode, text):
    with lock:
        print("%-8s %s" % (mode, text), flush=True)


def check(mode, ok, what):
    say(mode, ("ok    " if ok else "FAIL  ") + what)
    if not ok:
        with lock:
            failures.append(mode + ": " + what)
    return ok


def first_pass(calsat_out):
    """AOS and LOS (UTC) of the first pass calsat-sim announces."""
    with open(calsat_out, errors="replace") as f:
        for line in f:
            w = line.split()
            if w[:2] == ["pass", "AOS"]:
                parse = lambda d, t: datetime.strptime(d + " " + t, "%Y-%m-%d %H:%M:%S")
                return parse(w[2], w[3]), parse(w[w.index("LOS") + 1], w[w.index("LOS") + 2])
    return None


def truth_clock(path):
    """The simulated UTC of the truth log's last row."""
    try:
        with open(path, errors="replace") as f:
            last = f.read().strip().splitlines()[-1]
        return datetime.strptime(last.split("\t")[1], "%Y-%m-%d %H:%M:%S")
    except (FileNotFoundError, IndexError, ValueError):
        return None


def fly(args, mode, stages):
    scenario, az_rotator, el_rotator, travel = PASSES[mode]
    work = os.path.join(args.tree, "e2e-passes", mode.lower())
    shutil.rmtree(work, ignore_errors=True)
    st = Stage(args.source, args.tree, work, args.zenitrack, args.calsat_sim, args.zt_drive,
               args.gs232sim, prefix=os.path.join(args.tree, "e2e-prefix-" + mode.lower()))
    stages.append(st)
    with st:
        st.start_rotator(time_scale=args.scale, options=["--az-travel", str(travel)])
        truth_path = os.path.join(work, "truth.tsv")
        st.start_calsat(os.path.join(SCENARIOS, scenario), scale=args.scale, truth=truth_path)
        aos, los = first_pass(os.path.join(work, "calsat-sim.out"))
        exe = st.install(os.path.join(work, "app"),
                         settings_xml(interval=round(2000 / args.scale), az_rotator=az_rotator,
                                      el_rotator=el_rotator, speed=None))
        main = st.start_zenitrack(exe)
        if not check(mode, st.wait(MAIN), "the main window is up"):
            return
        shown = poll(lambda: "Mode : " + mode in st.texts(MAIN), 10)
        check(mode, shown, "the pass is judged %s: %s" % (mode, [t for t in st.texts(MAIN)
                                                                if t.startswith("Mode")]))
        st.keys(MAIN, "ctrl+T")
        check(mode, poll(lambda: "&Tracking Off" in st.texts(MAIN), 5), "Ctrl+T: tracking on")
        wall = (los - aos).total_seconds() / args.scale + 120
        done = poll(lambda: (truth_clock(truth_path) or aos) >= los and
                    "&Tracking On" in st.texts(MAIN), wall, 2)
        check(mode, done, "tracking turns itself off after LOS")
        boxes = st.message_boxes()
        check(mode, not boxes, "no message box: %s" % boxes)
        st.keys(MAIN, "ctrl+X")
        check(mode, st.gone(MAIN) and main.wait(30) == 0, "Ctrl+X ends the program")
        judge(mode, Track(read_truth(truth_path), st.commands(), st.rotator_epoch, args.scale,
                          BOUND), aos, args.scale)


def fly_or_fail(args, mode, stages):
    try:
        fly(args, mode, stages)
    except Exception:
        check(mode, False, "the run: " + traceback.format_exc())


def judge(mode, track, aos, scale):
    if not check(mode, track.aos is not None and track.reached is not None,
                 "the antenna reaches the satellite"):
        return
    queries = [track.epoch + c["t"] for c in track.commands if c["cmd"] == "C2"]
    period = statistics.median(b - a for a, b in zip(queries, queries[1:])) * scale
    say(mode, "cycle period %.2f s simulated; %d moves sent; reached the satellite %.0f s "
        "after AOS" % (period, len(track.moves()), track.sim_seconds(track.aos, track.reached)))
    say(mode, "pointing error while up: max %.2f, RMS %.2f degrees; largest target step %d"
        % (track.max_error, track.rms_error, track.largest_target_step()))
    swings = track.swings()
    if mode == "Crossing":
        check(mode, len(swings) == 1 and track.largest_target_step() >= 180,
              "one swing through the stop: %s s after AOS" % swings)
    else:
        check(mode, track.max_error <= BOUND, "pointing error within %.0f degrees: max %.2f"
              % (BOUND, track.max_error))
        check(mode, track.largest_target_step() < 180, "no swing through the stop")
    check(mode, track.sim_seconds(track.aos, track.reached) <= 10,
          "at the AOS position by AOS (one cycle's slack)")


def main():
    ap = argparse.ArgumentParser()
    for name in ("source", "tree", "zenitrack", "calsat-sim", "zt-drive", "gs232sim"):
        ap.add_argument("--" + name, required=True)
    ap.add_argument("--modes", default=",".join(PASSES))
    ap.add_argument("--scale", type=float, default=4)
    ap.add_argument("--jobs", type=int, default=2, help="passes flown at the same time")
    args = ap.parse_args()
    args.tree = os.path.abspath(args.tree)
    modes = args.modes.split(",")
    stages = []
    started = time.monotonic()
    display = Stage(args.source, args.tree, os.path.join(args.tree, "e2e-passes"),
                    args.zenitrack, args.calsat_sim, args.zt_drive, args.gs232sim)
    with display:
        display.start_display()
        pending = list(modes)
        running = []
        try:
            while pending or running:
                running = [t for t in running if t.is_alive()]
                while pending and len(running) < args.jobs:
                    t = threading.Thread(target=fly_or_fail, args=(args, pending.pop(0), stages))
                    t.start()
                    running.append(t)
                time.sleep(0.5)
        except KeyboardInterrupt:
            for st in stages:
                st.stop()
            raise
    print("%d failure(s) in %.0f s" % (len(failures), time.monotonic() - started))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
