"""The easy level's board read back from screenshots, and the game's rule on it.

Every tile of a colour is drawn from the same sprite, so identical cell
pictures are the same colour. A board is a list of columns, each a list of
rows from the top: a colour index per tile, None for a cleared cell.
BoardCase adds the reading and the usual input to xdesk.GameCase.

Scripts import this file as they import xdesk.py, by its path.
"""
import os
import time

import xdesk

FIELD_X, FIELD_Y, TILE, COLUMNS, ROWS = 305, 52, 36, 8, 12
NEW_BUTTON = (39 + 48, 428 + 18)
PAUSE_BUTTON = (39 + 48, 376 + 18)
UNDO_BUTTON = (156 + 48, 376 + 18)
QUIT_BUTTON = (156 + 48, 428 + 18)


def cell_centre(cell):
    """The main window's point at the middle of (column, row) of the field."""
    return FIELD_X + cell[0] * TILE + TILE // 2, FIELD_Y + cell[1] * TILE + TILE // 2


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
    """The board the rule leaves once the cells go: tiles fall, emptied columns close up to the left."""
    columns = []
    for c in range(COLUMNS):
        kept = [board[c][r] for r in range(ROWS) if (c, r) not in cells and board[c][r] is not None]
        if kept:
            columns.append([None] * (ROWS - len(kept)) + kept)
    return columns + [[None] * ROWS for _ in range(COLUMNS - len(columns))]


def groups(board):
    """Every group of two or more tiles: (its first cell column by column, its cells)."""
    seen, found = set(), []
    for c in range(COLUMNS):
        for r in range(ROWS):
            if board[c][r] is not None and (c, r) not in seen:
                cells = group(board, c, r)
                seen |= cells
                if len(cells) >= 2:
                    found.append(((c, r), cells))
    return found


def next_move(board):
    """The first cell, column by column, of a group of two or more and the board the rule leaves after
    it; None when no move is left."""
    found = groups(board)
    return found and (found[0][0], after_move(board, found[0][1]))


def clearing(board, budget=20000):
    """Moves [(cell, board after it)] that clear the whole board, found by a depth-first search over
    at most budget boards; None when none was found. A colour left with a single tile can never go,
    so such a board is given up at once."""
    seen = set()

    def hopeless(b):
        counts = {}
        for column in b:
            for tile in column:
                if tile is not None:
                    counts[tile] = counts.get(tile, 0) + 1
        return 1 in counts.values()

    def search(b):
        if all(tile is None for column in b for tile in column):
            return []
        key = tuple(map(tuple, b))
        if key in seen or len(seen) >= budget or hopeless(b):
            return None
        seen.add(key)
        # Large groups first: they join the rest of their colour less often than they break it up.
        for start, cells in sorted(groups(b), key=lambda g: -len(g[1])):
            after = after_move(b, cells)
            rest = search(after)
            if rest is not None:
                return [(start, after)] + rest
        return None

    return search(board)


class BoardCase(xdesk.GameCase):
    """A GameCase on the easy level that reads the field from screenshots and clicks it."""

    def click(self, wid, x, y):
        self.desktop.click_in(wid, x, y)
        # Off the field again, so no hover frame is drawn over a tile.
        self.desktop.run("xdotool", "mousemove", "--window", wid, "100", "100")
        time.sleep(0.6)

    def click_cell(self, wid, cell):
        self.click(wid, *cell_centre(cell))

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

    def read_deal(self, wid, count):
        """The board just dealt, of count colours: (colours, board)."""
        dealt = self.cells(wid)
        colours = sorted({cell for column in dealt for cell in column})
        self.assertEqual(len(colours), count, f"{count} tile colours are dealt")
        return colours, [[colours.index(cell) for cell in column] for column in dealt]

    def deal(self, wid, count=3):
        """Starts a game with New and reads the dealt board: (colours, board)."""
        self.click(wid, *NEW_BUTTON)
        return self.read_deal(wid, count)

    def main_window(self):
        wid = self.desktop.find_window(xdesk.TITLE)
        self.assertIsNotNone(wid, "the main window did not appear: " + self.game.errors())
        time.sleep(1.0)
        return wid

    def answer_yes(self, title="Quit Game", timeout=5):
        """Answers the Yes/No box of this title with Enter (Yes is its default button); whether it came."""
        box = self.desktop.find_window(title, timeout=timeout)
        if box:
            self.desktop.press(box, "Return")
        return box is not None

    def quit(self, wid):
        self.desktop.press(wid, "ctrl+q")
        time.sleep(0.5)
        self.answer_yes(timeout=5)
