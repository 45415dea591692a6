#!/usr/bin/env python3
"""gs232sim against a client no one here wrote: Hamlib's rotctl, with its GS-232A and GS-232B
back ends, sets, reads and turns the simulator on its pty in each reply style; a back end
given the other style's replies rejects them, as against a real controller of the other kind.

Usage: rotctl_check.py GS232SIM     (exit 77: rotctl is not installed)
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

GS232A, GS232B = 601, 603  # rotctl -l
SKIPPED = 77
failures = []


def check(ok, what):
    print(("ok    " if ok else "FAIL  ") + what, flush=True)
    if not ok:
        failures.append(what)
    return ok


class Simulator:
    def __init__(self, sim, work, style):
        self.link = os.path.join(work, "com-" + style)
        self.log = os.path.join(work, "gs232-%s.jsonl" % style)
        self.proc = subprocess.Popen([sim, "--link", self.link, "--reply-style", style,
                                      "--time-scale", "50", "--no-status", "--log", self.log],
                                     stderr=subprocess.DEVNULL)
        end = time.monotonic() + 10
        while not os.path.islink(self.link):
            if time.monotonic() > end:
                raise RuntimeError("gs232sim did not make its link %s" % self.link)
            time.sleep(0.02)

    def commands(self):
        with open(self.log) as f:
            return [json.loads(line) for line in f if line.strip()]

    def stop(self):
        self.proc.terminate()
        self.proc.wait(10)


def rotctl(model, link, *command):
    r = subprocess.run(["rotctl", "-m", str(model), "-r", link, "-s", "9600", *command],
                       capture_output=True, text=True, timeout=30)
    return r.returncode, r.stdout.split()


def position(model, link):
    code, words = rotctl(model, link, "get_pos")
    try:
        return tuple(round(float(w)) for w in words[:2]) if code == 0 else None
    except ValueError:
        return None


def settles(model, link, want, seconds=10):
    """The position rotctl reads once the rotator has got there, or the last one read."""
    end = time.monotonic() + seconds
    while True:
        got = position(model, link)
        if got == want or time.monotonic() > end:
            return got
        time.sleep(0.2)


def matching(sim, model, name):
    code, _ = rotctl(model, sim.link, "set_pos", "100", "20")
    check(code == 0, "%s: set_pos 100 20 accepted" % name)
    got = settles(model, sim.link, (100, 20))
    check(got == (100, 20), "%s: get_pos reads 100 20 once it is there: %s" % (name, got))
    rotctl(model, sim.link, "move", "16", "50")  # right, at half speed
    time.sleep(0.5)
    rotctl(model, sim.link, "stop")
    state = sim.commands()[-1]
    check(state["cmd"] in ("S", "") and state["az_target"] == state["az"] and state["az"] > 100,
          "%s: move right turns it, stop stops it: az %.1f" % (name, state["az"]))
    check(all(c["known"] for c in sim.commands()), "%s: every command is one the controller "
          "knows: %s" % (name, sorted({c["cmd"] for c in sim.commands()})))


def other_style(sim, model, name):
    check(position(model, sim.link) is None, "%s: get_pos rejects the other style" % name)


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    if not shutil.which("rotctl"):
        print("rotctl is not installed (libhamlib-utils; scripts/setup installs it): skipped")
        return SKIPPED
    work = tempfile.mkdtemp(prefix="rotctl-check.")
    try:
        for style, model, other in (("a", GS232A, GS232B), ("b", GS232B, GS232A)):
            sim = Simulator(sys.argv[1], work, style)
            try:
                matching(sim, model, "style %s, GS-232%s back end" % (style, style.upper()))
                other_style(sim, other, "style %s, the other back end" % style)
            finally:
                sim.stop()
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("%d failure(s)" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
