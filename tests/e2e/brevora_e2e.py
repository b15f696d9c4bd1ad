"""Drives the real brevora binary as a user would: on a private virtual display, with its own D-Bus session and
accessibility bus, a wall clock that the test sets through libfaketime, and, where a scenario asks, a
notification area and a sound server. Windows are found by caption and controls by their accessible names;
xdotool stands in where accessibility cannot reach (a key on the splash window, the notification-area icon).

Every wait has a deadline, and everything started here is stopped again when the session ends."""

import datetime
import glob
import importlib.util
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77
SETTINGS_FOLDER = "Program files/Settings"
MAIN_CAPTION = "Brevora"
CHOOSER_CAPTION = "Brevora   New Alarm"
NOTICE_CAPTION = "Alarm!!"
CONFIRM_CAPTION = "Confirm the elimination"


class Failure(Exception):
    pass


def fail(message):
    raise Failure(message)


def skip(message):
    print(f"SKIP: {message}")
    sys.exit(SKIP)


def check(condition, message):
    if not condition:
        fail(message)


def wait_until(what, predicate, timeout=10.0, interval=0.05):
    """Returns the first true value of predicate(); fails, naming what was awaited, once the deadline passes."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            fail(f"timed out after {timeout:g} s waiting for {what}")
        time.sleep(interval)


def stays(what, predicate, duration):
    """Fails as soon as predicate() turns false within duration seconds."""
    deadline = time.monotonic() + duration
    while time.monotonic() < deadline:
        if not predicate():
            fail(f"{what} changed within {duration:g} s")
        time.sleep(0.05)


def main(scenario, limit=100):
    """Runs one scenario and turns its outcome into the exit status the test runner reads. A scenario that
    outlives its limit, or a termination from outside, still stops everything it started."""

    def expired(signum, frame):
        raise Failure(f"the scenario did not finish within {limit} s")

    def terminated(signum, frame):
        raise SystemExit(128 + signum)

    signal.signal(signal.SIGALRM, expired)
    signal.signal(signal.SIGTERM, terminated)
    signal.alarm(limit)
    try:
        scenario()
    except Failure as failure:
        print(f"FAIL: {failure}")
        sys.exit(1)
    finally:
        signal.alarm(0)
    print(f"PASS: {scenario.__name__.replace('_', ' ')}")


# --- the alarm store as files ------------------------------------------------------------------------------------


def alarm_line(*fields):
    """The one line an alarm file holds: every field quoted, commas between them, CR LF at the end."""
    return (",".join(f'"{field}"' for field in fields) + "\r\n").encode("latin-1")


def file_bytes(path):
    try:
        with open(path, "rb") as f:
            return f.read()
    except FileNotFoundError:
        return None


def files_in(folder):
    try:
        return sorted(name for name in os.listdir(folder) if os.path.isfile(os.path.join(folder, name)))
    except FileNotFoundError:
        return []


def write_file(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


# --- processes -------------------------------------------------------------------------------------------------


def require_tools(*tools):
    for tool in tools:
        if shutil.which(tool) is None:
            skip(f"{tool} is not installed")


def faketime_library():
    found = sorted(glob.glob("/usr/lib/*/faketime/libfaketime.so.1"))
    return found[0] if found else None


def stop(process, grace=3):
    if process.poll() is not None:
        return
    try:
        os.killpg(process.pid, signal.SIGTERM)
        process.wait(grace)
    except ProcessLookupError:
        return
    except subprocess.TimeoutExpired:
        try:
            os.killpg(process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        process.wait(grace)


def run(argv, what, timeout=10):
    try:
        result = subprocess.run(argv, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL,
                                timeout=timeout)
    except subprocess.TimeoutExpired:
        fail(f"timed out after {timeout} s waiting for {what}")
    if result.returncode != 0:
        fail(f"{what} failed: {result.stdout.decode(errors='replace').strip()}")
    return result.stdout.decode(errors="replace")


def capture(argv, timeout=10):
    """The output of a query that may find nothing; empty on any failure."""
    try:
        result = subprocess.run(argv, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL,
                                timeout=timeout)
    except subprocess.TimeoutExpired:
        return ""
    return result.stdout.decode(errors="replace")


def succeeds(argv, timeout=10):
    try:
        return subprocess.run(argv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL,
                              timeout=timeout).returncode == 0
    except subprocess.TimeoutExpired:
        return False


def read_line(fd, what, timeout=10):
    data = b""
    deadline = time.monotonic() + timeout
    while not data.endswith(b"\n"):
        remaining = deadline - time.monotonic()
        if remaining <= 0:
            fail(f"timed out waiting for {what}")
        ready, _, _ = select.select([fd], [], [], remaining)
        if ready:
            chunk = os.read(fd, 64)
            if not chunk:
                break
            data += chunk
    return data.decode().strip()


# --- the session -----------------------------------------------------------------------------------------------


class Session:
    """One run of the program and of the desktop it needs. Use it as a context manager."""

    def __init__(self, binary, tray=False, sound=False):
        self.binary = os.path.abspath(binary)
        self.tray = tray
        self.sound = sound
        self.processes = []  # stopped in reverse order
        self.program = None
        self.ui = Accessibility(self)

    def __enter__(self):
        require_tools("Xvfb", "xdotool", "dbus-daemon", "gdbus")
        if self.tray:
            require_tools("trayer", "xwininfo")
        if self.sound:
            require_tools("pulseaudio", "pactl", "pacat", "parecord")
        self.faketime = faketime_library()
        if self.faketime is None:
            skip("libfaketime is not installed")
        if importlib.util.find_spec("pyatspi") is None:
            skip("pyatspi is not available to this python")

        self.work = tempfile.mkdtemp(prefix="brevora-e2e-")
        try:
            self._isolate_environment()
            self._start_display()
            self._start_buses()
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
            # libfaketime removes its shared memory and semaphore only when the program ends by itself.
            for name in (f"faketime_shm_{self.program.pid}", f"sem.faketime_sem_{self.program.pid}"):
                try:
                    os.remove(os.path.join("/dev/shm", name))
                except OSError:
                    pass
        shutil.rmtree(self.work, ignore_errors=True)
        return False

    def path(self, relative=""):
        return os.path.join(self.work, relative)

    def _isolate_environment(self):
        # Nothing of the user's desktop is read or changed: home, configuration, runtime folder, buses.
        env = os.environ
        for name in ("DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "SESSION_MANAGER", "XAUTHORITY", "LD_PRELOAD", "QT_QPA_PLATFORM", "FAKETIME", "FAKETIME_NO_CACHE",
                     "FAKETIME_DONT_FAKE_MONOTONIC", "FAKETIME_DONT_RESET"):
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

    def _start_buses(self):
        # The bus daemon inherits this environment, so the accessibility bus it starts on demand keeps its
        # socket in this session's runtime folder and serves this display only.
        address = "unix:path=" + self.path("run/bus")
        self.spawn(["dbus-daemon", "--session", "--nofork", "--nopidfile", "--address=" + address])
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
        wait_until("the D-Bus session", lambda: os.path.exists(self.path("run/bus")))
        run(["gdbus", "call", "--session", "-d", "org.a11y.Bus", "-o", "/org/a11y/bus", "-m",
             "org.a11y.Bus.GetAddress"], "the accessibility bus", timeout=20)

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

    def write_settings(self, past, hide):
        folder = self.program_path(SETTINGS_FOLDER)
        for name, value in (("past", past), ("startup", False), ("hide", hide)):
            write_file(os.path.join(folder, name + ".bvr"), b"#TRUE#\r\n" if value else b"#FALSE#\r\n")

    def set_clock(self, moment):
        """Sets the program's wall clock to moment, a datetime, from where it runs on. A running program reads
        the change within about a second; its monotonic clock, and with it every timer, jumps by the same
        amount."""
        temporary = self.path("faketime.new")
        with open(temporary, "w") as f:
            f.write(moment.strftime("@%Y-%m-%d %H:%M:%S\n"))
        os.replace(temporary, self.path("faketime"))
        self.clock_set = (moment, time.monotonic())

    def now(self):
        """The program's time as far as the test knows it; the program may lag up to a second behind."""
        moment, at = self.clock_set
        return moment + datetime.timedelta(seconds=time.monotonic() - at)

    def start(self, moment, past=False, hide=False, files=None):
        """Starts the program in its own ProgramDir, with the settings given, the files given (relative path:
        bytes) and the clock at moment."""
        os.makedirs(self.program_path(), exist_ok=True)
        shutil.copy2(self.binary, self.program_path("brevora"))
        self.write_settings(past, hide)
        for folder in ("Once", "Day", "Week", "Month", "Year", "Past/Day", "Past/Week", "Past/Month", "Past/Year"):
            os.makedirs(self.program_path("Events/" + folder), exist_ok=True)
        for relative, data in (files or {}).items():
            write_file(self.program_path(relative), data)
        self.set_clock(moment)
        env = dict(os.environ)
        env.update({
            "LD_PRELOAD": self.faketime,
            "FAKETIME_TIMESTAMP_FILE": self.path("faketime"),
            "FAKETIME_CACHE_DURATION": "1",
            "QT_QPA_PLATFORM": "xcb",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
        })
        with open(self.path("program.log"), "wb") as log:
            self.program = self.spawn([self.program_path("brevora")], env=env, stdout=log, stderr=subprocess.STDOUT)

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


