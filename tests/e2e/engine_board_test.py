#!/usr/bin/env python3
"""End-to-end check of the game's rule in the real program under Xvfb.

Starts mirel in an empty working directory with an easy practice game of three
colours, presses New, reads the dealt board back from a screenshot (every tile
of a colour is drawn from the same sprite, so identical cell pictures are the
same colour), then clicks a few groups and checks each board read back against
the rule: the group goes, tiles fall onto the bottom row in their order, and
emptied columns close up to the left. Undo then brings back each board before.
Usage: engine_board_test.py PATH_TO_MIREL
"""
import os
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import xdesk  # noqa: E402

FIELD_X, FIELD_Y, TILE, COLUMNS, ROWS = 305, 52, 36, 8, 12
NEW_BUTTON = (39 + 48, 428 + 18)
UNDO_BUTTON = (156 + 48, 376 + 18)


def group(board, column, row):
    """The 4-connected cells of the colour of (column, row)."""
    colour, todo, seen = board[column][row], [(column, row)], {(column, row)}
    while todo:
        c, r = todo.pop()
        for n in ((c - 1, r), (c + 1, r), (c, r - 1), (c, r + 1)):
            if 0 <= n[0] < COLUMNS and 0 <= n[1] < ROWS and n not in seen and board[n[0]][n[1]] == colour:
                seen.add(n)
                todo.append(n)
    return seen


def after_move(board, cells):
    columns = []
    for c in range(COLUMNS):
        kept = [board[c][r] for r in range(ROWS) if (c, r) not in cells and board[c][r] is not None]
        if kept:
            columns.append([None] * (ROWS - len(kept)) + kept)
    return columns + [[None] * ROWS for _ in range(COLUMNS - len(columns))]


class BoardFromScreenshots(xdesk.GameCase):
    settings = {"Colors": 3}

    def click(self, wid, x, y):
        self.desktop.click_in(wid, x, y)
        # Off the field again, so no hover frame is drawn over a tile.
        self.desktop.run("xdotool", "mousemove", "--window", wid, "100", "100")
        time.sleep(0.6)

    def cells(self, wid):
        """The picture of every cell of the field, [column][row]."""
        x, y, _, _ = self.desktop.geometry(wid)
        shot = os.path.join(self.work, "shot.png")
        self.desktop.screenshot(shot)
        field = self.desktop.pixels(shot, (COLUMNS * TILE, ROWS * TILE, x + FIELD_X, y + FIELD_Y))
        stride = COLUMNS * TILE * 3
        return [[b"".join(field[(r * TILE + i) * stride + c * TILE * 3:(r * TILE + i) * stride + (c + 1) * TILE * 3]
                          for i in range(TILE)) for r in range(ROWS)] for c in range(COLUMNS)]

    def board(self, wid, colours):
        """The board on the screen: a colour index per tile, None for a cleared cell."""
        return [[colours.index(cell) if cell in colours else None for cell in column] for column in self.cells(wid)]

    def test_moves_follow_the_rule(self):
        wid = self.desktop.find_window(xdesk.TITLE)
        self.assertIsNotNone(wid, "the main window did not appear")
        time.sleep(1.0)
        self.click(wid, *NEW_BUTTON)
        dealt = self.cells(wid)
        colours = sorted({cell for column in dealt for cell in column})
        self.assertEqual(len(colours), 3, "three tile colours are dealt")
        board = [[colours.index(cell) for cell in column] for column in dealt]
        counts = sorted(sum(column.count(k) for column in board) for k in range(3))
        self.assertEqual(counts, [32, 32, 32])

        moves, history = 0, [board]
        for move in range(4):
            start = next(((c, r) for c in range(COLUMNS) for r in range(ROWS)
                          if board[c][r] is not None and len(group(board, c, r)) >= 2), None)
            if start is None:
                break
            moves += 1
            expected = after_move(board, group(board, *start))
            self.click(wid, FIELD_X + start[0] * TILE + TILE // 2, FIELD_Y + start[1] * TILE + TILE // 2)
            board = self.board(wid, colours)
            self.assertEqual(board, expected, f"move {move + 1} at {start}")
            history.append(board)
        self.assertGreater(moves, 0, "the dealt board had no group at all")

        # Unlimited undo: every move back to the deal.
        for step in range(moves - 1, -1, -1):
            self.click(wid, *UNDO_BUTTON)
            board = self.board(wid, colours)
            self.assertEqual(board, history[step], f"undo back to step {step}")

        self.desktop.press(wid, "ctrl+q")
        time.sleep(0.5)
        box = self.desktop.find_window("Quit Game", timeout=5)
        if box:
            self.desktop.press(box, "Return")  # Yes is the default button


if __name__ == "__main__":
    xdesk.GameCase.program = os.path.abspath(sys.argv[1])
    unittest.main(argv=sys.argv[:1], verbosity=2)
