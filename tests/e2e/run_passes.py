#!/usr/bin/env python3
"""A whole pass in each rotate mode, accelerated, with the pointing error taken from
gs232sim's physical state against calsat-sim's truth.

The stand-ins run SCALE times faster than the wall clock and the tracking timer SCALE times
shorter than the 2000 ms default, so the antenna's slew rates and the cycle keep their
proportions to the sky. The serial exchange of a cycle does not shrink (about half a second
of read time limits), so the cycle's measured period in simulated time is reported and is
somewhat longer than 2 s: the bounds hold for a rotator slower to follow, not a faster one.
"""
import os
import statistics
import sys

from e2e_cases import SCENARIOS, arguments, check, run_all, say
from zt_pointing import Track, announced_pass, read_truth, truth_clock
from zt_stage import MAIN, degree_texts, poll, settings_xml

BOUND = 5.0  # degrees: a 20-degree beam loses under 1 dB

# case: mode, scenario, AzRotator, ElRotator, gs232sim's azimuth travel, its reply style
PASSES = {
    "Normal": ("Normal", "pass-normal.scn", 0, 0, 450, "a"),
    "Overlap": ("Overlap", "pass-north.scn", 0, 0, 450, "a"),
    "Flip": ("Flip", "pass-north.scn", 1, 0, 360, "a"),
    "Crossing": ("Crossing", "pass-north.scn", 1, 1, 360, "a"),
    # A GS-232B controller, with the setting that accepts its replies.
    "Overlap-B": ("Overlap", "pass-north.scn", 0, 0, 450, "b"),
}
B_REPLIES = '<GS232BReplies Type="2">-1</GS232BReplies>'


def fly(args, case, st):
    mode, scenario, az_rotator, el_rotator, travel, style = PASSES[case]
    st.start_rotator(time_scale=args.scale,
                     options=["--az-travel", str(travel), "--reply-style", style])
    truth_path = os.path.join(st.work, "truth.tsv")
    st.start_calsat(os.path.join(SCENARIOS, scenario), scale=args.scale, truth=truth_path)
    aos, _, los, _ = announced_pass(os.path.join(st.work, "calsat-sim.out"))
    exe = st.install(os.path.join(st.work, "app"),
                     settings_xml(interval=round(2000 / args.scale), az_rotator=az_rotator,
                                  el_rotator=el_rotator, speed=None,
                                  extra_gs232=B_REPLIES if style == "b" else ""))
    main = st.start_zenitrack(exe)
    if not check(case, st.wait(MAIN), "the main window is up"):
        return
    shown = poll(lambda: "Mode : " + mode in st.texts(MAIN), 10)
    check(case, shown, "the pass is judged %s: %s" % (mode, [t for t in st.texts(MAIN)
                                                            if t.startswith("Mode")]))
    check(case, poll(lambda: len(degree_texts(st.texts(MAIN))) == 6, 10),
          "the antenna's and the rotator's directions are shown: %s"
          % degree_texts(st.texts(MAIN)))
    check(case, st.press_until(MAIN, "ctrl+T", lambda: "&Tracking Off" in st.texts(MAIN)),
          "Ctrl+T: tracking on")
    wall = (los - aos).total_seconds() / args.scale + 120
    done = poll(lambda: (truth_clock(truth_path) or aos) >= los and
                "&Tracking On" in st.texts(MAIN), wall, 2)
    check(case, done, "tracking turns itself off after LOS")
    boxes = st.message_boxes()
    check(case, not boxes, "no message box: %s" % boxes)
    st.keys(MAIN, "ctrl+X")
    check(case, st.gone(MAIN) and main.wait(30) == 0, "Ctrl+X ends the program")
    judge(case, mode, Track(read_truth(truth_path), st.commands(), st.rotator_epoch, args.scale,
                      BOUND), aos, args.scale)


def judge(case, mode, track, aos, scale):
    if not check(case, track.aos is not None and track.reached is not None,
                 "the antenna reaches the satellite"):
        return
    queries = [track.epoch + c["t"] for c in track.commands if c["cmd"] == "C2"]
    period = statistics.median(b - a for a, b in zip(queries, queries[1:])) * scale
    say(case, "cycle period %.2f s simulated; %d moves sent; reached the satellite %.0f s "
        "after AOS" % (period, len(track.moves()), track.sim_seconds(track.aos, track.reached)))
    say(case, "pointing error while up: max %.2f, RMS %.2f degrees; largest target step %d"
        % (track.max_error, track.rms_error, track.largest_target_step()))
    swings = track.swings()
    if mode == "Crossing":
        check(case, len(swings) == 1 and track.largest_target_step() >= 180,
              "one swing through the stop: %s s after AOS" % swings)
    else:
        check(case, track.max_error <= BOUND, "pointing error within %.0f degrees: max %.2f"
              % (BOUND, track.max_error))
        check(case, track.largest_target_step() < 180, "no swing through the stop")
    check(case, track.sim_seconds(track.aos, track.reached) <= 10,
          "at the AOS position by AOS (one cycle's slack)")


def main():
    ap = arguments(__doc__)
    ap.add_argument("--scale", type=float, default=4)
    args = ap.parse_args()
    cases = list(PASSES)
    return run_all(args, "e2e-passes", cases, fly)


if __name__ == "__main__":
    sys.exit(main())
