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
import shutil
import struct
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from xdesk import TITLE, GameCase  # noqa: E402

RESOURCES = ""
CLIENT_W, CLIENT_H = 620, 544
DEFAULT_CONFIG = ["", "[Settings]", "Colors = 4", "Size = 36", "Mode = P", "Time = 3600", "Undo = 1",
                  "Sound = {sound}", "Vol = 50", "Collection = 111111111111"]


def mean_difference(a, b):
    assert len(a) == len(b), (len(a), len(b))
    return sum(abs(x - y) for x, y in zip(a, b)) / len(a)


def resource(name):
    """A picture the program carries, found by its name in the resources folder."""
    hits = [p for p in glob.glob(os.path.join(RESOURCES, "**", "*.png"), recursive=True)
            if name in os.path.basename(p).lower()]
    return sorted(hits, key=len)[0] if hits else None


def icon_file_pictures(path):
    """The PNG pictures of an icon file as {(width, height): RGBA bytes}."""
    with open(path, "rb") as f:
        data = f.read()
    pictures = {}
    for i in range(struct.unpack_from("<H", data, 4)[0]):
        width, height, _, _, _, _, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        rgba = subprocess.run(["convert", "png:-", "-depth", "8", "rgba:-"], input=data[offset:offset + size],
                              capture_output=True, check=True).stdout
        pictures[(width or 256, height or 256)] = rgba
    return pictures


def premultiplied(pixels):
    """(r, g, b) of each pixel times its alpha, from (a, r, g, b) tuples."""
    return [channel * a // 255 for a, r, g, b in pixels for channel in (r, g, b)]


class MainWindow(GameCase):
    desktop_options = {"screen": "1024x768x24"}
    start = False

    def program_report(self):
        server = self.desktop.server.poll()
        return (f"exit status {self.game.proc.poll()}, X server {self.desktop.env['DISPLAY']} "
                f"{'running' if server is None else 'ended'}, stderr:\n{self.game.errors()}")

    def start_main_window(self):
        self.start_game()
        wid = self.desktop.find_window(TITLE)
        self.assertIsNotNone(wid, "the main window did not appear; " + self.program_report())
        time.sleep(1.0)  # let the first paint finish before looking at it
        return wid

    def quit_with_ctrl_q(self, wid):
        self.desktop.press(wid, "ctrl+q")
        return self.game.wait(timeout=10)

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
        self.desktop.screenshot(shot)
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

    def test_window_carries_the_program_icon(self):
        wid = self.start_main_window()
        shown = self.desktop.window_icons(wid)
        own = icon_file_pictures(os.path.join(RESOURCES, "icons", "mirel.ico"))
        sizes = sorted(set(shown) & set(own))
        self.assertTrue(sizes, f"the window's icons {sorted(shown)} include one of the program's {sorted(own)}")
        for size in sizes:
            seen = [((v >> 24) & 255, (v >> 16) & 255, (v >> 8) & 255, v & 255) for v in shown[size]]
            drawn = [tuple(own[size][i + 3:i + 4] + own[size][i:i + 3]) for i in range(0, len(own[size]), 4)]
            self.assertLess(mean_difference(premultiplied(seen), premultiplied(drawn)), 8, f"the icon at {size}")
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
        program = os.path.join(alone, os.path.basename(self.program))
        shutil.copy(self.program, program)
        self.start_game(program)
        box = self.desktop.find_window("Library Error")
        self.assertIsNotNone(box, "the Library Error box did not appear; " + self.program_report())
        self.assertIsNone(self.desktop.find_window(TITLE, timeout=0.5), "the main window must not open")
        self.desktop.press(box, "Return")
        self.assertEqual(self.game.wait(timeout=10), 0)
        self.assertFalse(os.path.exists(os.path.join(self.work, "config.ini")))


if __name__ == "__main__":
    GameCase.program, RESOURCES = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    unittest.main(argv=sys.argv[:1], verbosity=2)
