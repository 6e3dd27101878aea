#!/usr/bin/env python3
"""End-to-end check of Escape on a desktop without a notification area.

openbox manages the windows and has no notification area, so Escape must
minimise the main window (WM_STATE Iconic) instead of hiding it. Activating the
window brings it back (WM_STATE Normal) with a tournament game as it was:
still paused, its field under the pause cover and its clock standing still.
Usage: minimise_test.py PATH_TO_MIREL ASSET_DATA_DIR
"""
import os
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import xdesk  # noqa: E402

ASSETS = ""
FIELD = (288, 432, 305, 52)        # width, height, client x, client y
TIME_FIELD = (145, 18, 465, 524)
NEW_BUTTON = (39 + 48, 428 + 18)


def mean_difference(a, b):
    assert len(a) == len(b), (len(a), len(b))
    return sum(abs(x - y) for x, y in zip(a, b)) / len(a)


class MinimiseWithoutTray(xdesk.GameCase):
    desktop_options = {"window_manager": True}
    settings = {"Mode": "T", "Time": "300"}

    def crop(self, wid, area, name):
        x, y, _, _ = self.desktop.geometry(wid)
        shot = self.desktop.screenshot(os.path.join(self.work, name))
        return self.desktop.pixels(shot, (area[0], area[1], x + area[2], y + area[3]))

    def wait_for_state(self, wid, state, timeout=5.0):
        deadline = time.monotonic() + timeout
        while self.desktop.wm_state(wid) != state and time.monotonic() < deadline:
            time.sleep(0.1)
        return self.desktop.wm_state(wid)

    def test_escape_minimises_and_activation_restores_the_paused_game(self):
        wid = self.desktop.find_window(xdesk.TITLE)
        self.assertIsNotNone(wid, "the main window did not appear: " + self.game.errors())
        time.sleep(1.0)
        self.desktop.click_in(wid, *NEW_BUTTON, settle=1.5)
        self.assertEqual(self.desktop.wm_state(wid), "Normal")

        self.desktop.press(wid, "Escape")
        self.assertEqual(self.wait_for_state(wid, "Iconic"), "Iconic", "Escape did not minimise the window")
        time.sleep(2.5)  # a running clock would count down meanwhile

        self.desktop.activate(wid)
        self.assertEqual(self.wait_for_state(wid, "Normal"), "Normal", "activation did not restore the window")
        time.sleep(1.5)
        cover = self.desktop.pixels(os.path.join(ASSETS, "girl00.png"))
        self.assertLess(mean_difference(self.crop(wid, FIELD, "restored.png"), cover), 2,
                        "the restored field must show the pause cover, not the board")
        clock = self.crop(wid, TIME_FIELD, "clock1.png")
        time.sleep(2.5)
        self.assertEqual(self.crop(wid, TIME_FIELD, "clock2.png"), clock, "the paused clock went on")
        self.assertLess(mean_difference(self.crop(wid, FIELD, "later.png"), cover), 2)
        self.assertTrue(self.game.alive())


if __name__ == "__main__":
    xdesk.GameCase.program = os.path.abspath(sys.argv.pop(1))
    ASSETS = os.path.abspath(sys.argv.pop(1))
    unittest.main()
