#!/usr/bin/env python3
"""The real program and its display: the X server going away while the options
window holds changes in the open config.ini (the one shutdown writes the file
back and the process ends with exit code 0, not through Qt's exit or an abort)
or while the quit question of a tournament game is open (a modal box in its
own loop: the same end, and no loss recorded without an answer), and a start
without any display (one line on standard error, exit code 1).
Usage: display_loss_test.py PATH_TO_MIREL
"""
import os
import resource
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import xdesk  # noqa: E402

MIREL = ""
TOOLBAR_OPTIONS = (52, 14)  # the second 24 x 24 button of the toolbar along the top edge
HARD = (40, 90)             # the options window's "Hard" button
TOURNAMENT = (130, 180)     # and its "Tournament" button
NEW_BUTTON = (39 + 48, 428 + 18)


def no_core_dumps():
    resource.setrlimit(resource.RLIMIT_CORE, (0, 0))


class DisplayLoss(unittest.TestCase):
    def setUp(self):
        self.work = tempfile.mkdtemp(prefix="mirel-display-")
        self.desktop = None
        self.game = None

    def tearDown(self):
        if self.game:
            self.game.kill()
        if self.desktop:
            self.desktop.close()
        shutil.rmtree(self.work, ignore_errors=True)

    def config(self):
        with open(os.path.join(self.work, "config.ini"), "rb") as f:
            return f.read()

    def start_game(self):
        """Starts the game on a private desktop; returns the main window and its position."""
        self.desktop = xdesk.Desktop()
        self.game = xdesk.Game(self.desktop, MIREL, self.work)
        main = self.desktop.find_window(xdesk.TITLE)
        self.assertIsNotNone(main, "the main window did not appear")
        time.sleep(1.0)
        x, y, _, _ = self.desktop.geometry(main)
        return main, x, y

    def kill_server_and_wait(self):
        """Kills the X server without a word to its clients; the game must end with 0."""
        self.desktop.server.kill()
        self.desktop.server.wait()
        code = self.game.wait(timeout=20)
        self.assertEqual(code, 0, f"exit {code}: {self.game.errors()}")

    def test_server_gone_with_the_options_open_writes_them_and_ends_with_code_0(self):
        main, x, y = self.start_game()
        self.desktop.click(x + TOOLBAR_OPTIONS[0], y + TOOLBAR_OPTIONS[1])
        time.sleep(0.3)
        self.desktop.run("xdotool", "key", "Down", "Return")  # "Game Settings"
        options = self.desktop.find_window("Settings", timeout=10)
        self.assertIsNotNone(options, "the options window did not open")
        ox, oy, _, _ = self.desktop.geometry(options)
        for cx, cy in (HARD, TOURNAMENT):
            self.desktop.click(ox + cx, oy + cy)
            time.sleep(0.3)
        self.assertIn(b"Size = 36\r\n", self.config(), "the change must not be on disk before the file is closed")

        self.kill_server_and_wait()
        text = self.config()
        self.assertTrue(text.startswith(b"\xef\xbb\xbf\r\n[Settings]\r\n"), text)
        self.assertIn(b"Size = 24\r\n", text)
        self.assertIn(b"Mode = T\r\n", text)
        self.assertTrue(text.endswith(b"Collection = 111111111111\r\n"), text)
        self.assertEqual([n for n in os.listdir(self.work) if n.startswith(".config.ini")], [],
                         "a temporary file of the save was left behind")

    def test_server_gone_during_the_quit_question_ends_with_code_0(self):
        with open(os.path.join(self.work, "config.ini"), "wb") as f:
            f.write(b"\xef\xbb\xbf\r\n[Settings]\r\nColors = 4\r\nSize = 36\r\nMode = T\r\nTime = 300\r\n"
                    b"Undo = 1\r\nSound = 0\r\nVol = 50\r\nCollection = 111111111111\r\n")
        main, x, y = self.start_game()
        self.desktop.click(x + NEW_BUTTON[0], y + NEW_BUTTON[1])
        time.sleep(0.5)
        self.desktop.press(main, "ctrl+q")
        self.assertIsNotNone(self.desktop.find_window("Quit Game", timeout=10), "no quit question")

        self.kill_server_and_wait()
        text = self.config()
        self.assertIn(b"Mode = T\r\n", text)
        self.assertNotIn(b"OA_Lost", text, "nobody answered the question")

    def test_start_without_a_display_says_so_in_one_line_and_ends_with_code_1(self):
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        run = subprocess.run([MIREL], cwd=self.work, env=env, capture_output=True, text=True, timeout=30,
                             preexec_fn=no_core_dumps)
        self.assertEqual(run.returncode, 1, f"exit {run.returncode}: {run.stderr}")
        lines = run.stderr.splitlines()
        self.assertEqual(len(lines), 1, run.stderr)
        self.assertIn("display", lines[0])
        self.assertEqual(os.listdir(self.work), [], "nothing is written without a display")


if __name__ == "__main__":
    MIREL = os.path.abspath(sys.argv[1])
    unittest.main(argv=sys.argv[:1], verbosity=2)
