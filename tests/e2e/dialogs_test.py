#!/usr/bin/env python3
"""End-to-end check that every dialog opens from the toolbar and closes with its close box.

Under openbox, each window is opened as a player opens it: Statistics with
toolbar button 0; Game Settings and Image Collection from the menu of toolbar
button 1 (Options); About from the menu of toolbar button 2 (Help), and the
licence window with the About window's "License Agreement" button. Each is
found by its exact title and closed by the window manager's close request
(Alt+F4, openbox's binding for the close box), after which it is gone and the
window under it is enabled and answers again: a click on New there deals a
board, or (for the licence window) the About window closes in turn. Escape
on an open menu closes the menu only.
Usage: dialogs_test.py PATH_TO_MIREL
"""
import os
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import xdesk  # noqa: E402
from board_shots import BoardCase  # noqa: E402

# The centres of the toolbar buttons' icons, in window coordinates.
TOOLBAR = {"Statistics": (14, 14), "Options": (45, 14), "Help": (74, 14)}
LICENCE_BUTTON = (310 + 75, 130 + 15)  # in the About window


class DialogsFromTheToolbar(BoardCase):
    desktop_options = {"window_manager": True}
    settings = {"Colors": 3}

    def open_dialog(self, wid, button, title, menu_keys=""):
        """Clicks the toolbar button, picks the pop-up menu's item by keys if given; the dialog's id."""
        self.desktop.click_in(wid, *TOOLBAR[button], settle=0.8)
        if menu_keys:
            self.desktop.run("xdotool", "key", "--delay", "150", *menu_keys.split())
        dialog = self.desktop.find_window(title, timeout=10)
        self.assertIsNotNone(dialog, f"{title!r} did not open; windows: {self.desktop.visible_titles()}")
        time.sleep(0.8)
        return dialog

    def close_box(self, dialog, title):
        """Asks the window manager to close the dialog, as its close box does; it must go."""
        self.desktop.activate(dialog)
        self.desktop.run("xdotool", "windowfocus", "--sync", dialog)
        time.sleep(0.3)
        self.desktop.run("xdotool", "key", "--clearmodifiers", "alt+F4")
        self.assertTrue(self.desktop.window_gone(title, timeout=5), f"{title!r} is still open after Alt+F4")
        time.sleep(0.5)

    def assert_main_window_answers(self, wid):
        self.assertTrue(self.game.alive(), self.game.errors())
        self.desktop.activate(wid)
        self.deal(wid)  # reads three tile colours on the field, so New was taken
        self.quit(wid)
        self.assertEqual(self.game.wait(timeout=15), 0, "Ctrl+Q and Yes did not end the program")

    def check(self, button, title, menu_keys=""):
        wid = self.main_window()
        dialog = self.open_dialog(wid, button, title, menu_keys)
        self.close_box(dialog, title)
        self.assert_main_window_answers(wid)

    def test_statistics(self):
        self.check("Statistics", "Statistics")

    def test_game_settings(self):
        self.check("Options", "Settings", "Down Return")

    def test_image_collection(self):
        self.check("Options", "Image Collection", "Down Down Return")

    def test_about(self):
        self.check("Help", "About", "Down Return")

    def test_licence_window_from_about(self):
        wid = self.main_window()
        about = self.open_dialog(wid, "Help", "About", "Down Return")
        self.desktop.click_in(about, *LICENCE_BUTTON, settle=0.5)
        licence = self.desktop.find_window("License Agreement", timeout=10)
        self.assertIsNotNone(licence, f"the licence window did not open; windows: {self.desktop.visible_titles()}")
        time.sleep(0.8)
        self.close_box(licence, "License Agreement")
        self.assertIsNotNone(self.desktop.find_window("About", timeout=1), "the About window went too")
        self.close_box(about, "About")
        self.assert_main_window_answers(wid)

    def test_escape_closes_a_menu_and_leaves_the_game_alone(self):
        # The menu takes the keyboard while it is open: Escape must not reach the main window, whose
        # shortcut would minimise the game (openbox has no notification area).
        wid = self.main_window()
        self.desktop.click_in(wid, *TOOLBAR["Options"], settle=0.8)
        self.desktop.run("xdotool", "key", "Escape")
        time.sleep(1.0)
        self.assertEqual(self.desktop.wm_state(wid), "Normal", "Escape on the menu reached the main window")
        self.desktop.run("xdotool", "key", "--delay", "150", "Down", "Return")
        self.assertIsNone(self.desktop.find_window("Settings", timeout=2), "the menu stayed open after Escape")
        self.assert_main_window_answers(wid)


if __name__ == "__main__":
    xdesk.GameCase.program = os.path.abspath(sys.argv[1])
    unittest.main(argv=sys.argv[:1], verbosity=2)
