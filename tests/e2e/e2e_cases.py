"""What the end-to-end runners share: their command line, a stage per case in a prefix of
its own, checks that several cases may report at once, and cases run a few at a time."""
import argparse
import os
import shutil
import sys
import threading
import time
import traceback

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "scripts", "lib"))
from zt_stage import Stage  # noqa: E402

SCENARIOS = os.path.join(HERE, "..", "..", "tools", "calsat-sim", "scenarios")

_lock = threading.Lock()
failures = []


def say(case, text):
    with _lock:
        print("%-10s %s" % (case, text), flush=True)


def check(case, ok, what):
    say(case, ("ok    " if ok else "FAIL  ") + what)
    if not ok:
        with _lock:
            failures.append(case + ": " + what)
    return ok


def arguments(description, jobs=2):
    ap = argparse.ArgumentParser(description=description)
    for name in ("source", "tree", "zenitrack", "calsat-sim", "zt-drive", "gs232sim"):
        ap.add_argument("--" + name, required=True)
    ap.add_argument("--only", help="comma-separated names of the cases to run")
    ap.add_argument("--skip", help="comma-separated names of cases not to run")
    ap.add_argument("--jobs", type=int, default=jobs, help="cases run at the same time")
    return ap


def stage(args, group, case, stages):
    """A stage in TREE/GROUP/CASE with a Wine prefix of its own, so cases can overlap."""
    work = os.path.join(os.path.abspath(args.tree), group, case.lower())
    shutil.rmtree(work, ignore_errors=True)
    st = Stage(args.source, args.tree, work, args.zenitrack, args.calsat_sim, args.zt_drive,
               args.gs232sim,
               prefix=os.path.join(os.path.abspath(args.tree), "e2e-prefixes", "p%d" %
                                   threading.current_thread().slot))
    stages.append(st)
    return st


def run_all(args, group, cases, fn):
    """Runs FN(args, case, stage) for each case, ARGS.jobs at a time; each running case has
    a Wine prefix of its own (by slot, so a prefix serves one case at a time)."""
    if args.only:
        cases = [c for c in cases if c in args.only.split(",")]
    if args.skip:
        say("skipped", args.skip)
        cases = [c for c in cases if c not in args.skip.split(",")]
    stages = []
    started = time.monotonic()

    def one(case, slot):
        threading.current_thread().slot = slot
        try:
            with stage(args, group, case, stages) as st:
                fn(args, case, st)
        except Exception:
            check(case, False, "the run: " + traceback.format_exc())

    display = Stage(args.source, args.tree, os.path.join(os.path.abspath(args.tree), group),
                    args.zenitrack, args.calsat_sim, args.zt_drive, args.gs232sim)
    with display:
        display.start_display()
        pending, running = list(cases), {}
        try:
            while pending or running:
                running = {s: t for s, t in running.items() if t.is_alive()}
                free = [s for s in range(args.jobs) if s not in running]
                while pending and free:
                    slot = free.pop(0)
                    t = threading.Thread(target=one, args=(pending.pop(0), slot))
                    t.start()
                    running[slot] = t
                time.sleep(0.3)
        except KeyboardInterrupt:
            for st in stages:
                st.stop()
            raise
    print("%d failure(s) in %.0f s" % (len(failures), time.monotonic() - started), flush=True)
    for f in failures:
        print("  " + f.splitlines()[0])
    return 1 if failures else 0
