# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the real brevora binary as a user would: on a private virtual display, with its own D-Bus session and
accessibility bus, a wall clock that starts where the test says through libfaketime, and, where a scenario asks, a
notification area and a sound server. Windows are found by caption and controls by their accessible names;
xdotool stands in where accessibility cannot reach (a key on the splash window, the notification-area icon).

Every wait has a deadline, and everything started here is stopped again when the session ends. The scenarios
import this module alone; it passes on the waits and checks of e2e_base and the controls of e2e_ui."""

import datetime
import glob
import importlib.util
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

from e2e_base import *  # noqa: F401,F403 (the scenarios reach everything through this module)
from e2e_base import Failure, capture, check, fail, faketime_library, read_line, require_tools, run, \
    stop, succeeds, wait_until, write_file
from e2e_ui import *  # noqa: F401,F403
from e2e_ui import Accessibility

SETTINGS_FOLDER = "Program files/Settings"


class Session:
    """One run of the program and of the desktop it needs. Use it as a context manager."""

    def __init__(self, binary, tray=False, sound=False, wayland=False, logind=False):
        self.binary = os.path.abspath(binary)
        self.logind = logind
        self.tray = tray
        self.sound = sound
        self.wayland = wayland
        # The Qt platform the program is started with; under Wayland none, so that it chooses as it would on a
        # user's Wayland desktop.
        self.platform = None if wayland else "xcb"
        self.processes = []  # stopped in reverse order
        self.program = None
        # Turns the program's command line and environment into those it is started with, for a scenario that
        # runs it in surroundings of its own.
        self.wrap = None
        self.ui = Accessibility(self)

    def __enter__(self):
        require_tools("Xvfb", "xdotool", "dbus-daemon", "gdbus")
        if self.tray:
            require_tools("trayer", "xwininfo")
        if self.sound:
            require_tools("pulseaudio", "pactl", "pacat", "parecord")
        if self.logind and importlib.util.find_spec("dbusmock") is None:
            fail("python3-dbusmock is not available to this python")
        if self.wayland:
            require_tools("weston", "Xwayland")
            # Without Qt's Wayland plugin the native start would end as if there were no display at all.
            if not glob.glob("/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so"):
                fail("Qt's Wayland platform plugin is not installed (qt6-wayland)")
        self.faketime = faketime_library()
        if self.faketime is None:
            fail("libfaketime is not installed")
        if importlib.util.find_spec("pyatspi") is None:
            fail("pyatspi is not available to this python (python3-pyatspi)")

        self.work = tempfile.mkdtemp(prefix="brevora-e2e-")
        try:
            self._isolate_environment()
            self._start_display()
            self._start_buses()
            if self.logind:
                self._start_logind()
            if self.sound:
                self._start_sound_server()
            if self.tray:
                self._start_notification_area()
        except BaseException:
            self.__exit__(*sys.exc_info())
            raise
        return self

    def __exit__(self, kind, value, traceback):
        if isinstance(value, Failure):
            try:
                print("windows shown:", [(w.getRoleName(), w.name) for w in self.ui.shown_windows()])
            except Exception:
                pass
            log = self.program_log()
            if log.strip():
                print("--- the program's output ---\n" + log)
        for process in reversed(self.processes):
            stop(process)
        self.processes.clear()
        if self.program is not None:
            self._forget_faked_clock()
        shutil.rmtree(self.work, ignore_errors=True)
        return False

    def path(self, relative=""):
        return os.path.join(self.work, relative)

    def _isolate_environment(self):
        # Nothing of the user's desktop is read or changed: home, configuration, runtime folder, buses.
        env = os.environ
        for name in ("DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "SESSION_MANAGER", "XAUTHORITY", "LD_PRELOAD", "QT_QPA_PLATFORM", "FAKETIME", "FAKETIME_NO_CACHE",
                     "FAKETIME_DONT_FAKE_MONOTONIC", "FAKETIME_DONT_RESET", "FAKETIME_TIMESTAMP_FILE",
                     "FAKETIME_CACHE_DURATION", "FAKETIME_FMT"):
            env.pop(name, None)
        env.update({
            "HOME": self.path("home"),
            "XDG_RUNTIME_DIR": self.path("run"),
            "XDG_CONFIG_HOME": self.path("home/.config"),
            "XDG_DATA_HOME": self.path("home/.local/share"),
            "XDG_CACHE_HOME": self.path("home/.cache"),
            # No sound server unless the scenario starts one; nothing may start one on its own either.
            "PULSE_SERVER": "unix:" + self.path("run/no-sound-server"),
            "TZ": "UTC",
            "LC_ALL": "C.UTF-8",
        })
        os.makedirs(env["XDG_CONFIG_HOME"])
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)

    def _start_display(self):
        if self.wayland:
            self._start_weston()
            return
        read_end, write_end = os.pipe()
        try:
            self.spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                        "-noreset"],
                       pass_fds=(write_end,))
        finally:
            os.close(write_end)
        number = read_line(read_end, "the virtual display")
        os.close(read_end)
        check(number.isdigit(), "Xvfb did not tell its display number")
        os.environ["DISPLAY"] = ":" + number

    def _start_weston(self):
        """Weston without a screen, with Xwayland for X programs, as a GNOME or KDE Wayland session offers them.
        Weston opens the first free X display and names it in its log."""
        log = self.path("weston.log")
        self.spawn(["weston", "--backend=headless-backend.so", "--xwayland", "--socket=wayland-brevora",
                    "--idle-time=0", "--width=1280", "--height=1024", "--log=" + log])

        def x_display():
            try:
                with open(log, encoding="utf-8", errors="replace") as f:
                    found = re.search(r"xserver listening on display (:\d+)", f.read())
            except OSError:
                return None
            return found.group(1) if found else None

        os.environ["DISPLAY"] = wait_until("weston's X display", x_display, timeout=20)
        os.environ["WAYLAND_DISPLAY"] = "wayland-brevora"
        os.environ["XDG_SESSION_TYPE"] = "wayland"

    # The private buses' configuration, shared with the scripts that start a system bus: it starts no service on
    # demand, so a notification daemon or any other service installed on the machine never answers in place of the
    # test's own (or in place of none).
    BUS_CONFIG = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "scripts", "private_bus.conf")

    def bus_config(self, kind, listen):
        """Writes the configuration of a private bus of this kind ("session" or "system") and returns its path."""
        with open(self.BUS_CONFIG, encoding="utf-8") as f:
            text = f.read().replace("@TYPE@", kind).replace("@LISTEN@", listen)
        path = self.path(kind + "-bus.conf")
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
        return path

    def _start_buses(self):
        config = self.bus_config("session", "unix:tmpdir=/tmp")
        address = "unix:path=" + self.path("run/bus")
        self.spawn(["dbus-daemon", "--config-file=" + config, "--nofork", "--nopidfile", "--address=" + address])
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
        wait_until("the D-Bus session", lambda: os.path.exists(self.path("run/bus")))
        # Started here rather than on demand, it inherits this environment: the accessibility bus keeps its socket
        # in this session's runtime folder and serves this display only.
        self.spawn(["/usr/libexec/at-spi-bus-launcher"])
        wait_until("the accessibility bus", lambda: succeeds(
            ["gdbus", "call", "--session", "-d", "org.a11y.Bus", "-o", "/org/a11y/bus", "-m",
             "org.a11y.Bus.GetAddress"]), timeout=20, interval=0.1)

    def _start_logind(self):
        """A private system bus where python3-dbusmock's logind stands in for the system's, so that the scenario
        can announce a sleep and a resume and see the program's inhibitor."""
        address = "unix:path=" + self.path("run/system_bus")
        self.spawn(["dbus-daemon", "--config-file=" + self.bus_config("system", address), "--nofork",
                    "--nopidfile"])
        os.environ["DBUS_SYSTEM_BUS_ADDRESS"] = address
        wait_until("the D-Bus system bus", lambda: os.path.exists(self.path("run/system_bus")))
        self.spawn([sys.executable, "-m", "dbusmock", "--system", "--template", "logind"])
        run(["gdbus", "wait", "--system", "--timeout", "20", "org.freedesktop.login1"], "the stand-in logind",
            timeout=30)

    def logind_inhibitors(self):
        return capture(["gdbus", "call", "--system", "-d", "org.freedesktop.login1", "-o", "/org/freedesktop/login1",
                        "-m", "org.freedesktop.login1.Manager.ListInhibitors"])

    def announce_sleep(self, sleeping):
        """logind's PrepareForSleep, sent by the stand-in as the real one sends it."""
        run(["gdbus", "call", "--system", "-d", "org.freedesktop.login1", "-o", "/org/freedesktop/login1", "-m",
             "org.freedesktop.DBus.Mock.EmitSignal", "org.freedesktop.login1.Manager", "PrepareForSleep", "b",
             "[<%s>]" % ("true" if sleeping else "false")], "the announcement of a sleep")

    def _start_sound_server(self):
        socket = self.path("run/pulse-native")
        os.environ.update({
            "PULSE_STATE_PATH": self.path("pulse-state"),
            "PULSE_COOKIE": self.path("pulse-cookie"),
            "PULSE_SERVER": "unix:" + socket,
        })
        self.spawn(["pulseaudio", "--daemonize=no", "-n", "--system=false", "--use-pid-file=no",
                    "--exit-idle-time=-1", "--disallow-exit=yes", "--log-target=file:" + self.path("pulse.log"),
                    "--load=module-null-sink sink_name=null",
                    "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket])
        wait_until("the sound server", lambda: succeeds(["pactl", "info"]), timeout=15, interval=0.1)
        # A stream with a short latency keeps the null sink in real time; without it the sink renders seconds
        # ahead and a sound is heard at a varying delay.
        with open("/dev/zero", "rb") as zero:
            self.spawn(["pacat", "--playback", "--latency-msec=20"], stdin=zero)

    def _start_notification_area(self):
        self.spawn(["trayer", "--edge", "top", "--align", "right", "--widthtype", "request", "--height", "32"])
        wait_until("the notification area", self.tray_panel, timeout=15)

    def spawn(self, argv, **kwargs):
        for stream in ("stdin", "stdout", "stderr"):
            kwargs.setdefault(stream, subprocess.DEVNULL)
        process = subprocess.Popen(argv, start_new_session=True, **kwargs)
        self.processes.append(process)
        return process

    # --- the program ---------------------------------------------------------------------------------------------

    def program_path(self, relative=""):
        return os.path.join(self.work, "program", relative)

    def write_settings(self, past, hide, repeat=False):
        folder = self.program_path(SETTINGS_FOLDER)
        for name, value in (("past", past), ("startup", False), ("hide", hide), ("repeat", repeat)):
            write_file(os.path.join(folder, name + ".bvr"), b"#TRUE#\r\n" if value else b"#FALSE#\r\n")

    def now(self):
        """The program's time as far as the test knows it: its clock started at the moment given when it was
        started and runs at real speed. The program may lag a few hundredths of a second behind."""
        moment, at = self.clock_set
        return moment + datetime.timedelta(seconds=time.monotonic() - at)

    def start(self, moment, past=False, hide=False, files=None, repeat=False, wake_helper=None):
        """Starts the program in its own ProgramDir, with the settings given, the files given (relative path:
        bytes) and the clock at moment; at None, on the real clock. With wake_helper, a link to that brevora-wake
        lies beside the program, where it looks first: a copy would lose the file's capability."""
        os.makedirs(self.program_path(), exist_ok=True)
        shutil.copy2(self.binary, self.program_path("brevora"))
        if wake_helper:
            os.symlink(os.path.abspath(wake_helper), self.program_path("brevora-wake"))
        self.write_settings(past, hide, repeat)
        # A copy without its wake-up helper beside it says once for the store that a sleeping computer will not be
        # woken; these stores were told already, so that the scenarios see only their own notifications.
        write_file(self.program_path("Program files/wake-told"), b"1\n")
        for folder in ("Once", "Day", "Week", "Month", "Year", "Past/Day", "Past/Week", "Past/Month", "Past/Year"):
            os.makedirs(self.program_path("Events/" + folder), exist_ok=True)
        for relative, data in (files or {}).items():
            write_file(self.program_path(relative), data)
        self._launch(moment)

    def restart(self, moment):
        """Ends the program and starts it again on the same ProgramDir with the clock at moment. The program
        sleeps until its next minute in a timer the kernel holds, which a clock moved under a running program
        would not reach; a new start is how a test gets to a later moment."""
        self.stop_program()
        self._launch(moment)

    def stop_program(self):
        if self.program is None:
            return
        stop(self.program)
        self.processes.remove(self.program)
        self._forget_faked_clock()
        self.program = None
        # Windows of the ended program must not be taken for those of the next one.
        wait_until("the ended program to leave the accessibility bus", lambda: self.ui.application() is None)

    def _launch(self, moment):
        env = dict(os.environ)
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        if moment is None:
            # The real clock, which the kernel's timers keep too (TZ is UTC here).
            moment = datetime.datetime.now(datetime.timezone.utc).replace(tzinfo=None)
        else:
            # The clock starts at moment and runs on at real speed; never the frozen form, which stops the
            # timers too.
            env.update({"LD_PRELOAD": self.faketime, "FAKETIME": moment.strftime("@%Y-%m-%d %H:%M:%S")})
        if moment.tzinfo is not None:
            # A moment with its offset is given to libfaketime as seconds since the epoch: a wall time in the hour
            # a change to winter time repeats names two moments, and libfaketime picks the second.
            env.update({"FAKETIME": "@%d" % moment.timestamp(), "FAKETIME_FMT": "%s"})
        if self.platform:
            env["QT_QPA_PLATFORM"] = self.platform
        argv = [self.program_path("brevora")]
        if self.wrap:
            argv = self.wrap(argv, env)
        with open(self.path("program.log"), "ab") as log:
            self.clock_set = (moment, time.monotonic())
            self.program = self.spawn(argv, env=env, stdout=log, stderr=subprocess.STDOUT)

    def _forget_faked_clock(self):
        # libfaketime removes its shared memory and semaphore only when the program ends by itself.
        for name in (f"faketime_shm_{self.program.pid}", f"sem.faketime_sem_{self.program.pid}"):
            try:
                os.remove(os.path.join("/dev/shm", name))
            except OSError:
                pass

    def pass_splash(self):
        """Ends the splash window with a key, as a user may, instead of waiting for its five seconds."""

        def splash_windows():
            # The program's icon, where there is a notification area, bears the same name.
            icons = self.tray_icons() if self.tray else []
            found = capture(["xdotool", "search", "--onlyvisible", "--name", "^Brevora$"]).split()
            return [window for window in found if window not in icons]

        splash = wait_until("the splash window", splash_windows)[0]
        run(["xdotool", "windowfocus", "--sync", splash, "key", "space"], "a key on the splash window")
        wait_until("the splash window to go", lambda: splash not in splash_windows())

    def expect_running(self):
        if self.program is not None and self.program.poll() is not None:
            fail(f"the program ended with status {self.program.returncode}")

    def wait_for_exit(self, timeout=10):
        try:
            return self.program.wait(timeout)
        except subprocess.TimeoutExpired:
            fail("the program did not end")

    def program_log(self):
        try:
            with open(self.path("program.log"), encoding="utf-8", errors="replace") as f:
                return f.read()[-4000:]
        except OSError:
            return ""

    # --- the notification area -----------------------------------------------------------------------------------

    def tray_panel(self):
        return '"panel": ("panel" "trayer")' in capture(["xwininfo", "-root", "-tree"])

    def tray_icons(self):
        """The program's windows docked in the notification area, as xdotool numbers windows."""
        icons = []
        inside, depth = False, 0
        for line in capture(["xwininfo", "-root", "-tree"]).splitlines():
            indent = len(line) - len(line.lstrip())
            if '"panel": ("panel" "trayer")' in line:
                inside, depth = True, indent
            elif inside and line.strip() and indent <= depth:
                inside = False
            elif inside and '"Brevora": ("brevora" "Brevora")' in line:
                icons.append(str(int(line.split()[0], 16)))
        return icons

    def tray_icon(self):
        icons = wait_until("the program's icon in the notification area", self.tray_icons)
        check(len(icons) == 1, f"the notification area holds {len(icons)} icons of the program")
        return icons[0]

    def click_tray_icon(self, *xdotool_click):
        icon = self.tray_icon()
        run(["xdotool", "mousemove", "--window", icon, "8", "8", "click", *xdotool_click],
            "a click on the program's icon")

    def choose_tray_menu_item(self, row, rows=4):
        """Opens the icon's menu with the right button and clicks its item in that row (counted from 0).
        Accessibility does not show a pop-up menu of its own, so the item is found by its place."""
        shown = set(self.program_windows())
        self.click_tray_icon("3")
        popup = wait_until("the icon's menu", lambda: [w for w in self.program_windows() if w not in shown])[0]
        geometry = dict(line.split("=") for line in run(["xdotool", "getwindowgeometry", "--shell", popup],
                                                        "the menu's place").split())
        x = int(geometry["X"]) + int(geometry["WIDTH"]) // 2
        y = int(geometry["Y"]) + int(geometry["HEIGHT"]) * (2 * row + 1) // (2 * rows)
        run(["xdotool", "mousemove", str(x), str(y), "click", "1"], "a click on the menu item")
        wait_until("the icon's menu to close", lambda: popup not in self.program_windows())

    def program_windows(self):
        """The program's mapped windows, its icon and pop-up menus included."""
        return capture(["xdotool", "search", "--onlyvisible", "--class", "brevora"]).split()
