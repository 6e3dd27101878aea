#!/usr/bin/env python3
"""End-to-end checks of the real program under its own Xvfb server.

Each case starts mirel in a fresh, empty working directory and drives it as a
player would with xdotool: the fixed main window and its painted background,
quitting with Ctrl+Q, the configuration file left by a first start, and the
error box shown when the asset library is missing.
Usage: main_window_test.py PATH_TO_MIREL RESOURCES_DIR
"""
import glob
import os
import random
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

MIREL = ""
RESOURCES = ""
TITLE = "Free Mirel ! v4"
CLIENT_W, CLIENT_H = 620, 544
DEFAULT_CONFIG = ["", "[Settings]", "Colors = 4", "Size = 36", "Mode = P", "Time = 3600", "Undo = 1",
                  "Sound = {sound}", "Vol = 50", "Collection = 111111111111"]


def display_in_use(number):
    """A lock file, a socket file or an abstract socket of that display exists."""
    if os.path.exists(f"/tmp/.X{number}-lock") or os.path.exists(f"/tmp/.X11-unix/X{number}"):
        return True
    with open("/proc/net/unix") as sockets:
        return any(line.rstrip().endswith(f"/tmp/.X11-unix/X{number}") for line in sockets)


class Desktop:
    """One Xvfb server without a window manager."""

    def __init__(self):
        for _ in range(20):
            number = random.randrange(300, 900)
            if display_in_use(number):
                continue
            # -noreset: the server must not reset, refusing connections meanwhile,
            # whenever its last client (a program under test) ends.
            self.server = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                                            "-noreset"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            self.display = f":{number}"
            self.env = dict(os.environ, DISPLAY=self.display, QT_QPA_PLATFORM="xcb")
            self.env.pop("WAYLAND_DISPLAY", None)
            deadline = time.monotonic() + 10
            while self.server.poll() is None and time.monotonic() < deadline:
                if self.run("xdpyinfo").returncode == 0:
                    return
                time.sleep(0.1)
            self.close()  # another server took the number first
        raise RuntimeError("no X server could be started")

    def run(self, *args):
        return subprocess.run(list(args), env=self.env, capture_output=True, text=True)

    def find_window(self, title, timeout=15.0):
        """The id of the mapped window with exactly this title, or None."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            out = self.run("xdotool", "search", "--onlyvisible", "--name", f"^{title}$").stdout.split()
            if out:
                return out[0]
            time.sleep(0.1)
        return None

    def visible_titles(self):
        titles = []
        for wid in self.run("xdotool", "search", "--onlyvisible", "--name", ".").stdout.split():
            titles.append(self.run("xdotool", "getwindowname", wid).stdout.strip())
        return titles

    def geometry(self, wid):
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

    def pixels(self, file, crop=None):
        """RGB bytes of a picture file or a part of it (width, height, x, y)."""
        args = ["convert", file]
        if crop:
            args += ["-crop", "%dx%d+%d+%d" % crop, "+repage"]
        args += ["-alpha", "off", "-depth", "8", "rgb:-"]
        return subprocess.run(args, capture_output=True, check=True).stdout

    def close(self):
        self.server.terminate()  # lets the server remove its lock and socket
        self.server.wait()


def mean_difference(a, b):
    assert len(a) == len(b), (len(a), len(b))
    return sum(abs(x - y) for x, y in zip(a, b)) / len(a)


def resource(name):
    """A picture the program carries, found by its name in the resources folder."""
    hits = [p for p in glob.glob(os.path.join(RESOURCES, "**", "*.png"), recursive=True)
            if name in os.path.basename(p).lower()]
    return sorted(hits, key=len)[0] if hits else None


class MainWindow(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop()

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close()

    def setUp(self):
        self.work = tempfile.mkdtemp(prefix="mirel-e2e-")
        self.proc = None

    def tearDown(self):
        if self.proc and self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()
        if self.proc:
            self.log.close()
        shutil.rmtree(self.work, ignore_errors=True)

    def start(self, program=None):
        self.log = open(os.path.join(self.work, "stderr.txt"), "w")
        self.proc = subprocess.Popen([program or MIREL], cwd=self.work, env=self.desktop.env,
                                     stdout=subprocess.DEVNULL, stderr=self.log)
        return self.proc

    def program_report(self):
        self.log.flush()
        with open(os.path.join(self.work, "stderr.txt")) as f:
            server = self.desktop.server.poll()
            socket = os.path.exists("/tmp/.X11-unix/X" + self.desktop.display[1:])
            return (f"exit status {self.proc.poll()}, X server {self.desktop.display} "
                    f"{'running' if server is None else 'ended'}, socket {'present' if socket else 'gone'}, "
                    f"stderr:\n{f.read()}")

    def start_main_window(self):
        self.start()
        wid = self.desktop.find_window(TITLE)
        self.assertIsNotNone(wid, "the main window did not appear; " + self.program_report())
        time.sleep(1.0)  # let the first paint finish before looking at it
        return wid

    def quit_with_ctrl_q(self, wid):
        self.desktop.press(wid, "ctrl+q")
        return self.proc.wait(timeout=10)

    def test_window_has_a_fixed_client_area_of_620_by_544(self):
        wid = self.start_main_window()
        _, _, width, height = self.desktop.geometry(wid)
        self.assertEqual((width, height), (CLIENT_W, CLIENT_H))
        hints = self.desktop.run("xprop", "-id", wid, "WM_NORMAL_HINTS").stdout
        self.assertIn(f"minimum size: {CLIENT_W} by {CLIENT_H}", hints)
        self.assertIn(f"maximum size: {CLIENT_W} by {CLIENT_H}", hints)
        self.assertEqual(self.quit_with_ctrl_q(wid), 0)

    def test_screenshot_shows_the_background_with_new_and_quit(self):
        wid = self.start_main_window()
        x, y, _, _ = self.desktop.geometry(wid)
        shot = os.path.join(self.work, "shot.png")
        self.desktop.run("import", "-window", "root", shot)
        keep = os.environ.get("MIREL_E2E_SHOTS")
        if keep:
            shutil.copy(shot, os.path.join(keep, "main_window.png"))
        background = resource("background")
        self.assertIsNotNone(background, "no background picture in " + RESOURCES)
        # The brick wall left of the buttons, below the toolbar and clear of every control.
        wall = (30, 200, 0, 100)
        self.assertLess(mean_difference(self.desktop.pixels(shot, (wall[0], wall[1], x + wall[2], y + wall[3])),
                                        self.desktop.pixels(background, wall)), 12)
        for name, bx in (("new", 39), ("quit", 156)):
            face = resource(name)
            self.assertIsNotNone(face, f"no {name} button face in " + RESOURCES)
            seen = self.desktop.pixels(shot, (96, 36, x + bx, y + 428))
            self.assertLess(mean_difference(seen, self.desktop.pixels(face)), 24, f"the {name} button")
        self.assertEqual(self.quit_with_ctrl_q(wid), 0)

    def test_ctrl_q_without_a_game_ends_with_exit_code_0(self):
        wid = self.start_main_window()
        self.assertEqual(self.quit_with_ctrl_q(wid), 0)
        self.assertNotIn("Quit Game", self.desktop.visible_titles())

    def test_first_start_in_an_empty_directory_writes_the_default_config(self):
        wid = self.start_main_window()
        self.assertEqual(self.quit_with_ctrl_q(wid), 0)
        with open(os.path.join(self.work, "config.ini"), "rb") as f:
            data = f.read()
        self.assertTrue(data.startswith(b"\xef\xbb\xbf"), "the file starts with the UTF-8 mark")
        lines = data[3:].decode("utf-8").split("\r\n")
        self.assertEqual(lines[-1], "", "every line ends with CR LF")
        sound = lines[7].rpartition(" ")[2]
        self.assertIn(sound, ("0", "1"))
        self.assertEqual(lines[:-1], [line.format(sound=sound) for line in DEFAULT_CONFIG])

    def test_without_the_asset_library_only_the_error_box_shows(self):
        alone = os.path.join(self.work, "alone")
        os.mkdir(alone)
        program = os.path.join(alone, "mirel")
        shutil.copy(MIREL, program)
        self.start(program)
        box = self.desktop.find_window("Library Error")
        self.assertIsNotNone(box, "the Library Error box did not appear; " + self.program_report())
        self.assertIsNone(self.desktop.find_window(TITLE, timeout=0.5), "the main window must not open")
        self.desktop.press(box, "Return")
        self.assertEqual(self.proc.wait(timeout=10), 0)
        self.assertFalse(os.path.exists(os.path.join(self.work, "config.ini")))


if __name__ == "__main__":
    MIREL, RESOURCES = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    unittest.main(argv=sys.argv[:1], verbosity=2)
