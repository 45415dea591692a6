"""Soak samples and their verdict: is a resource flat over the run, or growing?"""
import csv

FIELDS = ["elapsed_s", "sim_utc", "rss_kib", "cpu_s", "cpu_pct", "handles", "gdi", "user",
          "fds", "threads", "commands",
          "tracking_switched_on", "driver_timeouts"]

# A series is flat when its fitted change over the whole run stays within this much,
# absolute or relative to its mean, whichever is larger.
TOLERANCE = {"rss_kib": (1024, 0.02), "handles": (3, 0.0), "gdi": (3, 0.0), "user": (3, 0.0),
             "fds": (2, 0.0), "threads": (1, 0.0)}


def slope(xs, ys):
    n = len(xs)
    mx, my = sum(xs) / n, sum(ys) / n
    sxx = sum((x - mx) ** 2 for x in xs)
    return 0.0 if sxx == 0 else sum((x - mx) * (y - my) for x, y in zip(xs, ys)) / sxx


def verdict(rows, warmup=3):
    """Per series: first, last, fitted change over the run after the warm-up, and the
    verdict. Series without numbers (e.g. counts Wine does not give) are reported as such."""
    body = rows[warmup:] if len(rows) > warmup + 2 else rows
    out = {}
    for key, (absolute, relative) in TOLERANCE.items():
        pts = [(float(r["elapsed_s"]), float(r[key])) for r in body
               if r.get(key) not in (None, "", "-")]
        if len(pts) < 3:
            out[key] = {"verdict": "not measured"}
            continue
        xs, ys = zip(*pts)
        rate = slope(xs, ys)
        change = rate * (xs[-1] - xs[0])
        mean = sum(ys) / len(ys)
        limit = max(absolute, relative * abs(mean))
        out[key] = {"first": ys[0], "last": ys[-1], "min": min(ys), "max": max(ys),
                    "fitted_change": round(change, 1), "per_hour": round(rate * 3600, 1),
                    "limit": limit,
                    "verdict": "flat" if abs(change) <= limit else
                    ("growing" if change > 0 else "shrinking")}
    return out


def write_csv(path, rows):
    with open(path, "w", newline="") as f:
        w = csv.DictWriter(f, FIELDS, restval="")
        w.writeheader()
        w.writerows(rows)
