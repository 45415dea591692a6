"""The main job, shown: Zenitrack under Wine follows a pass that crosses north, against
gs232sim on a COM port and calsat-sim, both running SCALE times faster than the wall clock.
Leaves the wire log, a screenshot and a plot in the output folder and says what happened."""
import argparse
import os
import shutil
import subprocess
import sys
import time
from collections import Counter

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from zt_pointing import Track, announced_pass, antenna, read_truth, truth_clock  # noqa: E402
from zt_stage import MAIN, Stage, poll, settings_xml  # noqa: E402

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
SCENARIO = os.path.join(ROOT, "tools", "calsat-sim", "scenarios", "pass-north.scn")


def step(text):
    print("demo: " + text, flush=True)


def plot(track, out, png):
    """Satellite and antenna over the pass, minutes from AOS; gnuplot draws it."""
    data = os.path.join(out, "pass.dat")
    with open(data, "w") as f:
        f.write("# minutes_from_AOS sat_az sat_el antenna_az antenna_el rotator_az\n")
        for c in track.commands:
            unix = track.epoch + c["t"]
            row = next((s for s in track.samples if s[0] == unix), None)
            if row is None:
                continue
            minutes = track.sim_seconds(track.aos, unix) / 60
            f.write("%.3f %.2f %.2f %.2f %.2f %.2f\n" % (minutes, row[1], row[2],
                                                          *antenna(c["az"], c["el"]), c["az"]))
    script = f"""set terminal pngcairo size 1000,700
set output '{png}'
set multiplot layout 2,1 title 'Zenitrack following a pass over north (gs232sim, accelerated)'
set grid
set xlabel 'minutes from AOS'
set ylabel 'azimuth (deg)'
set yrange [0:450]
set ytics 90
plot '{data}' using 1:($3>=0?$2:1/0) with lines lw 2 title 'satellite', \\
     '' using 1:4 with lines lw 1 title 'antenna', \\
     '' using 1:6 with lines dt 2 title 'rotator reading'
set ylabel 'elevation (deg)'
set yrange [-10:90]
set ytics 15
plot '{data}' using 1:3 with lines lw 2 title 'satellite', \\
     '' using 1:5 with lines lw 1 title 'antenna'
unset multiplot
"""
    result = subprocess.run(["gnuplot"], input=script, text=True, capture_output=True)
    if result.returncode != 0:
        step("gnuplot failed: " + result.stderr.strip())
    return result.returncode == 0


def demo(args):
    out = os.path.abspath(args.out)
    shutil.rmtree(out, ignore_errors=True)
    os.makedirs(out)
    win = os.path.abspath(args.windows_tree)
    st = Stage(ROOT, win, os.path.join(out, "run"),
               os.path.join(win, "app", "zenitrack.exe"),
               os.path.join(win, "tools", "calsat-sim", "calsat-sim.exe"),
               os.path.join(win, "tools", "zt-drive", "zt-drive.exe"),
               os.path.join(args.native_tree, "tools", "gs232sim", "gs232sim"),
               prefix=os.path.join(win, "demo-prefix"))
    with st:
        display = st.start_display(private=args.private_display)
        step("X display %s%s" % (display, " (private Xvfb)" if st.xvfb else ""))
        step("Wine prefix %s" % st.prefix)
        st.start_rotator(time_scale=args.scale)
        step("gs232sim on COM9, %g times faster than the wall clock" % args.scale)
        truth = os.path.join(out, "truth.tsv")
        st.start_calsat(SCENARIO, scale=args.scale, truth=truth)
        aos, top, los, line = announced_pass(os.path.join(st.work, "calsat-sim.out"))
        step("calsat-sim: " + line)
        app = os.path.join(out, "zenitrack")
        exe = st.install(app, settings_xml(interval=round(2000 / args.scale), speed=None))
        step("zenitrack.exe and its settings in %s (tracking every %d ms)"
             % (app, round(2000 / args.scale)))
        program = st.start_zenitrack(exe)
        if not st.wait(MAIN):
            raise RuntimeError("Zenitrack's window did not come up")
        mode = poll(lambda: next((t for t in st.texts(MAIN) if t.startswith("Mode : ")),
                                 None), 15)
        step("Zenitrack is up; the pass is judged: %s" % mode)
        st.keys(MAIN, "ctrl+T")
        if not poll(lambda: "&Tracking Off" in st.texts(MAIN), 5):
            raise RuntimeError("Ctrl+T did not switch tracking on")
        step("Ctrl+T: tracking on; following the pass (about %d s)"
             % ((los - aos).total_seconds() / args.scale + 30))
        shot = os.path.join(out, "screenshot.png")
        if poll(lambda: (truth_clock(truth) or aos) >= top, 600, 1):
            c, m = st.rect("CALSAT32(SGP)"), st.rect(MAIN)
            if c and m:
                l, t = max(c[0] - 10, 0), max(c[1] - 10, 0)
                st.screenshot(shot, (l, t, c[2] + 10, m[3] + 10))
            step("screenshot at the culmination: %s" % shot)
        ended = poll(lambda: (truth_clock(truth) or aos) >= los and
                     "&Tracking On" in st.texts(MAIN), 600, 1)
        step("LOS: tracking switched itself off" if ended else "LOS not seen in time")
        before = len(st.commands())
        st.keys(MAIN, "ctrl+X")
        st.gone(MAIN)
        code = program.wait(30)
        time.sleep(1)
        parked = [c["cmd"] for c in st.commands()[before:]]
        step("Ctrl+X: Zenitrack ended with status %d after %s" % (code, parked))
        track = Track(read_truth(truth), st.commands(), st.rotator_epoch, args.scale)
        shutil.copy(st.wire_log, os.path.join(out, "wire-log.jsonl"))
    kinds = Counter(c["cmd"][:1] if c["cmd"][:1] in ("W", "M") else c["cmd"] or "CR"
                    for c in track.commands)
    step("commands received by the rotator: %d (%s)" % (
        len(track.commands), ", ".join("%s %d" % kv for kv in sorted(kinds.items()))))
    if track.reached:
        step("the antenna was on the satellite %.0f s (simulated) after AOS" %
             track.sim_seconds(track.aos, track.reached))
        step("pointing error while the satellite was up: max %.1f, RMS %.1f degrees"
             % (track.max_error, track.rms_error))
    png = os.path.join(out, "pass-plot.png")
    if plot(track, out, png):
        step("plot: " + png)
    step("wire log: " + os.path.join(out, "wire-log.jsonl"))
    return 0 if ended and code == 0 else 1


def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument("--out", default=os.path.join(ROOT, "out", "demo"))
    ap.add_argument("--scale", type=float, default=4,
                    help="simulated seconds per wall second (default 4)")
    ap.add_argument("--windows-tree", default=os.path.join(ROOT, "build", "windows"))
    ap.add_argument("--native-tree", default=os.path.join(ROOT, "build", "native"))
    ap.add_argument("--private-display", action="store_true",
                    help="a private Xvfb even when DISPLAY is set")
    return demo(ap.parse_args())


if __name__ == "__main__":
    sys.exit(main())
