"""A private X server for the tests and benchmarks that run the real program.

Desktop starts Xvfb on a display it picks itself (-displayfd, so parallel
tests never collide), without a window manager unless asked for one (openbox,
which has no notification area), and offers the few actions
the tests need: find a mapped window by its exact title, read its geometry,
focus it and press keys, move and click the pointer, take a screenshot and
read pixels of it, and time a program's start until its window is mapped.
Game starts a program in a working directory of its own. Sound goes to OpenAL
Soft's silent device (ALSOFT_DRIVERS=null), or under Wine to ALSA's null
device: a sound device that makes no noise.

Scripts import this file by its path relative to their own:
    sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
"""
import contextlib
import os
import re
import shutil
import subprocess
import tempfile
import time
import unittest

TITLE = "Free Mirel ! v4"

# The settings of a first start without sound; config_text changes some of them.
SETTINGS = (("Colors", "4"), ("Size", "36"), ("Mode", "P"), ("Time", "3600"), ("Undo", "1"), ("Sound", "0"),
            ("Vol", "50"), ("Collection", "111111111111"))


def config_text(**changes):
    """config.ini as the game writes it, with the "Settings" group's values changed by keyword."""
    unknown = set(changes) - {key for key, _ in SETTINGS}
    if unknown:
        raise ValueError(f"no such settings: {sorted(unknown)}")
    lines = [f"{key} = {changes.get(key, value)}" for key, value in SETTINGS]
    return "\ufeff\r\n[Settings]\r\n" + "".join(line + "\r\n" for line in lines)


@contextlib.contextmanager
def scratch(prefix):
    """An empty directory to run a program in, removed with its content afterwards."""
    work = tempfile.mkdtemp(prefix=prefix)
    try:
        yield work
    finally:
        shutil.rmtree(work, ignore_errors=True)


def write_config(workdir, **changes):
    """Writes config_text(**changes) as workdir/config.ini."""
    with open(os.path.join(workdir, "config.ini"), "w", encoding="utf-8", newline="") as f:
        f.write(config_text(**changes))


def read_config(workdir):
    """config.ini of workdir as {group: {key: value}}, its UTF-8 mark and CR LF line ends checked."""
    with open(os.path.join(workdir, "config.ini"), "rb") as f:
        data = f.read()
    if not data.startswith(b"\xef\xbb\xbf") or b"\n" in data.replace(b"\r\n", b""):
        raise ValueError(f"config.ini is not UTF-8 with a mark and CR LF lines: {data!r}")
    groups, current = {}, None
    for line in data[3:].decode("utf-8").split("\r\n"):
        if line.startswith("[") and line.endswith("]"):
            current = groups.setdefault(line[1:-1], {})
        elif " = " in line and current is not None:
            key, _, value = line.partition(" = ")
            current[key] = value
    return groups