# --- accessibility ---------------------------------------------------------------------------------------------


def _pyatspi():
    import pyatspi

    return pyatspi


class Accessibility:
    """The program's windows as the accessibility bus shows them."""

    def __init__(self, session):
        self.session = session

    def application(self):
        desktop = _pyatspi().Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == "Brevora":
                return app
        return None

    def shown_windows(self, caption=None, role=None):
        app = self.application()
        if app is None:
            return []
        return [window for window in children(app) if matches(window, role, caption) and showing(window)]

    def window(self, caption, role=None, timeout=10):
        """The shown window or message box with exactly this caption."""

        def find():
            self.session.expect_running()
            windows = self.shown_windows(caption, role)
            return windows[0] if windows else None

        return wait_until(f'the window "{caption}"', find, timeout)

    def main_window(self, timeout=10):
        return self.window(MAIN_CAPTION, role="frame", timeout=timeout)

    def gone(self, caption, role=None, timeout=10):
        def absent():
            self.session.expect_running()
            return not self.shown_windows(caption, role)

        wait_until(f'the window "{caption}" to close', absent, timeout)

    def absent_for(self, caption, duration, role=None):
        stays(f'the absence of the window "{caption}"', lambda: not self.shown_windows(caption, role), duration)

    def message(self, title, timeout=10):
        """A message box with this title, and the text it shows."""
        box = self.window(title, role="alert", timeout=timeout)
        labels = [label.name for label in descendants(box, "label") if label.name]
        return box, "\n".join(labels)


