"""The stage the whole program plays on: an X display, a Wine prefix, gs232sim on a COM port
of that prefix, calsat-sim, zenitrack.exe beside a settings file, and zt-drive to read and
drive their windows. Everything started is stopped again by PID, also on errors and Ctrl-C.

    with Stage(source, tree, work, zenitrack=..., calsat_sim=..., zt_drive=...,
               gs232sim=...) as st:
        st.start_display()                  # the user's DISPLAY, else a private Xvfb
        st.start_rotator(time_scale=4)      # gs232sim on COM9; its JSON log: st.wire_log
        st.start_calsat(scenario, scale=4, truth=path)   # truth: zt_pointing.read_truth
        exe = st.install(os.path.join(st.work, "app"), settings_xml(interval=500))
        main = st.start_zenitrack(exe)
        st.wait(MAIN); st.press_until(MAIN, "ctrl+T", lambda: ...); st.commands()
        st.pull_adapter(); st.plug_adapter()  # with start_zenitrack(exe, tty_fault=True)

A time scale K on both stand-ins wants the tracking interval 2000/K ms, so the cycle keeps
its proportion to the sky. Stages that run at the same time need prefixes of their own
(PREFIX). Stage.stop() (or leaving the with-block) ends every process started, newest
first.
"""
import json
import os
import re
import shutil
import signal
import subprocess
import threading
import time

MAIN = "Zenitrack on CALSAT32"
CALSAT = "CALSAT32(SGP)"
BOX = "Zenitrack"
REGKEY = "\\Software\\VB and VBA Program Settings\\TAVMIR\\CALSAT32"


def poll(predicate, seconds, step=0.25):
    """The predicate's first true value within the time, else its last value."""
    end = time.monotonic() + seconds
    while True:
        value = predicate()
        if value or time.monotonic() > end:
            return value
        time.sleep(step)


def settings_xml(com="COM9", baud=9600, interval=1000, az_rotator=0, el_rotator=0,
                 parking=(10, 0), go_parking=True, speed=3, extra_gs232=""):
    """A settings file for a run: the stand-ins' paths, one COM port and the rotator. A speed
    of None leaves the program's default."""
    s, i, b = 'Type="10"', 'Type="9"', 'Type="2"'
    speed_key = "" if speed is None else f"<RotateSpeed {i}>{speed}</RotateSpeed>"
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<root><Options>
<App><App {s}>CALSAT32</App><Inifile {s}>C:\\Calsat32\\CALSAT32.INI</Inifile>
<RegKey {s}>{REGKEY}</RegKey></App>
<Com><ComPort {s}>{com}</ComPort><BaudRate {s}>{baud}</BaudRate></Com>
<GS232><Interval {i}>{interval}</Interval><AzRotator {i}>{az_rotator}</AzRotator>
<ElRotator {i}>{el_rotator}</ElRotator><ParkingAz {i}>{parking[0]}</ParkingAz>
<ParkingEl {i}>{parking[1]}</ParkingEl><GoParking {b}>{-1 if go_parking else 0}</GoParking>
{speed_key}{extra_gs232}</GS232>
</Options></root>
"""


def pass_line(row):
    """What the main window shows for a row of CALSAT32's pass table (its words)."""
    hm = lambda t: ":".join(t.split(":")[:2]).zfill(5)
    return "(AOS) %s Az=%3.0f    (MAX) %s El=%2.0f Az=%3.0f    (LOS) %s Az=%3.0f" % (
        hm(row[1]), float(row[2]), hm(row[4]), float(row[5]), float(row[6]), hm(row[7]),
        float(row[8]))


def degree_texts(texts):
    """The directions a window shows: the satellite's two, and the antenna's and the
    rotator's four more once a position has been read."""
    return [t for t in texts if re.fullmatch(r"-?\d+°", t)]


def display_taken(n):
    """Whether X display N has a live server (a killed one leaves its lock file behind,
    which a new server takes over)."""
    try:
        with open("/tmp/.X%d-lock" % n) as f:
            os.kill(int(f.read().strip()), 0)
        return True
    except FileNotFoundError:
        return False
    except ProcessLookupError:
        return False
    except (ValueError, PermissionError, OSError):
        return True