class Desktop:
    def __init__(self, extra_env=None, screen="1280x1024x24", window_manager=False):
        read_end, write_end = os.pipe()
        # -noreset: a server shared by several runs must not reset, refusing
        # connections meanwhile, whenever its last client ends.
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", screen, "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            self.server.kill()
            self.server.wait()
            raise RuntimeError("Xvfb did not start")
        self.env = dict(os.environ, DISPLAY=":" + number, QT_QPA_PLATFORM="xcb", ALSOFT_DRIVERS="null")
        self.env.pop("WAYLAND_DISPLAY", None)
        self.env.pop("LD_LIBRARY_PATH", None)
        self.home = None
        if os.environ.get("MIREL_RUNNER"):
            # Wine's sound goes to ALSA's null device, as OpenAL's does here:
            # the program has a sound device that makes no noise.
            self.home = tempfile.mkdtemp(prefix="xdesk-home-")
            with open(os.path.join(self.home, ".asoundrc"), "w") as f:
                f.write("pcm.!default {\n  type null\n}\n")
            self.env["HOME"] = self.home
        self.env.update(extra_env or {})
        self.window_manager = None
        if window_manager:
            self._start_window_manager()

    def _start_window_manager(self):
        self.window_manager = subprocess.Popen(["openbox", "--sm-disable"], env=self.env,
                                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # Ready once it has announced itself on the root window.
        deadline = time.monotonic() + 10
        while "window id #" not in self.run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK").stdout:
            if time.monotonic() > deadline or self.window_manager.poll() is not None:
                self.close()
                raise RuntimeError("openbox did not start")
            time.sleep(0.05)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def run(self, *args):
        return subprocess.run(list(args), env=self.env, capture_output=True, text=True)

    def find_window(self, title, timeout=15.0):
        """The id of a mapped window with exactly this title, or None."""
        pattern = "^" + re.escape(title) + "$"
        deadline = time.monotonic() + timeout
        while True:
            found = self.run("xdotool", "search", "--onlyvisible", "--name", pattern).stdout.split()
            if found:
                return found[0]
            if time.monotonic() > deadline:
                return None
            time.sleep(0.1)

    def window_gone(self, title, timeout=5.0):
        """Whether no mapped window has this title any more within the time."""
        deadline = time.monotonic() + timeout
        while self.find_window(title, timeout=0) is not None:
            if time.monotonic() > deadline:
                return False
            time.sleep(0.1)
        return True

    def viewable(self, title):
        """Whether a window with this title is mapped; one quick xwininfo call, for timing."""
        return "IsViewable" in self.run("xwininfo", "-name", title).stdout

    def time_to_map(self, program, title, workdir, timeout=20.0):
        """Starts the program; returns (seconds until its window is viewable, the Game)."""
        game = Game(self, program, workdir)
        while not self.viewable(title):
            if not game.alive() or time.monotonic() - game.started > timeout:
                game.kill()
                raise RuntimeError(f"{program} ended or did not map its window: {game.errors()}")
            time.sleep(0.002)
        return time.monotonic() - game.started, game

    def visible_titles(self):
        ids = self.run("xdotool", "search", "--onlyvisible", "--name", ".").stdout.split()
        return [self.run("xdotool", "getwindowname", wid).stdout.strip() for wid in ids]

    def geometry(self, wid):
        """(x, y, width, height) of the window's client area on the screen."""
        info = {}
        for line in self.run("xwininfo", "-id", wid).stdout.splitlines():
            key, _, value = line.strip().partition(":")
            info[key] = value.strip()
        return (int(info["Absolute upper-left X"]), int(info["Absolute upper-left Y"]),
                int(info["Width"]), int(info["Height"]))

    def press(self, wid, keys):
        """Focuses the window and presses the keys, given as one text: "ctrl+q", or "Left Left space" in turn."""
        self.run("xdotool", "windowfocus", "--sync", wid)
        time.sleep(0.2)
        self.run("xdotool", "key", "--clearmodifiers", "--delay", "60", *keys.split())

    def move(self, x, y):
        # No --sync: it waits for ever when the pointer is there already.
        self.run("xdotool", "mousemove", str(x), str(y))
        time.sleep(0.05)

    def click(self, x, y):
        """A left click at screen coordinates."""
        self.move(x, y)
        time.sleep(0.1)
        self.run("xdotool", "click", "1")

    def click_in(self, wid, x, y, settle=0.2):
        """A left click at coordinates relative to the window; then settle seconds for the program to answer."""
        self.run("xdotool", "mousemove", "--window", wid, str(x), str(y))
        time.sleep(0.2)
        self.run("xdotool", "click", "1")
        time.sleep(settle)

    def wm_state(self, wid):
        """The window's ICCCM state as the window manager keeps it: "Normal", "Iconic", or None."""
        for line in self.run("xprop", "-id", wid, "WM_STATE").stdout.splitlines():
            key, _, value = line.strip().partition(":")
            if key == "window state":
                return value.strip()
        return None

    def window_icons(self, wid):
        """The window's icons as the window manager gets them (_NET_WM_ICON): {(width, height): [ARGB, ...]}."""
        text = self.run("xprop", "-id", wid, "-notype", "-f", "_NET_WM_ICON", "32c", "_NET_WM_ICON").stdout
        values = [int(v) for v in text.partition("=")[2].replace(",", " ").split()]
        icons = {}
        while len(values) >= 2:
            width, height = values[:2]
            icons[(width, height)] = values[2:2 + width * height]
            values = values[2 + width * height:]
        return icons

    def activate(self, wid):
        """Asks the window manager to bring the window forward (restoring it when minimised)."""
        self.run("xdotool", "windowactivate", wid)

    def screenshot(self, path):
        self.run("import", "-window", "root", path)
        return path

    @staticmethod
    def pixels(path, crop=None):
        """RGB bytes of a picture file or of a part (width, height, x, y) of it."""
        args = ["convert", path]
        if crop:
            args += ["-crop", "%dx%d+%d+%d" % crop, "+repage"]
        args += ["-alpha", "off", "-depth", "8", "rgb:-"]
        return subprocess.run(args, capture_output=True, check=True).stdout

    def close(self):
        if self.window_manager is not None and self.window_manager.poll() is None:
            self.window_manager.terminate()
            try:
                self.window_manager.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.window_manager.kill()
                self.window_manager.wait()
        self.server.terminate()  # lets the server remove its lock and socket
        try:
            self.server.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.server.kill()
            self.server.wait()
        if self.home:
            shutil.rmtree(self.home, ignore_errors=True)


class Game:
    """One run of a program in its own working directory; what it writes to
    standard error is kept in a file there. With MIREL_RUNNER set (to wine, for
    the Windows program) the program runs through it."""

    def __init__(self, desktop, program, workdir):
        self.log = os.path.join(workdir, "mirel-stderr.txt")
        runner = desktop.env.get("MIREL_RUNNER")
        with open(self.log, "wb") as log:
            self.started = time.monotonic()
            command = ([runner] if runner else []) + [program]
            self.proc = subprocess.Popen(command, cwd=workdir, env=desktop.env, stdout=subprocess.DEVNULL,
                                         stderr=log)

    def alive(self):
        return self.proc.poll() is None

    def wait(self, timeout=10):
        """The exit code; a negative number is the signal that ended it."""
        return self.proc.wait(timeout=timeout)

    def errors(self):
        with open(self.log, errors="replace") as log:
            return log.read()

    def kill(self):
        if self.alive():
            self.proc.kill()
        self.proc.wait()


class GameCase(unittest.TestCase):
    """Tests that each run the program in a fresh working directory, on one
    desktop shared by the class. A script sets GameCase.program before
    unittest.main; a subclass may set desktop_options (Desktop's keywords),
    settings (config.ini values written first, None for a first start) and
    start (False to start the program itself, with start_game)."""

    program = ""
    desktop_options = {}
    settings = None
    start = True

    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop(**cls.desktop_options)

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close()

    def setUp(self):
        self.work = tempfile.mkdtemp(prefix="mirel-e2e-")
        self.game = None
        if self.settings is not None:
            write_config(self.work, **self.settings)
        if self.start:
            self.start_game()

    def tearDown(self):
        if self.game:
            self.game.kill()
        shutil.rmtree(self.work, ignore_errors=True)

    def start_game(self, program=None):
        self.game = Game(self.desktop, program or self.program, self.work)


# What the start-up benchmarks measure a process by.

MINIMAL_TITLE = "Minimal Qt Window"


def programs(build):
    """(name, path, window title) of mirel and of the minimal program it is compared with: the Qt one,
    or with MIREL_RUNNER set (wine) mirel.exe and the minimal Win32 one."""
    build = os.path.abspath(build)
    if os.environ.get("MIREL_RUNNER"):
        return (("mirel", os.path.join(build, "mirel.exe"), TITLE),
                ("minimal", os.path.join(build, "startup_minimal_win32.exe"), "Minimal Win32 Window"))
    return (("mirel", os.path.join(build, "mirel"), TITLE),
            ("minimal", os.path.join(build, "startup_minimal_qt"), MINIMAL_TITLE))


def _clock_ticks(stat_path):
    """User plus system time of a /proc stat file, in clock ticks."""
    with open(stat_path) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])


def cpu_seconds(pid):
    """CPU time the process has used so far: the nanosecond run times of its
    live threads where the kernel keeps them (schedstat), plus the time of the
    threads that have ended, which the process's own user and system time in
    clock ticks (10 ms) still holds. A figure is the difference of two calls."""
    hz = os.sysconf("SC_CLK_TCK")
    process_ticks = _clock_ticks(f"/proc/{pid}/stat")
    live_ns = live_ticks = 0
    try:
        for task in os.listdir(f"/proc/{pid}/task"):
            try:
                with open(f"/proc/{pid}/task/{task}/schedstat") as f:
                    ns = int(f.read().split()[0])
                ticks = _clock_ticks(f"/proc/{pid}/task/{task}/stat")
            except FileNotFoundError:  # the thread ended meanwhile: counted with the ended ones
                continue
            live_ns += ns
            live_ticks += ticks
    except (FileNotFoundError, IndexError, ValueError):
        return process_ticks / hz
    return live_ns / 1e9 + max(0, process_ticks - live_ticks) / hz


def resident_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0
