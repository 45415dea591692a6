"""How well the antenna followed the satellite: calsat-sim's truth log against gs232sim's
physical state in its wire log, on one wall clock (Unix time).

    truth = read_truth(path)                       # [(unix, az, el)]
    track = Track(truth, stage.commands(), stage.rotator_epoch, scale)
    track.max_error, track.rms_error, track.reached, track.swings(5)
"""
import math
from datetime import datetime


def read_truth(path):
    rows = []
    with open(path, encoding="utf-8", errors="replace") as f:
        for line in f:
            parts = line.rstrip("\r\n").split("\t")
            if len(parts) == 4:
                rows.append((float(parts[0]), float(parts[2]), float(parts[3])))
    return rows


def truth_clock(path):
    """The simulated UTC of the truth log's last row, None before the first."""
    try:
        with open(path, encoding="utf-8", errors="replace") as f:
            last = f.read().strip().splitlines()[-1]
        return datetime.strptime(last.split("\t")[1], "%Y-%m-%d %H:%M:%S")
    except (FileNotFoundError, IndexError, ValueError):
        return None


def announced_pass(calsat_out):
    """AOS, MAX and LOS (UTC) of the first pass in calsat-sim's output, and its line."""
    with open(calsat_out, encoding="utf-8", errors="replace") as f:
        for line in f:
            w = line.split()
            if w[:2] == ["pass", "AOS"]:
                at = lambda i: datetime.strptime(w[i] + " " + w[i + 1], "%Y-%m-%d %H:%M:%S")
                return at(2), at(w.index("MAX") + 1), at(w.index("LOS") + 1), line.strip()
    raise RuntimeError("calsat-sim announced no pass")


def antenna(rot_az, rot_el):
    """Where the antenna looks for a rotator reading (azimuth offset 0): past 90 degrees of
    elevation it looks the other way."""
    if rot_el > 90:
        return (rot_az + 180) % 360, 180 - rot_el
    return rot_az % 360, rot_el


def separation(az1, el1, az2, el2):
    """The angle between two directions, degrees."""
    a1, e1, a2, e2 = map(math.radians, (az1, el1, az2, el2))
    c = math.sin(e1) * math.sin(e2) + math.cos(e1) * math.cos(e2) * math.cos(a1 - a2)
    return math.degrees(math.acos(max(-1.0, min(1.0, c))))


def sky_at(truth, unix):
    """The satellite's direction at a time, interpolated between the truth log's rows."""
    if not truth or unix < truth[0][0] or unix > truth[-1][0]:
        return None
    lo, hi = 0, len(truth) - 1
    while hi - lo > 1:
        mid = (lo + hi) // 2
        if truth[mid][0] <= unix:
            lo = mid
        else:
            hi = mid
    (t0, az0, el0), (t1, az1, el1) = truth[lo], truth[hi]
    f = 0.0 if t1 == t0 else (unix - t0) / (t1 - t0)
    daz = (az1 - az0 + 540) % 360 - 180
    return (az0 + f * daz) % 360, el0 + f * (el1 - el0)


class Track:
    """One pass: each gs232sim log line is a sample of the antenna's physical direction."""

    def __init__(self, truth, commands, epoch, scale, bound=5.0):
        self.scale = scale
        self.epoch = epoch
        self.bound = bound
        self.commands = commands
        self.samples = []  # (unix, sat_az, sat_el, ant_az, ant_el, error)
        for c in commands:
            unix = epoch + c["t"]
            sky = sky_at(truth, unix)
            if sky is None:
                continue
            ant = antenna(c["az"], c["el"])
            self.samples.append((unix, *sky, *ant, separation(*sky, *ant)))
        up = [s for s in self.samples if s[2] >= 0]
        self.aos = up[0][0] if up else None
        self.los = up[-1][0] if up else None
        self.reached = next((s[0] for s in up if s[5] <= bound), None)
        self.followed = [s for s in up if s[0] >= self.reached] if self.reached else []
        errors = [s[5] for s in self.followed]
        self.max_error = max(errors) if errors else None
        self.rms_error = math.sqrt(sum(e * e for e in errors) / len(errors)) if errors else None

    def sim_seconds(self, unix_from, unix_to):
        return (unix_to - unix_from) * self.scale

    def swings(self):
        """Stretches after the antenna first reached the satellite in which it was off by more
        than the bound: (start, end) in simulated seconds after AOS."""
        out, start = [], None
        for s in self.followed:
            if s[5] > self.bound and start is None:
                start = s[0]
            elif s[5] <= self.bound and start is not None:
                out.append((self.sim_seconds(self.aos, start), self.sim_seconds(self.aos, s[0])))
                start = None
        if start is not None:
            out.append((self.sim_seconds(self.aos, start), None))
        return out

    def moves(self):
        return [c for c in self.commands if c["cmd"][:1] in ("W", "M")]

    def largest_target_step(self):
        """The largest azimuth step between consecutive move targets while the satellite is
        up: a swing through the rotator's stop shows as one of 180 degrees or more."""
        if self.aos is None:
            return 0
        targets = [int(c["cmd"][1:].split()[0]) for c in self.moves()
                   if self.aos <= self.epoch + c["t"] <= self.los]
        return max((abs(b - a) for a, b in zip(targets, targets[1:])), default=0)
