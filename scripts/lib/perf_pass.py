"""One standard pass under Wine, measured: zenitrack.exe tracks calsat-sim's satellite with
gs232sim's rotator; zt-probe samples the truth; the figures go to result.json."""
import json
import os
import re
import time

import perf_proc
import perf_track
from zt_stage import MAIN, Stage, poll, settings_xml, windows_path

# Passes of one orbit over Tokyo, each scenario starting two minutes before its AOS.
SCENARIOS = "tools/calsat-sim/scenarios"
PASSES = {
    "normal": dict(scenario="perf-normal.scn", az_rotator=0, el_rotator=0, travel=450,
                   mode="Normal"),
    "overlap": dict(scenario="perf-north.scn", az_rotator=0, el_rotator=0, travel=450,
                    mode="Overlap"),
    "flip": dict(scenario="perf-flip.scn", az_rotator=0, el_rotator=0, travel=450,
                 mode="Flip"),
    "crossing": dict(scenario="perf-north.scn", az_rotator=1, el_rotator=1, travel=360,
                     mode="Crossing"),
}


def first_pass(calsat_out):
    """AOS azimuth, AOS and LOS (UTC texts) of the first pass calsat-sim announces."""
    with open(calsat_out) as f:
        text = f.read()
    m = re.search(r"pass AOS (\S+ \S+) az (\S+) .* LOS (\S+ \S+) az", text)
    if not m:
        raise RuntimeError("calsat-sim announced no pass")
    return float(m.group(2)), m.group(1), m.group(3)


def switch_on(st):
    """One try at Ctrl+T; true once the button offers to switch tracking off."""
    if "&Tracking Off" in st.texts(MAIN):
        return True
    st.keys(MAIN, "ctrl+T")
    return False


def run(tools, root, name, scale=1.0, port="com5", interval=2000, say=print):
    pass_setup = PASSES[name]
    tree = os.path.join(root, name)
    st = Stage(tools["source"], tree, os.path.join(tree, "work"), zenitrack=tools["zenitrack"],
               calsat_sim=tools["calsat_sim"], zt_drive=tools["zt_drive"],
               gs232sim=tools["gs232sim"])
    result = {"pass": name, "scale": scale, "interval_ms": interval,
              "expected_mode": pass_setup["mode"]}
    with st:
        st.start_display()
        st.start_rotator(port=port, time_scale=scale,
                         options=["--az-travel", str(pass_setup["travel"])])
        sky_file = os.path.join(st.work, "sky.txt")
        st.wine(tools["probe"], "sky", windows_path(sky_file), "100", log="probe.out")
        st.start_calsat(os.path.join(tools["source"], SCENARIOS, pass_setup["scenario"]),
                        scale=scale)
        aos_az, aos, los = first_pass(os.path.join(st.work, "calsat-sim.out"))
        result.update(aos_az=aos_az, aos_utc=aos, los_utc=los)
        exe = st.install(os.path.join(st.work, "perf-" + name),
                         settings_xml(com=port.upper(), interval=interval,
                                      az_rotator=pass_setup["az_rotator"],
                                      el_rotator=pass_setup["el_rotator"], speed=3))
        st.start_zenitrack(exe)
        if not st.wait(MAIN, 60000):
            raise RuntimeError("the main window did not come up")
        pid = poll(lambda: perf_proc.find(exe), 10)
        # The first cycle has run once the pass's mode is shown.
        mode = lambda: next((t for t in st.texts(MAIN) if t.startswith("Mode : ")), None)
        result["mode_shown"] = poll(mode, 30, 0.5)
        if not poll(lambda: switch_on(st), 30, 1):
            raise RuntimeError("tracking did not come on")
        say("%s: tracking on, mode %s" % (name, result["mode_shown"]))

        def elevations():
            return [r[3] for r in perf_track.read_sky(sky_file)] if os.path.exists(sky_file) \
                else []

        poll(lambda: any(e > 5 for e in elevations()), 900 / scale, 1)
        if pid:
            result["cpu_tracking_pct"] = perf_proc.cpu_share(pid, 60)
        # Over once the satellite has been up and is below the horizon again.
        poll(lambda: (lambda e: any(x >= 0 for x in e) and e[-1] < 0)(elevations()),
             1500 / scale, 1)
        say("%s: LOS" % name)
        # Tracking turns itself off at LOS; then the program idles with its timer running.
        time.sleep(5)
        if pid:
            result["cpu_idle_pct"] = perf_proc.cpu_share(pid, 60)
            result["memory_kib"] = perf_proc.memory_kib(pid)
        result["tracking_after_los"] = next(
            (t for t in st.texts(MAIN) if "Tracking" in t), None)
        st.keys(MAIN, "ctrl+X")
        st.gone(MAIN, 20000)
        commands = st.commands()
        result["rotator_epoch"] = st.rotator_epoch
    save(tree, result)
    return analyse(tree, result, commands)


def analyse(tree, result, commands):
    result.update(perf_track.analyse(commands, result["rotator_epoch"],
                                     perf_track.read_sky(os.path.join(tree, "work", "sky.txt")),
                                     result["scale"], result["aos_az"]))
    save(tree, result)
    return result


def reanalyse(tree):
    """The figures again from a finished run's logs."""
    with open(os.path.join(tree, "result.json")) as f:
        result = json.load(f)
    with open(os.path.join(tree, "work", "gs232.jsonl")) as f:
        commands = [json.loads(line) for line in f if line.strip().endswith("}")]
    return analyse(tree, result, commands)


def save(tree, result):
    """Saved before the analysis too, so a failing analysis can be redone from the logs."""
    with open(os.path.join(tree, "result.json"), "w") as f:
        json.dump(result, f, indent=1, default=str)
