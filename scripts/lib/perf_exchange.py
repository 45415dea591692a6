"""The position query's two read rules side by side, in one run against gs232sim: each tick
sends "C2", reads the reply by the old rule (RecvStr, even ticks) or the new one (RecvLine,
odd ticks), then sends a move, as Zenitrack's tick does (zt-probe exchange). A reply's CR
and LF show as "~"."""
import os
import statistics
import subprocess

from zt_stage import Stage

RULES = ("RecvStr", "RecvLine")


def figures(values):
    return {"n": len(values), "median": round(statistics.median(values), 1),
            "max": round(max(values), 1)} if values else None


def wire_gaps(commands):
    """Seconds from each "C2" gs232sim received to the move that followed it, in order."""
    gaps, query = [], None
    for c in commands:
        if c["cmd"] == "C2":
            query = c["t"]
        elif query is not None and c["cmd"][:1] in ("W", "M"):
            gaps.append(1000 * (c["t"] - query))
            query = None
    return gaps


def run(tools, root, ticks=120, period_ms=1000, port="com9", options=()):
    tree = os.path.join(root, "exchange")
    st = Stage(tools["source"], tree, os.path.join(tree, "work"), zenitrack=tools["zenitrack"],
               calsat_sim=tools["calsat_sim"], zt_drive=tools["zt_drive"],
               gs232sim=tools["gs232sim"])
    wire_log = os.path.join(st.work, "gs232.jsonl")
    if os.path.exists(wire_log):
        os.remove(wire_log)  # gs232sim appends
    with st:
        st.start_display(private=True)
        st.start_rotator(port=port, options=options)
        done = subprocess.run(st.wine_run + [tools["probe"], "exchange", port.upper(),
                                             str(ticks), str(period_ms)],
                              capture_output=True, text=True, timeout=ticks * period_ms / 1000 + 120)
        commands = st.commands()
    rows = [line.split(None, 3) for line in done.stdout.splitlines()]
    rows = [r for r in rows if r[:1] and r[0] in RULES]
    gaps = wire_gaps(commands)
    result = {"ticks": len(rows), "period_ms": period_ms, "gs232sim_options": list(options),
              "probe_exit": done.returncode}
    for rule in RULES:
        mine = [i for i, r in enumerate(rows) if r[0] == rule]
        result[rule] = {
            "blocked_ms": figures([float(rows[i][1]) for i in mine]),
            "c2_to_move_ms_probe": figures([float(rows[i][2]) for i in mine]),
            "c2_to_move_ms_wire": figures([gaps[i] for i in mine if i < len(gaps)]),
            "replies": sorted({rows[i][3] if len(rows[i]) > 3 else "" for i in mine})}
    return result
