#!/usr/bin/env python3
"""End-to-end check that the real program prints nothing without a sound device.

The program runs under Xvfb with OpenAL Soft left to find a device of its own
(no ALSOFT_DRIVERS), as on a machine without a sound card, plays a game's start
and quits; its standard error must stay empty. The desktop's runtime folder is
set, as a desktop session sets it.
Usage: silent_start_test.py PATH_TO_MIREL
"""
import os
import shutil
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import xdesk  # noqa: E402

MIREL = ""
NEW_BUTTON = (39 + 48, 428 + 18)


class SilentWithoutSound(unittest.TestCase):
    def setUp(self):
        self.work = tempfile.mkdtemp(prefix="mirel-e2e-silent-")
        self.runtime = tempfile.mkdtemp(prefix="mirel-e2e-runtime-")  # mode 0700
        self.desktop = xdesk.Desktop(extra_env={"XDG_RUNTIME_DIR": self.runtime})
        self.desktop.env.pop("ALSOFT_DRIVERS", None)
        self.desktop.env.pop("ALSOFT_LOGLEVEL", None)

    def tearDown(self):
        self.desktop.close()
        shutil.rmtree(self.work, ignore_errors=True)
        shutil.rmtree(self.runtime, ignore_errors=True)

    def test_nothing_reaches_standard_error(self):
        xdesk.write_config(self.work, Sound="1")
        game = xdesk.Game(self.desktop, MIREL, self.work)
        try:
            wid = self.desktop.find_window(xdesk.TITLE)
            self.assertIsNotNone(wid, "the main window did not appear: " + game.errors())
            time.sleep(1.0)
            self.desktop.click_in(wid, *NEW_BUTTON, settle=1.0)
            self.desktop.click_in(wid, *NEW_BUTTON, settle=1.0)  # a practice game is replaced without a question
            self.desktop.press(wid, "Escape")  # hidden in the tray, or minimised
            time.sleep(0.5)
            game.proc.terminate()
            game.wait(10)
        finally:
            game.kill()
        self.assertEqual(game.errors(), "")


if __name__ == "__main__":
    MIREL = os.path.abspath(sys.argv.pop(1))
    unittest.main()
