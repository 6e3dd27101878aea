"""A private X server for tests that drive the real program as a player would.

Desktop starts Xvfb on a display it picks itself (-displayfd, so parallel
tests never collide), without a window manager, and offers the few actions
the tests need: find a mapped window by its exact title, read its geometry,
focus it and press keys, move and click the pointer, take a screenshot and
read pixels of it. Game starts mirel in a working directory of its own.
"""
import os
import re
import subprocess
import time

TITLE = "Free Mirel ! v4"


class Desktop:
    def __init__(self, extra_env=None, screen="1280x1024x24"):
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
            raise RuntimeError("Xvfb did not start")
        self.env = dict(os.environ, DISPLAY=":" + number, QT_QPA_PLATFORM="xcb", ALSOFT_DRIVERS="null")
        self.env.pop("WAYLAND_DISPLAY", None)
        self.env.pop("LD_LIBRARY_PATH", None)
        self.env.update(extra_env or {})

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
        self.run("xdotool", "windowfocus", "--sync", wid)
        time.sleep(0.2)
        self.run("xdotool", "key", "--clearmodifiers", keys)

    def move(self, x, y):
        # No --sync: it waits for ever when the pointer is there already.
        self.run("xdotool", "mousemove", str(x), str(y))
        time.sleep(0.05)

    def click(self, x, y):
        self.move(x, y)
        time.sleep(0.1)
        self.run("xdotool", "click", "1")

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
        self.server.terminate()  # lets the server remove its lock and socket
        try:
            self.server.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.server.kill()
            self.server.wait()


class Game:
    """One run of the program in its own working directory; what it writes to
    standard error is kept in a file there."""

    def __init__(self, desktop, program, workdir):
        self.log = os.path.join(workdir, "mirel-stderr.txt")
        with open(self.log, "wb") as log:
            self.proc = subprocess.Popen([program], cwd=workdir, env=desktop.env, stdout=subprocess.DEVNULL,
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
