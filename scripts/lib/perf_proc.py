"""A Wine program seen from Linux: its process, CPU time and memory from /proc."""
import os
import time

TICKS = os.sysconf("SC_CLK_TCK")


def find(exe):
    """PID of the Wine process running EXE, by its full path: a copy in a folder of its own,
    so parallel runs never pick each other's program."""
    for pid in os.listdir("/proc"):
        if not pid.isdigit():
            continue
        try:
            with open("/proc/%s/cmdline" % pid, "rb") as f:
                cmd = f.read().decode("utf-8", "replace").replace("\0", " ")
        except OSError:
            continue
        if cmd.startswith(exe):
            return int(pid)
    return None


def cpu_seconds(pid):
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS  # utime + stime


def memory_kib(pid):
    """VmRSS and VmHWM (peak resident) in KiB."""
    values = {}
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            key, _, rest = line.partition(":")
            if key in ("VmRSS", "VmHWM"):
                values[key] = int(rest.split()[0])
    return values


def cpu_share(pid, seconds):
    """CPU time used per wall second over a window, as a percentage of one core."""
    c0, t0 = cpu_seconds(pid), time.monotonic()
    time.sleep(seconds)
    c1, t1 = cpu_seconds(pid), time.monotonic()
    return 100.0 * (c1 - c0) / (t1 - t0)