def windows_path(path):
    """A Linux path as Wine's programs name it (drive Z: is the root)."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


class Stage:
    # Typed keys go to the X display's one focus: stages that share a display take turns.
    keyboard = threading.Lock()

    def __init__(self, source, tree, work, zenitrack, calsat_sim, zt_drive, gs232sim,
                 prefix=None, tty_fault=None):
        """PREFIX: the Wine prefix, by default TREE/wineprefix; stages that run at the same
        time need prefixes of their own. TTY_FAULT: the native libzt-tty-fault.so, by
        default beside gs232sim's tree."""
        self.source = os.path.abspath(source)
        self.tree = os.path.abspath(tree)
        self.prefix = os.path.abspath(prefix or os.path.join(self.tree, "wineprefix"))
        self.work = os.path.abspath(work)
        self.zenitrack, self.calsat_sim = zenitrack, calsat_sim
        self.zt_drive, self.gs232sim = zt_drive, gs232sim
        self.wine_run = [os.path.join(self.source, "scripts", "wine-run"), "--prefix",
                         self.prefix]
        self.procs = []
        self.xvfb = None
        self.rotator = None
        self.wire_log = None
        self.rotator_epoch = None
        self.prefix_ready = False
        self.tty_fault = tty_fault or os.path.join(
            os.path.dirname(os.path.dirname(os.path.abspath(gs232sim))), "tty-fault",
            "libzt-tty-fault.so")
        self.pulled_flag = os.path.join(self.work, "adapter-pulled")
        self.tty_fault_log = os.path.join(self.work, "tty-fault.log")
        self.rotator_link = self.rotator_pty = None
        os.makedirs(self.work, exist_ok=True)

    def __enter__(self):
        # Signal handlers belong to the main thread; stages in other threads rely on it.
        self._handlers = None
        if threading.current_thread() is threading.main_thread():
            self._handlers = (signal.signal(signal.SIGINT, self._interrupted),
                              signal.signal(signal.SIGTERM, self._interrupted))
        return self

    def __exit__(self, *exc):
        self.stop()
        if self._handlers:
            signal.signal(signal.SIGINT, self._handlers[0])
            signal.signal(signal.SIGTERM, self._handlers[1])
        return False

    @staticmethod
    def _interrupted(signum, _frame):
        raise KeyboardInterrupt("signal %d" % signum)

    # --- display and prefix ---------------------------------------------------------------
    def start_display(self, private=False):
        """Uses DISPLAY when set (unless private), else starts an Xvfb of its own."""
        if os.environ.get("DISPLAY") and not private:
            return os.environ["DISPLAY"]
        for n in range(130, 160):
            if display_taken(n):
                continue
            self.xvfb = subprocess.Popen(["Xvfb", ":%d" % n, "-screen", "0", "1280x1024x24",
                                          "-nolisten", "tcp"], stdout=subprocess.DEVNULL,
                                         stderr=subprocess.DEVNULL)
            if poll(lambda: os.path.exists("/tmp/.X11-unix/X%d" % n), 5):
                os.environ["DISPLAY"] = ":%d" % n
                return os.environ["DISPLAY"]
            self.xvfb.terminate()
            self.xvfb.wait()
            self.xvfb = None
        raise RuntimeError("no X display")

    def init_prefix(self):
        """Once per stage, before its first Wine program."""
        if self.prefix_ready:
            return
        self.prefix_ready = True
        subprocess.run(self.wine_run + ["--init"], check=True)
        # A Wine server still winding down from an earlier run would hang new programs.
        subprocess.run(["wineserver", "-w"], env=dict(os.environ, WINEPREFIX=self.prefix),
                       timeout=60)

    def com_link(self, port):
        return os.path.join(self.prefix, "dosdevices", port.lower())

    # --- processes ------------------------------------------------------------------------
    def spawn(self, cmd, log, env=None):
        with open(os.path.join(self.work, log), "w") as out:
            p = subprocess.Popen(cmd, stdout=out, stderr=subprocess.STDOUT,
                                 start_new_session=True, env=env)
        self.procs.append(p)
        return p

    def end(self, p, timeout=10):
        """Ends one process started here (its whole process group) and waits for it."""
        if p.poll() is None:
            try:
                os.killpg(p.pid, signal.SIGTERM)
                p.wait(timeout)
            except subprocess.TimeoutExpired:
                os.killpg(p.pid, signal.SIGKILL)
                p.wait()
            except ProcessLookupError:
                pass
        return p.returncode

    def wine(self, program, *args, log, env=None):
        return self.spawn(self.wine_run + [program, *args], log, env)

    def stop(self):
        for p in reversed(self.procs):
            self.end(p)
        self.procs = []
        if self.xvfb:
            # Terminated, not killed: it removes its lock file itself.
            self.xvfb.terminate()
            try:
                self.xvfb.wait(10)
            except subprocess.TimeoutExpired:
                self.xvfb.kill()
                self.xvfb.wait()
            self.xvfb = None

    # --- gs232sim -------------------------------------------------------------------------
    def start_rotator(self, port="com9", time_scale=1, options=(), log="gs232.jsonl"):
        """gs232sim on a new pty linked as PORT; its commands go to self.wire_log as JSON
        lines whose "t" counts from self.rotator_epoch (Unix time)."""
        self.init_prefix()
        link = self.com_link(port)
        if os.path.lexists(link):
            os.remove(link)
        self.wire_log = os.path.join(self.work, log)
        before = time.time()
        self.rotator = self.spawn([self.gs232sim, "--link", link, "--log", self.wire_log,
                                   "--no-status", "--time-scale", str(time_scale), *options],
                                  "gs232sim.out")
        if not poll(lambda: os.path.exists(link), 10, 0.02):
            raise RuntimeError("gs232sim did not come up")
        self.rotator_epoch = (before + time.time()) / 2
        self.rotator_link, self.rotator_pty = link, os.readlink(link)
        return self.rotator

    # --- the adapter pulled and plugged back (tools/tty-fault) ----------------------------
    def tty_fault_env(self):
        """The environment that preloads tty-fault on the rotator's line into a program."""
        if not self.tty_fault or not os.path.exists(self.tty_fault):
            raise RuntimeError("no tty-fault library at %s (build the native tree)"
                               % self.tty_fault)
        return dict(os.environ, LD_PRELOAD=self.tty_fault, ZT_TTY_FAULT_DEVICE=self.rotator_pty,
                    ZT_TTY_FAULT_TRIGGER=self.pulled_flag, ZT_TTY_FAULT_LOG=self.tty_fault_log)

    def pull_adapter(self):
        """Every call on the line fails as a removed device's do, and the COM port is gone
        from the prefix, as Windows drops a pulled adapter's port."""
        open(self.pulled_flag, "w").close()
        if os.path.lexists(self.rotator_link):
            os.remove(self.rotator_link)

    def plug_adapter(self):
        """The adapter back on the same COM port: a new open works, the old handle stays
        dead."""
        if not os.path.lexists(self.rotator_link):
            os.symlink(self.rotator_pty, self.rotator_link)
        if os.path.exists(self.pulled_flag):
            os.remove(self.pulled_flag)

    def adapter_events(self):
        """What tty-fault saw while the adapter was out, in order: ("pulled", call) when a
        descriptor first failed, ("write", text) per refused write, ("closed", "") when the
        program let a failed descriptor go."""
        try:
            with open(self.tty_fault_log) as f:
                lines = f.read().splitlines()
        except FileNotFoundError:
            return []
        events = []
        for line in lines:
            words = line.split(" ", 5)  # pid P fd N EVENT [REST]
            if len(words) >= 5:
                rest = words[5] if len(words) > 5 else ""
                events.append((words[4], rest[3:] if words[4] == "pulled" else rest))
        return events

    def list_serial_port(self, port="com9"):
        """Lists PORT in the serial-port map, as a real port's driver does, so the Options
        dialog accepts it. Wine keeps that map only while its server runs: call this while
        a Wine program of the stage is running."""
        subprocess.run(self.wine_run + ["reg", "add", r"HKLM\HARDWARE\DEVICEMAP\SERIALCOMM",
                                        "/v", r"\Device\Stage" + port.upper(),
                                        "/d", port.upper(), "/f"],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=60)

    def stop_rotator(self):
        """Kills gs232sim: its pty closes, the COM port vanishes."""
        if self.rotator:
            self.end(self.rotator)
            self.procs.remove(self.rotator)
            self.rotator = None

    def commands(self):
        """gs232sim's log so far: one dict per command received."""
        try:
            with open(self.wire_log) as f:
                return [json.loads(line) for line in f if line.strip().endswith("}")]
        except (FileNotFoundError, TypeError):
            return []

    # --- calsat-sim and zenitrack ---------------------------------------------------------
    def start_calsat(self, scenario, start=None, scale=1, faults=(), truth=None,
                     log="calsat-sim.out"):
        args = ["--scenario", scenario, "--scale", str(scale)]
        if start:
            args += ["--start", start]
        for f in faults:
            args += ["--fault", f]
        if truth:
            args += ["--truth", windows_path(truth)]
        p = self.wine(self.calsat_sim, *args, log=log)
        if not self.wait(CALSAT, 30000):
            raise RuntimeError("calsat-sim's window did not come up")
        # Its window shows before its first refresh fills the table.
        if not poll(lambda: self.pass_table(), 30):
            raise RuntimeError("calsat-sim's pass table stayed empty for 30 s")
        return p

    def calsat_output(self, log="calsat-sim.out"):
        with open(os.path.join(self.work, log), encoding="utf-8", errors="replace") as f:
            return f.read()

    def pass_table(self):
        """The rows of CALSAT32's pass table, each a list of words."""
        code, out = self.drive("texts", CALSAT)
        lines = out.splitlines()
        for i, line in enumerate(lines):
            if line.startswith("ThunderRT6TextBox\t84\t"):
                # Its text runs on over the next lines, which carry no tab of the listing.
                rows = [line.split("\t", 2)[2]]
                for more in lines[i + 1:]:
                    if "\t" in more:
                        break
                    rows.append(more)
                return [row.split() for row in rows if row.strip()]
        return []

    def install(self, folder, settings=None):
        """A fresh folder with a copy of zenitrack.exe and, if given, its settings file."""
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
        exe = shutil.copy(self.zenitrack, os.path.join(folder, "zenitrack.exe"))
        if settings is not None:
            with open(os.path.join(folder, "zenitrack.xml"), "w") as f:
                f.write(settings)
        return exe

    def start_zenitrack(self, exe, log="zenitrack.out", tty_fault=False):
        """TTY_FAULT: with tools/tty-fault preloaded, so pull_adapter() reaches it."""
        return self.wine(exe, log=log, env=self.tty_fault_env() if tty_fault else None)

    # --- zt-drive -------------------------------------------------------------------------
    def drive(self, *args, timeout=60):
        # Into a file, not a pipe: a Wine server this call happens to start keeps a pipe open.
        out = os.path.join(self.work, "zt-drive.out")
        with open(out, "w") as f:
            code = subprocess.run(self.wine_run + [self.zt_drive, *args], stdout=f,
                                  stderr=subprocess.DEVNULL, timeout=timeout).returncode
        with open(out, encoding="utf-8", errors="replace") as f:
            return code, f.read().replace("\r\n", "\n")

    def wait(self, caption, ms=30000):
        return self.drive("wait", caption, str(ms))[0] == 0

    def gone(self, caption, ms=15000):
        return self.drive("gone", caption, str(ms))[0] == 0

    def keys(self, caption, *keys):
        with Stage.keyboard:
            return self.drive("keys", caption, *keys)[0] == 0

    def press_until(self, caption, key, predicate, seconds=5, tries=2):
        """Types KEY until PREDICATE holds. Another window that pops up between bringing this
        one to the front and typing takes the key; that is the test's race, not the
        program's, so the key is typed again while nothing has changed."""
        for _ in range(tries):
            self.keys(caption, key)
            if poll(predicate, seconds):
                return True
        return False

    def controls(self, caption):
        """A window's descendants, in order: dicts of class, id, kind (a button's), visible,
        rect (screen) and text."""
        code, out = self.drive("controls", caption)
        found = []
        for line in out.splitlines():
            f = line.split("\t", 8)
            if len(f) == 9:
                found.append({"class": f[0], "id": int(f[1]), "kind": f[2], "visible": f[3] == "1",
                              "rect": tuple(int(v) for v in f[4:8]), "text": f[8]})
        return found

    def click_control(self, caption, control):
        """A real click in the middle of a control found by controls()."""
        l, t, r, b = control["rect"]
        with Stage.keyboard:
            return self.drive("clickat", caption, str((l + r) // 2), str((t + b) // 2))[0] == 0

    def rect(self, caption):
        code, out = self.drive("rect", caption)
        return tuple(int(v) for v in out.split()) if code == 0 else None

    def texts(self, caption):
        """The texts of a window's descendants, in order."""
        code, out = self.drive("texts", caption)
        return [line.split("\t", 2)[2] for line in out.splitlines() if line.count("\t") >= 2]

    def windows(self):
        """Visible top-level windows as (class, caption) pairs."""
        code, out = self.drive("windows")
        return [tuple(line.split("\t", 1)) for line in out.splitlines() if "\t" in line]

    def message_boxes(self):
        """Visible dialog-class windows (message boxes) and their texts."""
        boxes = []
        for cls, caption in self.windows():
            if cls == "#32770":
                boxes.append((caption, [t for t in self.texts(caption) if t]))
        return boxes

    def screenshot(self, path, crop=None):
        """The whole screen, or CROP = (left, top, right, bottom)."""
        cmd = ["import", "-window", "root"]
        if crop:
            l, t, r, b = crop
            cmd += ["-crop", "%dx%d+%d+%d" % (r - l, b - t, l, t)]
        return subprocess.run(cmd + [path], stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL).returncode == 0