def showing(acc):
    try:
        return acc.getState().contains(_pyatspi().STATE_SHOWING)
    except Exception:
        return False


def children(acc):
    """The children of acc that still exist; a window may close while it is being looked at."""
    found = []
    try:
        for i in range(acc.childCount):
            child = acc.getChildAtIndex(i)
            if child is not None:
                found.append(child)
    except Exception:
        pass
    return found


def matches(acc, role, name):
    try:
        return (role is None or acc.getRoleName() == role) and (name is None or acc.name == name)
    except Exception:
        return False


def descendants(acc, role=None, name=None):
    """Every control under acc, depth first, with that role and accessible name where they are given."""
    found = []
    for child in children(acc):
        if matches(child, role, name):
            found.append(child)
        found.extend(descendants(child, role, name))
    return found


def control(window, role, name, timeout=5):
    found = wait_until(f'the {role} "{name}" in "{window.name}"', lambda: descendants(window, role, name), timeout)
    return found[0]


def act(acc, *names):
    """Runs the first of the named actions that the control offers."""
    action = acc.queryAction()
    offered = [action.getName(i) for i in range(action.nActions)]
    for name in names:
        if name in offered:
            action.doAction(offered.index(name))
            return
    fail(f'"{acc.name}" offers none of {names}, only {offered}')


