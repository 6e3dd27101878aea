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
With sound on, moves made after the sound device has rested play as well.
Usage: engine_board_test.py PATH_TO_MIREL
"""
import os
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import xdesk  # noqa: E402
from board_shots import QUIT_BUTTON, ROWS, UNDO_BUTTON, BoardCase, next_move  # noqa: E402


class BoardFromScreenshots(BoardCase):
    settings = {"Colors": 3}

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
            self.click_cell(wid, start)
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


class MovesWithSound(BoardCase):
    """Sound on: the device rests after some quiet seconds, and the next
    pointer move and click wake it, the move played as the rule says."""
    settings = {"Colors": 3, "Sound": 1}

    def test_moves_after_the_sound_device_rested(self):
        wid = self.main_window()
        colours, board = self.deal(wid)
        for move in range(2):
            time.sleep(6.0)  # quiet for longer than the device stays ready
            found = next_move(board)
            self.assertIsNotNone(found, "the board has a group")
            start, expected = found
            self.click_cell(wid, start)
            board = self.board(wid, colours)
            self.assertEqual(board, expected, f"move {move + 1} at {start}")
        self.assertTrue(self.game.alive())
        self.quit(wid)


if __name__ == "__main__":
    xdesk.GameCase.program = os.path.abspath(sys.argv[1])
    unittest.main(argv=sys.argv[:1], verbosity=2)
