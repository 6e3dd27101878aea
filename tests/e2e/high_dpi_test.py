#!/usr/bin/env python3
"""The real program on a screen with a device-pixel ratio of 2.

Runs mirel under its own Xvfb with QT_SCALE_FACTOR=2 (and, as a control for
the test itself, at 1): the client area is 620 x 544 times the ratio, the play
field is scaled by whole pixels (every field pixel a uniform ratio x ratio
block, nothing blurred), the hover frame appears on exactly the cell under the
pointer, also on a cell's last device pixel, and a click there removes exactly
the group of that cell (the board read back from screenshots matches the
rule's prediction).
Usage: high_dpi_test.py PATH_TO_MIREL
"""
import os
import shutil
import sys
import tempfile
import time
import unittest

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, "..", "support"))
import xdesk  # noqa: E402
from board_shots import COLUMNS, FIELD_X, FIELD_Y, NEW_BUTTON, ROWS, TILE, after_move, group  # noqa: E402

MIREL = ""


class Scaled:
    """One run of the game at a device-pixel ratio; coordinates in device pixels."""

    def __init__(self, test, ratio):
        self.test, self.ratio = test, ratio
        self.desktop = xdesk.Desktop({"QT_SCALE_FACTOR": str(ratio)}, screen="1600x1300x24")
        self.work = tempfile.mkdtemp(prefix="mirel-dpi-")
        xdesk.write_config(self.work, Colors=3)
        self.game = xdesk.Game(self.desktop, MIREL, self.work)
        self.wid = self.desktop.find_window(xdesk.TITLE)
        test.assertIsNotNone(self.wid, "the main window did not appear")
        time.sleep(1.0)
        self.x, self.y, self.width, self.height = self.desktop.geometry(self.wid)

    def close(self):
        self.game.kill()
        self.desktop.close()
        shutil.rmtree(self.work, ignore_errors=True)

    def at(self, lx, ly, dx=0, dy=0):
        """The device pixel dx, dy inside the logical client pixel lx, ly."""
        return self.x + lx * self.ratio + dx, self.y + ly * self.ratio + dy

    def pointer_off_field(self):
        self.desktop.move(*self.at(100, 100))
        time.sleep(0.8)

    def field(self):
        """Rows of device-pixel RGB bytes of the play field."""
        shot = self.desktop.screenshot(os.path.join(self.work, "shot.png"))
        s = self.ratio
        data = self.desktop.pixels(shot, (288 * s, 432 * s, *self.at(FIELD_X, FIELD_Y)))
        stride = 288 * s * 3
        return [data[i * stride:(i + 1) * stride] for i in range(432 * s)]

    def cells(self, rows):
        edge = TILE * self.ratio
        return [[b"".join(rows[r * edge + i][c * edge * 3:(c + 1) * edge * 3] for i in range(edge))
                 for r in range(ROWS)] for c in range(COLUMNS)]


class HighDpi(unittest.TestCase):
    def run_at(self, ratio, corners):
        game = Scaled(self, ratio)
        try:
            self.check(game, corners)
        finally:
            game.close()

    def check(self, game, corners):
        """corners: where inside a cell the pointer goes, as fractions 0..1 of its device pixels."""
        s = game.ratio
        edge = TILE * s
        self.assertEqual((game.width, game.height), (620 * s, 544 * s), "the client area scales with the ratio")
        game.desktop.click(*game.at(*NEW_BUTTON))
        game.pointer_off_field()
        rows = game.field()

        # Whole-pixel scaling: each logical pixel is a uniform s x s block.
        for i in range(0, len(rows), s):
            for k in range(1, s):
                self.assertEqual(rows[i + k], rows[i], f"device rows {i} and {i + k} of the field differ")
            row = rows[i]
            for j in range(0, len(row), 3 * s):
                block = row[j:j + 3]
                self.assertEqual(row[j:j + 3 * s], block * s, f"the field is blurred at device pixel {j // 3}, {i}")

        dealt = game.cells(rows)
        colours = sorted({cell for column in dealt for cell in column})
        self.assertEqual(len(colours), 3, "three tile colours are dealt")
        board = [[colours.index(cell) for cell in column] for column in dealt]

        # The hover frame on exactly the cell under the pointer, and a click
        # there removes exactly that cell's group.
        for move, corner in enumerate(corners):
            offset = round(corner * (edge - 1))
            column, row = 3, 5
            game.desktop.move(*game.at(FIELD_X + column * TILE, FIELD_Y + row * TILE, offset, offset))
            time.sleep(0.8)
            hovered = game.cells(game.field())
            game.pointer_off_field()
            seen = game.cells(game.field())
            changed = [(c, r) for c in range(COLUMNS) for r in range(ROWS) if hovered[c][r] != seen[c][r]]
            if seen[column][row] in colours:
                self.assertEqual(changed, [(column, row)], f"hover frame at device offset {offset} of {edge}")

            start = next(((c, r) for r in range(ROWS) for c in range(COLUMNS)
                          if board[c][r] is not None and len(group(board, c, r)) >= 2), None)
            self.assertIsNotNone(start, "no group left to click")
            expected = after_move(board, group(board, *start))
            game.desktop.click(*game.at(FIELD_X + start[0] * TILE, FIELD_Y + start[1] * TILE, offset, offset))
            game.pointer_off_field()
            seen = game.cells(game.field())
            board = [[colours.index(cell) if cell in colours else None for cell in column] for column in seen]
            self.assertEqual(board, expected, f"move {move + 1} on cell {start}, device offset {offset} of {edge}")

    def test_ratio_1_control_first_middle_and_last_pixel(self):
        self.run_at(1, (0.0, 0.5, 1.0))

    def test_ratio_2_is_twice_the_size_sharp_and_the_pointed_cell_is_hovered_and_clicked(self):
        self.run_at(2, (0.0, 0.5, 0.9))

    def test_ratio_2_last_device_pixel_of_a_cell_is_that_cell(self):
        self.run_at(2, (1.0,))


if __name__ == "__main__":
    MIREL = os.path.abspath(sys.argv[1])
    unittest.main(argv=sys.argv[:1], verbosity=2)