def press(window, name, role="push button"):
    act(control(window, role, name), "Press", "Toggle")


def text_of(acc):
    text = acc.queryText()
    return text.getText(0, text.characterCount)


def type_into(window, name, text):
    """Sets the text of the box that accessibility calls name (a box in a group box takes the group's title)."""
    field = control(window, "text", name)
    field.queryEditableText().setTextContents(text)
    wait_until(f'"{text}" in the box "{name}"', lambda: text_of(field) == text, timeout=5)


def top_of(acc):
    return acc.queryComponent().getExtents(_pyatspi().DESKTOP_COORDS).y


def choose_option(window, label_text):
    """Sets the option button that stands on the same row as the label with this text."""
    row = top_of(control(window, "label", label_text))
    options = [o for o in descendants(window, "radio button") if abs(top_of(o) - row) <= 4]
    check(len(options) == 1, f'no single option button beside "{label_text}"')
    act(options[0], "Toggle", "Press")
    wait_until(f'the option "{label_text}" to be set',
               lambda: options[0].getState().contains(_pyatspi().STATE_CHECKED), timeout=5)


def choose_from_list(window, box_name, entry):
    """Opens a combo box's list and clicks one of its entries. Accessibility can select an entry of the open
    list but not pick it, so the click is the mouse's."""
    box = control(window, "combo box", box_name)
    act(box, "ShowMenu", "Press")
    item = wait_until(f'the entry "{entry}" of the open list',
                      lambda: [i for i in descendants(box, "list item", entry) if showing(i)], timeout=5)[0]
    click_centre(item)
    wait_until(f'"{entry}" in the box "{box_name}"',
               lambda: any(text_of(t) == entry for t in descendants(box, "text")), timeout=5)


def click_centre(acc, button=1):
    box = acc.queryComponent().getExtents(_pyatspi().DESKTOP_COORDS)
    run(["xdotool", "mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2), "click",
         str(button)], f'a click on "{acc.name}"')


def choose_menu_item(window, menu, item):
    """Opens a menu of the window's menu bar and clicks one of its items. An item's own accessible action runs
    its command before it answers, so an item that opens a message box would hold the caller until the box
    closes; the mouse does not wait."""
    opener = control(window, "menu item", menu)
    act(opener, "ShowMenu", "Press")
    entry = wait_until(f'the menu item "{item}" to show',
                       lambda: [m for m in descendants(opener, "menu item", item) if showing(m)], timeout=5)[0]
    click_centre(entry)


# --- the new-alarm wizard ------------------------------------------------------------------------------------------


def create_alarm(ui, caption, fields, text, text_box="Alarm text", weekday=None):
    """Goes the wizard's road from the main window: "New", the kind, "Next   >", the fields, "Create"."""
    press(ui.main_window(), "New")
    chooser = ui.window(CHOOSER_CAPTION)
    choose_option(chooser, caption)
    press(chooser, "Next   >")
    editor = ui.window(f"Brevora   New alarm ({caption})")
    ui.gone(CHOOSER_CAPTION)
    if weekday is not None:
        choose_from_list(editor, "Weekday", weekday)
    for name, value in fields:
        type_into(editor, name, value)
    type_into(editor, text_box, text)
    press(editor, "Create")
    ui.gone(editor.name)
    return ui.main_window()
