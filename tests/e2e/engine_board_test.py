#!/usr/bin/env python3
"""End-to-end check of the game's rule in the real program under Xvfb.

Starts mirel in an empty working directory with an easy practice game of three
colours, presses New, reads the dealt board back from a screenshot (every tile
of a colour is drawn from the same sprite, so identical cell pictures are the
same colour), then clicks a few groups and checks each board read back against
the rule: the group goes, tiles fall onto the bottom row in their order, and
emptied columns close up to the left. Undo then brings back each board before.
The same game is played with the keyboard: the arrows move the highlight and
Space removes the group, Ctrl+Z undoes. A press on Quit released outside it
leaves no focus on the button, so Space and Enter cannot end the program.
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
QUIT_BUTTON = (156 + 48, 428 + 18)


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


def next_move(board):
    """The first cell, column by column, of a group of two or more and the board the rule leaves after
    it; None when no move is left."""
    start = next(((c, r) for c in range(COLUMNS) for r in range(ROWS)
                  if board[c][r] is not None and len(group(board, c, r)) >= 2), None)
    return start and (start, after_move(board, group(board, *start)))


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

    def deal(self, wid):
        """Starts a game with New and reads the dealt board: (colours, board)."""
        self.click(wid, *NEW_BUTTON)
        dealt = self.cells(wid)
        colours = sorted({cell for column in dealt for cell in column})
        self.assertEqual(len(colours), 3, "three tile colours are dealt")
        return colours, [[colours.index(cell) for cell in column] for column in dealt]

    def main_window(self):
        wid = self.desktop.find_window(xdesk.TITLE)
        self.assertIsNotNone(wid, "the main window did not appear")
        time.sleep(1.0)
        return wid

    def quit(self, wid):
        self.desktop.press(wid, "ctrl+q")
        time.sleep(0.5)
        box = self.desktop.find_window("Quit Game", timeout=5)
        if box:
            self.desktop.press(box, "Return")  # Yes is the default button

    def test_moves_follow_the_rule(self):
        wid = self.main_window()
        colours, board = self.deal(wid)
        counts = sorted(sum(column.count(k) for column in board) for k in range(3))
        self.assertEqual(counts, [32, 32, 32])

        moves, history = 0, [board]
        for move in range(4):
            if not (found := next_move(board)):
                break
            moves += 1
            start, expected = found
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
        self.quit(wid)

    def test_keyboard_moves_follow_the_rule(self):
        wid = self.main_window()
        colours, board = self.deal(wid)  # the pointer rests off the field
        self.desktop.press(wid, "Down")  # lights the bottom-left cell
        at, moves, history = (0, ROWS - 1), 0, [board]
        for move in range(4):
            if not (found := next_move(board)):
                break
            moves += 1
            start, expected = found
            steps = ["Right" if start[0] > at[0] else "Left"] * abs(start[0] - at[0])
            steps += ["Down" if start[1] > at[1] else "Up"] * abs(start[1] - at[1])
            self.desktop.press(wid, " ".join(steps + ["space"]))
            time.sleep(0.6)
            at = start
            board = self.board(wid, colours)
            # The highlighted cell shows the frame, not its tile.
            self.assertNotIn(board[at[0]][at[1]], range(3), "the frame is drawn where the keys left it")
            board[at[0]][at[1]] = expected[at[0]][at[1]]
            self.assertEqual(board, expected, f"move {move + 1} at {start}")
            history.append(board)
        self.assertGreater(moves, 0, "the dealt board had no group at all")

        self.desktop.press(wid, "ctrl+z")
        time.sleep(0.6)
        board = self.board(wid, colours)
        board[at[0]][at[1]] = history[-2][at[0]][at[1]]
        self.assertEqual(board, history[-2], "Ctrl+Z takes the last move back")
        self.quit(wid)

    def test_a_press_on_quit_released_outside_leaves_no_focus_for_space(self):
        wid = self.main_window()
        self.desktop.run("xdotool", "mousemove", "--window", wid, *map(str, QUIT_BUTTON))
        time.sleep(0.2)
        self.desktop.run("xdotool", "mousedown", "1")
        time.sleep(0.2)
        self.desktop.run("xdotool", "mousemove", "--window", wid, "100", "100")
        time.sleep(0.2)
        self.desktop.run("xdotool", "mouseup", "1")
        time.sleep(0.3)
        self.desktop.press(wid, "space")
        self.desktop.press(wid, "Return")
        time.sleep(1.0)
        self.assertTrue(self.game.alive(), "Space or Enter pressed the Quit button")
        self.assertIsNotNone(self.desktop.find_window(xdesk.TITLE, timeout=2))


if __name__ == "__main__":
    xdesk.GameCase.program = os.path.abspath(sys.argv[1])
    unittest.main(argv=sys.argv[:1], verbosity=2)
