#!/usr/bin/env python3
"""Fault runs of the real program against a broken asset library, under Xvfb.

Each case copies mirel into a directory of its own with the library under
test beside it: one that exports the four names but answers null for
everything (the game must start, deal and take clicks and dialogs without a
picture, and quit normally), and the real one removed while the game runs
(the next new game must show the "Library Error" box and end with exit
code 0), the real one cut to half its size (the "Library Error" box,
exit code 0, never a crash in the system loader), and a named pipe in its
place (the same box at once, never a start-up waiting on the pipe).
Usage: library_faults_test.py PATH_TO_MIREL REAL_LIBRARY NULL_LIBRARY
"""
import os
import shutil
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import xdesk  # noqa: E402

MIREL = REAL = NULL = ""
NEW_BUTTON = (39 + 48, 428 + 18)
TOOLBAR_OPTIONS = (52, 14)  # the second 24 x 24 button of the toolbar along the top edge
FIELD = (305, 52, 288, 432)


class BrokenLibrary(unittest.TestCase):
    # A server of its own for each case, so no case sees another's windows.
    def setUp(self):
        self.desktop = xdesk.Desktop()
        self.work = tempfile.mkdtemp(prefix="mirel-library-")
        self.game = None

    def tearDown(self):
        if self.game:
            self.game.kill()
        self.desktop.close()
        shutil.rmtree(self.work, ignore_errors=True)

    def start(self, library):
        shutil.copy(MIREL, os.path.join(self.work, "mirel"))
        shutil.copy(library, os.path.join(self.work, "mirelgfx01.so"))
        self.game = xdesk.Game(self.desktop, os.path.join(self.work, "mirel"), self.work)
        wid = self.desktop.find_window(xdesk.TITLE)
        self.assertIsNotNone(wid, f"the main window did not appear: {self.desktop.visible_titles()}")
        time.sleep(1.0)
        self.origin = self.desktop.geometry(wid)[:2]
        return wid

    def click(self, x, y):
        self.desktop.click(self.origin[0] + x, self.origin[1] + y)
        time.sleep(0.3)
        if not self.game.alive():
            self.fail(f"the game died (code {self.game.wait()}) after a click at {x}, {y}: {self.game.errors()}")

    def test_library_answering_null_plays_without_pictures(self):
        wid = self.start(NULL)
        # The image collection window finds no portrait and still opens and
        # closes (the options are open only between games).
        self.click(*TOOLBAR_OPTIONS)
        self.desktop.run("xdotool", "key", "Down", "Down", "Return")
        collection = self.desktop.find_window("Image Collection", timeout=10)
        self.assertIsNotNone(collection, "the image collection window did not open")
        cx, cy, _, _ = self.desktop.geometry(collection)
        self.desktop.click(cx + 200, cy + 310)  # its Close button
        self.assertTrue(self.desktop.window_gone("Image Collection"), "the collection window does not close")
        self.click(*NEW_BUTTON)
        x, y, width, height = FIELD
        for cx in range(x + 12, x + width, 24):
            self.click(cx, y + height - 12)
        self.desktop.press(wid, "ctrl+q")
        box = self.desktop.find_window("Quit Game", timeout=5)
        if box:
            self.desktop.press(box, "Return")
        self.assertEqual(self.game.wait(timeout=10), 0)

    def test_library_removed_while_running_ends_at_the_next_game_with_the_error_box(self):
        self.start(REAL)
        os.remove(os.path.join(self.work, "mirelgfx01.so"))
        self.click(*NEW_BUTTON)
        box = self.desktop.find_window("Library Error", timeout=10)
        self.assertIsNotNone(box, f"no Library Error box: {self.desktop.visible_titles()}")
        self.desktop.press(box, "Return")
        self.assertEqual(self.game.wait(timeout=10), 0)


    def test_library_cut_to_half_gives_the_error_box_and_exit_code_0(self):
        shutil.copy(MIREL, os.path.join(self.work, "mirel"))
        with open(REAL, "rb") as whole, open(os.path.join(self.work, "mirelgfx01.so"), "wb") as cut:
            data = whole.read()
            cut.write(data[:len(data) // 2])
        self.game = xdesk.Game(self.desktop, os.path.join(self.work, "mirel"), self.work)
        box = self.desktop.find_window("Library Error", timeout=15)
        self.assertIsNotNone(box, f"no Library Error box (exit {self.game.proc.poll()}): {self.game.errors()}")
        self.assertIsNone(self.desktop.find_window(xdesk.TITLE, timeout=0.5), "the main window must not open")
        self.desktop.press(box, "Return")
        self.assertEqual(self.game.wait(timeout=10), 0)

    def test_named_pipe_for_the_library_gives_the_error_box_and_exit_code_0(self):
        shutil.copy(MIREL, os.path.join(self.work, "mirel"))
        os.mkfifo(os.path.join(self.work, "mirelgfx01.so"))
        self.game = xdesk.Game(self.desktop, os.path.join(self.work, "mirel"), self.work)
        box = self.desktop.find_window("Library Error", timeout=15)
        self.assertIsNotNone(box, f"no Library Error box (exit {self.game.proc.poll()}): {self.game.errors()}")
        self.assertIsNone(self.desktop.find_window(xdesk.TITLE, timeout=0.5), "the main window must not open")
        self.desktop.press(box, "Return")
        self.assertEqual(self.game.wait(timeout=10), 0)


if __name__ == "__main__":
    MIREL, REAL, NULL = (os.path.abspath(p) for p in sys.argv[1:4])
    unittest.main(argv=sys.argv[:1], verbosity=2)
