"""Figures of one measured pass. The truth is CALSAT32's published direction as zt-probe
sampled it from the registry; zt_pointing compares it with gs232sim's physical state."""
import zt_pointing

SECONDS_PER_DAY = 86400.0


def read_sky(path):
    """zt-probe's samples as (unix, mjd_seconds, az, el); samples with a missing value are
    dropped, and so are leading ones that never change: values an earlier run left in the
    registry before the publisher started."""
    rows = []
    with open(path) as f:
        for line in f:
            w = line.split()
            try:
                rows.append((float(w[0]), float(w[1]) * SECONDS_PER_DAY, float(w[2]),
                             float(w[3])))
            except (ValueError, IndexError):
                continue
    first = next((i for i, r in enumerate(rows) if r[1] != rows[0][1]), len(rows))
    return rows[first:] if first < len(rows) else rows


def truth(rows, scale):
    """The samples as zt_pointing's truth rows (unix, az, el), each dated when it was
    published. A value is read up to one refresh after its publication, so the freshest
    reads (largest simulated time for their wall time) fix the clock's offset."""
    if len(rows) < 2:
        raise ValueError("too few sky samples")
    offset = max(m - scale * u for u, m, _, _ in rows)
    published = {m: (az, el) for _, m, az, el in rows}
    return [((m - offset) / scale, *published[m]) for m in sorted(published)]


def analyse(commands, epoch, rows, scale, aos_az, bound=5.0):
    """COMMANDS: gs232sim's log entries, "t" counted from EPOCH (Unix time)."""
    track = zt_pointing.Track(truth(rows, scale), commands, epoch, scale, bound)
    moves = track.moves()
    if not moves:
        raise ValueError("no move command in the log")
    on = epoch + moves[0]["t"]
    # The AOS position: the AOS azimuth on the horizon, reached within a degree, as sampled
    # at the commands (one position query per timer tick).
    reached = next((s[0] for s in track.samples if s[0] >= on and
                    zt_pointing.separation(s[3], s[4], aos_az, 0.0) <= 1.0), None)
    # The slew from where the antenna stood: done once the rotator stands on its target.
    slewed = next((epoch + c["t"] for c in commands if epoch + c["t"] > on and
                   abs(c["az"] - c["az_target"]) <= 1 and abs(c["el"] - c["el_target"]) <= 1),
                  None)
    in_pass = [c for c in commands
               if track.aos is not None and track.aos <= epoch + c["t"] <= track.los]
    kind = lambda c: c["cmd"][:1] if c["cmd"][:1] in "WM" else c["cmd"]
    return {
        "aos_position_reached_s": None if reached is None else reached - on,
        "slew_done_s": None if slewed is None else slewed - on,
        "aos_s_after_on": None if track.aos is None else track.aos - on,
        "first_on_satellite_s_after_aos": None if track.reached is None or track.aos is None
        else track.reached - track.aos,
        "samples_followed": len(track.followed),
        "max_error": track.max_error,
        "rms_error": track.rms_error,
        "samples_over_bound": sum(1 for s in track.followed if s[5] > bound),
        "worst": max(track.followed, key=lambda s: s[5]) if track.followed else None,
        "commands_in_pass": {k: sum(1 for c in in_pass if kind(c) == k)
                             for k in ("W", "M", "C2", "S")},
        "commands_from_on_to_los": sum(1 for c in commands
                                       if track.los and on <= epoch + c["t"] <= track.los),
        "largest_target_step": track.largest_target_step(),
        "over_bound_stretches_sim_s": track.swings(),
        "pass_seconds": None if track.aos is None else track.los - track.aos,
    }
