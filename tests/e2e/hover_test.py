#!/usr/bin/env python3
"""End-to-end check of the hover frame in the real program under Xvfb.

The frame drawn on the tile under the pointer must go when the pointer leaves
the field onto a control (a picture button, the toolbar, a status field): Qt
sends the main window no mouse move while the pointer is over one of them.
Usage: hover_test.py PATH_TO_MIREL
"""
import os
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import xdesk  # noqa: E402

FIELD_X, FIELD_Y, TILE = 305, 52, 36
CELL = (2, 11)  # the bottom row is never cleared at the start
NEW_BUTTON = (39 + 48, 428 + 18)
CONTROLS = {"the Quit button": (156 + 48, 428 + 18), "the toolbar": (14, 14), "a status field": (40, 532)}


class HoverFrame(xdesk.GameCase):
    def point(self, wid, x, y):
        self.desktop.run("xdotool", "mousemove", "--window", wid, str(x), str(y))
        time.sleep(0.5)

    def cell(self, wid, name):
        x, y, _, _ = self.desktop.geometry(wid)
        shot = self.desktop.screenshot(os.path.join(self.work, name + ".png"))
        return self.desktop.pixels(shot, (TILE, TILE, x + FIELD_X + CELL[0] * TILE, y + FIELD_Y + CELL[1] * TILE))

    def test_the_frame_goes_when_the_pointer_moves_onto_a_control(self):
        wid = self.desktop.find_window(xdesk.TITLE)
        self.assertIsNotNone(wid, "the main window did not appear: " + self.game.errors())
        time.sleep(1.0)
        self.desktop.click_in(wid, *NEW_BUTTON, settle=1.0)
        self.point(wid, 250, 200)  # the brick wall, off the field
        plain = self.cell(wid, "plain")
        centre = (FIELD_X + CELL[0] * TILE + TILE // 2, FIELD_Y + CELL[1] * TILE + TILE // 2)
        for name, place in CONTROLS.items():
            self.point(wid, *centre)
            self.assertTrue(self.cell(wid, "lit") != plain, "no frame on the hovered tile")
            self.point(wid, *place)
            self.assertTrue(self.cell(wid, "left") == plain, "the frame stayed after moving onto " + name)
        self.assertTrue(self.game.alive())


if __name__ == "__main__":
    xdesk.GameCase.program = os.path.abspath(sys.argv.pop(1))
    unittest.main()
