#!/usr/bin/env python3
"""End-to-end check that tournament results reach config.ini.

Tournament games on the easy level of three colours in the real program:
- a hand-edited time limit of 3 seconds runs out, the loss is stored in the
  group "Lvl-Lo" within seconds of the deal, and Ctrl+Q then ends the program
  without a question (the game is over) and without a second loss;
- a game cleared tile by tile (the board read from screenshots, a clearing
  found by a search over the rule, every board on the way checked against the
  rule) is stored as won. A deal the search cannot clear is abandoned with
  New answered Yes, which the game stores as a loss, and the next is tried.
The counts are read from config.ini after the program has ended.
Usage: tournament_test.py PATH_TO_MIREL
"""
import os
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import xdesk  # noqa: E402
from board_shots import COLUMNS, NEW_BUTTON, ROWS, BoardCase, clearing  # noqa: E402

DEALS = 5  # deals tried for a win before the test gives up


class TournamentResults(BoardCase):
    settings = {"Colors": 3, "Mode": "T"}
    start = False  # each case starts the program itself, after its own config.ini

    def level_group(self):
        try:
            return xdesk.read_config(self.work).get("Lvl-Lo", {})
        except FileNotFoundError:
            return {}

    def end_with_ctrl_q(self, wid):
        """Ctrl+Q, a Quit Game box answered Yes if one comes; whether it came; the program must end with 0."""
        self.desktop.press(wid, "ctrl+q")
        asked = self.answer_yes(timeout=2)
        self.assertEqual(self.game.wait(timeout=15), 0, self.game.errors())
        return asked

    def test_a_game_lost_on_time_is_stored_as_lost(self):
        xdesk.write_config(self.work, **self.settings, Time=3)
        self.start_game()
        wid = self.main_window()
        self.deal(wid)
        dealt = time.monotonic()
        while not self.level_group() and time.monotonic() - dealt < 15:
            time.sleep(0.2)
        taken = time.monotonic() - dealt
        self.assertEqual(self.level_group(), {"OA_Lost": "1", "ST_Lost": "1"}, "no loss stored within 15 s")
        self.assertGreater(taken, 1.5, "the loss came before the clock ran out")
        self.assertLess(taken, 8, "the 3 s limit was not honoured")
        time.sleep(1)
        self.assertFalse(self.end_with_ctrl_q(wid), "the lost game still asked before quitting")
        stored = xdesk.read_config(self.work)
        self.assertEqual(stored["Lvl-Lo"], {"OA_Lost": "1", "ST_Lost": "1"})
        self.assertNotIn("Lvl-Hi", stored)
        self.assertEqual(stored["Settings"]["Time"], "3")

    def test_a_cleared_board_is_stored_as_won(self):
        self.start_game()
        wid = self.main_window()
        colours, board = self.deal(wid)
        abandoned = 0
        while (moves := clearing(board)) is None:
            self.assertLess(abandoned + 1, DEALS, f"no clearing found in {DEALS} deals")
            self.click(wid, *NEW_BUTTON)
            self.assertTrue(self.answer_yes(), "New in a running tournament game did not ask")
            abandoned += 1
            time.sleep(1.0)
            colours, board = self.read_deal(wid, 3)
        self.assertEqual(self.level_group(), {"OA_Lost": str(abandoned), "ST_Lost": str(abandoned)}
                         if abandoned else {})
        for number, (cell, expected) in enumerate(moves, 1):
            self.click_cell(wid, cell)
            board = self.board(wid, colours)
            self.assertEqual(board, expected, f"move {number} of {len(moves)} at {cell}")
        self.assertEqual(board, [[None] * ROWS for _ in range(COLUMNS)])
        time.sleep(1)
        self.assertFalse(self.end_with_ctrl_q(wid), "the won game still asked before quitting")
        won = {"OA_Won": "1", "ST_Won": "1"}
        if abandoned:
            won.update(OA_Lost=str(abandoned), ST_Lost=str(abandoned))
        self.assertEqual(xdesk.read_config(self.work)["Lvl-Lo"], won)


if __name__ == "__main__":
    xdesk.GameCase.program = os.path.abspath(sys.argv[1])
    unittest.main(argv=sys.argv[:1], verbosity=2)
