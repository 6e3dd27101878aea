#!/usr/bin/env python3
"""The Windows program at a scaling of 200 % under Wine and Xvfb.

Wine's LogPixels (the display's DPI) is set to 192 in the Wine prefix for the
run and put back afterwards. The per-monitor DPI aware program then opens a
1240 x 1088 client area, every logical pixel of the field a sharp 2 x 2 block,
and a click on a cell's last device pixel still lands on that cell (it is
framed by the hover and taken by a click as the rules say).
Usage: windows_dpi_test.py PATH_TO_MIREL_EXE   (MIREL_RUNNER names wine)
"""
import os
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import xdesk  # noqa: E402
from board_shots import COLUMNS, FIELD_X, FIELD_Y, NEW_BUTTON, ROWS, TILE  # noqa: E402

DESKTOP_KEY = r"HKCU\Control Panel\Desktop"


def set_log_pixels(value):
    wine = os.environ["MIREL_RUNNER"]
    if value is None:
        subprocess.run([wine, "reg", "delete", DESKTOP_KEY, "/v", "LogPixels", "/f"], capture_output=True)
    else:
        subprocess.run([wine, "reg", "add", DESKTOP_KEY, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(value),
                        "/f"], capture_output=True, check=True)


class DoubleScale(xdesk.GameCase):
    desktop_options = {"screen": "1600x1300x24"}

    @classmethod
    def setUpClass(cls):
        set_log_pixels(192)
        super().setUpClass()

    @classmethod
    def tearDownClass(cls):
        super().tearDownClass()
        set_log_pixels(None)

    def field(self, wid):
        """RGB bytes of the field in device pixels, row by row."""
        x, y, _, _ = self.desktop.geometry(wid)
        shot = self.desktop.screenshot(os.path.join(self.work, "shot.png"))
        return self.desktop.pixels(shot, (2 * COLUMNS * TILE, 2 * ROWS * TILE, x + 2 * FIELD_X, y + 2 * FIELD_Y))

    def test_everything_doubles_and_the_field_stays_sharp(self):
        wid = self.desktop.find_window(xdesk.TITLE)
        self.assertIsNotNone(wid, "the main window did not appear: " + self.game.errors())
        self.assertEqual(self.desktop.geometry(wid)[2:], (1240, 1088))
        time.sleep(1.0)
        self.desktop.click_in(wid, 2 * NEW_BUTTON[0], 2 * NEW_BUTTON[1], settle=1.0)
        self.desktop.run("xdotool", "mousemove", "--window", wid, "200", "200")
        time.sleep(0.5)
        field = self.field(wid)
        width = 2 * COLUMNS * TILE
        pixel = lambda x, y: field[(y * width + x) * 3:(y * width + x) * 3 + 3]  # noqa: E731
        blurred = [(x, y) for y in range(0, 2 * ROWS * TILE, 2) for x in range(0, width, 2)
                   if not pixel(x, y) == pixel(x + 1, y) == pixel(x, y + 1) == pixel(x + 1, y + 1)]
        self.assertEqual(blurred[:5], [], "every logical pixel is a 2 x 2 block of one colour")
        self.assertGreater(len({pixel(x * 72 + 36, y * 72 + 36) for x in range(COLUMNS) for y in range(ROWS)}), 1,
                           "a board of several colours is dealt")

    def cells(self, wid):
        """The device pixels of every cell, {(column, row): bytes}."""
        field, width = self.field(wid), 2 * COLUMNS * TILE * 3
        side = 2 * TILE
        return {(c, r): b"".join(field[(r * side + i) * width + c * side * 3:(r * side + i) * width + (c + 1) * side * 3]
                                 for i in range(side)) for c in range(COLUMNS) for r in range(ROWS)}

    def test_a_click_on_a_cells_last_device_pixel_takes_that_cell(self):
        wid = self.desktop.find_window(xdesk.TITLE)
        self.assertIsNotNone(wid, "the main window did not appear: " + self.game.errors())
        time.sleep(1.0)
        self.desktop.click_in(wid, 2 * NEW_BUTTON[0], 2 * NEW_BUTTON[1], settle=1.0)
        self.desktop.run("xdotool", "mousemove", "--window", wid, "200", "200")
        time.sleep(0.5)
        before = self.cells(wid)
        # A cell with a neighbour of its colour, whose diagonal neighbour down
        # and right (where a pixel rounded up would land) is of another colour.
        target = next(((c, r) for c in range(COLUMNS - 1) for r in range(ROWS - 1)
                       if before[(c, r)] in (before[(c + 1, r)], before[(c, r + 1)])
                       and before[(c + 1, r + 1)] != before[(c, r)]), None)
        self.assertIsNotNone(target, "the dealt board has such a cell")
        c, r = target
        colour, diagonal = before[target], before[(c + 1, r + 1)]
        self.desktop.click_in(wid, 2 * (FIELD_X + (c + 1) * TILE) - 1, 2 * (FIELD_Y + (r + 1) * TILE) - 1, settle=1.0)
        self.desktop.run("xdotool", "mousemove", "--window", wid, "200", "200")
        # Wine on a loaded machine may take a while to show the move.
        for _ in range(10):
            time.sleep(0.5)
            after = list(self.cells(wid).values())
            if after != list(before.values()):
                break
        self.assertLessEqual(after.count(colour), list(before.values()).count(colour) - 2,
                             "the group of the cell under the pointer was taken")
        self.assertEqual(after.count(diagonal), list(before.values()).count(diagonal),
                         "the diagonal neighbour's colour is untouched")


if __name__ == "__main__":
    xdesk.GameCase.program = os.path.abspath(sys.argv[1])
    unittest.main(argv=sys.argv[:1], verbosity=2)
