"""Start-up time of zenitrack.exe: process start until its main window exists."""
import os
import subprocess
import time

import perf_proc
from zt_stage import CALSAT, MAIN, Stage, settings_xml


def run(tools, root, scenario, times=3, port="com6"):
    tree = os.path.join(root, "startup")
    st = Stage(tools["source"], tree, os.path.join(tree, "work"), zenitrack=tools["zenitrack"],
               calsat_sim=tools["calsat_sim"], zt_drive=tools["zt_drive"],
               gs232sim=tools["gs232sim"])
    figures = {"seconds": [], "watcher_floor_s": None,
               "exe_bytes": os.path.getsize(tools["zenitrack"])}
    with st:
        st.start_display()
        st.start_rotator(port=port)
        st.start_calsat(scenario)
        exe = st.install(os.path.join(st.work, "perf-startup"),
                         settings_xml(com=port.upper(), interval=2000, speed=3))
        # What the watcher itself adds: seeing a window that is already there.
        t0 = time.monotonic()
        st.wait(CALSAT, 10000)
        figures["watcher_floor_s"] = time.monotonic() - t0
        for _ in range(times):
            # The watcher is started first and given time to run, so its own start-up is
            # not counted; it polls every 50 ms.
            out = open(os.path.join(st.work, "watch.out"), "w")
            watcher = subprocess.Popen(st.wine_run + [st.zt_drive, "wait", MAIN, "60000"],
                                       stdout=out, stderr=subprocess.DEVNULL)
            time.sleep(3)
            t0 = time.monotonic()
            main = st.start_zenitrack(exe)
            watcher.wait(90)
            figures["seconds"].append(time.monotonic() - t0)
            pid = perf_proc.find(exe)
            if pid:
                figures.setdefault("memory_kib_after_start", perf_proc.memory_kib(pid))
            st.keys(MAIN, "ctrl+X")
            st.gone(MAIN, 20000)
            main.wait(30)
    return figures
