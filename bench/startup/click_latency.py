#!/usr/bin/env python3
"""Latency of a click on the play field in mirel under Xvfb, seen on the wire.

mirel talks to Xvfb through a timestamping proxy (xproxy.py). A game is
started and the pointer clicks cells of the field, resting on each cell first
so that the hover frame is already drawn; for every click that removes a group
(one the program answers with an image), the time from the proxy handing the
program the button release (the event mirel acts on) to the program's first
image request (ShmPutImage, PutImage or CopyArea) is noted, and the same from
the button press. Clicks on a single tile or an empty cell draw nothing and
are not counted. Reports the median and the range; the time includes waking
the program's event thread, not the proxy's own forwarding. The same is then
timed for startup_minimal_qt, which answers a click by painting a 36 x 36
square at once: the floor of the toolkit, the proxy and this machine.
Usage: click_latency.py BUILD_DIR [CLICKS] [SOUND (0 or 1)]
"""
import os
import random
import statistics
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tests", "support"))
sys.path.insert(0, HERE)
import xdesk  # noqa: E402
import xproxy  # noqa: E402

FIELD_X, FIELD_Y = 305, 52  # the play field's place in the main window
TILE, COLUMNS, ROWS = 36, 8, 12  # the easy level (Size = 36)
IMAGE_REQUESTS = {"ShmPutImage", "PutImage", "CopyArea"}


def first_after(entries, kind, names, after):
    for entry_kind, name, when in entries:
        if entry_kind == kind and name in names and when >= after:
            return when
    return None


def start_through(desktop, proxy, program, title, work):
    """The program started with its X connection through the proxy, and its window's id."""
    direct = desktop.env["DISPLAY"]
    desktop.env["DISPLAY"] = proxy.display  # the program alone goes through the proxy
    game = xdesk.Game(desktop, program, work)
    desktop.env["DISPLAY"] = direct
    wid = desktop.find_window(title)
    if wid is None:
        game.kill()
        sys.exit(f"{program} did not show its window: " + game.errors())
    time.sleep(1.0)
    return game, wid


def click_once(desktop, proxy, wid, column, row):
    """(release to image, press to image, requests in between) in microseconds, or None when nothing was drawn."""
    desktop.run("xdotool", "mousemove", "--window", wid, str(FIELD_X + column * TILE + TILE // 2),
                str(FIELD_Y + row * TILE + TILE // 2))
    time.sleep(0.15)
    proxy.clear()
    desktop.run("xdotool", "click", "1")
    time.sleep(0.15)
    entries = proxy.entries()
    press = first_after(entries, "event", {"XI_ButtonPress", "ButtonPress"}, 0)
    release = first_after(entries, "event", {"XI_ButtonRelease", "ButtonRelease"}, 0)
    if press is None or release is None:
        return None
    image = first_after(entries, "request", IMAGE_REQUESTS, release)
    if image is None:
        return None
    between = [name for kind, name, when in entries if kind == "request" and release <= when < image]
    return (image - release) / 1000, (image - press) / 1000, between


def summary(times):
    return f"median {statistics.median(times):.0f} us (range {min(times):.0f} to {max(times):.0f})"


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    clicks = int(sys.argv[2]) if len(sys.argv) > 2 else 40
    sound = int(sys.argv[3]) if len(sys.argv) > 3 else 0
    (_, mirel, _), (_, minimal, minimal_title) = xdesk.programs(build)
    rng = random.Random(1)
    with xdesk.Desktop() as desktop, xdesk.scratch("mirel-click-") as work, \
            xproxy.XProxy(desktop.env["DISPLAY"]) as proxy:
        xdesk.write_config(work, Sound=sound, Size=TILE)
        game, wid = start_through(desktop, proxy, mirel, xdesk.TITLE, work)
        desktop.click_in(wid, 39 + 48, 428 + 18, settle=0.5)  # New
        release, press, between = [], [], []
        for _ in range(clicks * 4):
            if len(release) >= clicks:
                break
            # Lower cells hold tiles longest: tiles fall down and columns close to the left.
            result = click_once(desktop, proxy, wid, rng.randrange(COLUMNS), rng.randrange(ROWS // 3, ROWS))
            if result:
                release.append(result[0])
                press.append(result[1])
                between.append(result[2])
        game.kill()
        floor = []
        game, wid = start_through(desktop, proxy, minimal, minimal_title, work)
        for i in range(clicks):
            result = click_once(desktop, proxy, wid, i % COLUMNS, ROWS // 2)
            if result:
                floor.append(result[0])
        game.kill()
    if not release or not floor:
        sys.exit("no click drew anything")
    requests = statistics.median(len(b) for b in between)
    print(f"click to first image request, sound {sound}: mirel {len(release)} clicks, from the button release "
          f"{summary(release)}, from the press median {statistics.median(press):.0f} us, median {requests:.0f} "
          f"requests before the image; the minimal program {len(floor)} clicks, {summary(floor)} "
          f"(target <= 500 us)")
    print("requests between release and image in mirel's first click:", " ".join(between[0]) or "none")


if __name__ == "__main__":
    main()
