#!/usr/bin/env python3
"""Latency of a click on the play field in mirel under Xvfb, seen on the wire.

mirel talks to Xvfb through a timestamping proxy (xproxy.py). A game is
started and the pointer clicks cells of the field, resting on each cell first
so that the hover frame is already drawn; for every click that removes a group
(one the program answers with an image), the time from the proxy handing the
program the button release (the event mirel acts on) to the program's first
image request (ShmPutImage, PutImage or CopyArea) is noted, and the same from
the button press. Clicks on a single tile or an empty cell draw nothing and
are not counted. The request is timed twice: when its first bytes reached the
proxy (the program sent it) and when its last did (a large image crosses the
socket in several reads of the proxy, so this adds the proxy's taking it in).
Both include waking the program's event thread, not the proxy's forwarding.

Each such click is paired with a click on startup_minimal_qt, on an X server
and through a proxy of its own, which answers by painting at once as many
pixels as mirel's first image had (the rows below the pointer), through the same
path of the toolkit (without MIT-SHM, as mirel sets it): the floor of the
toolkit, the proxy and this machine for a frame of that size. The two clicks
follow each other, so a change in the machine's load falls on both.
Usage: click_latency.py BUILD_DIR [CLICKS] [SOUND (0 or 1)]
"""
import collections
import os
import random
import statistics
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tests", "support"))
sys.path.insert(0, HERE)
import board_shots  # noqa: E402
import xdesk  # noqa: E402
import xproxy  # noqa: E402

FIELD_WIDTH = board_shots.TILE * board_shots.COLUMNS
# The minimal program paints rows of the field's width, and like mirel does without MIT-SHM.
FLOOR_ENV = {"QT_XCB_NO_MITSHM": "1"}
IMAGE_REQUESTS = {"ShmPutImage", "PutImage", "CopyArea"}

# Microseconds from the button release to the first bytes of the first image request and to its last
# byte, from the press to the first bytes, the requests sent in between and the image request's bytes.
Click = collections.namedtuple("Click", "sent whole from_press between size")


def first_after(entries, kind, names, after):
    for entry in entries:
        if entry.kind == kind and entry.name in names and entry.when >= after:
            return entry
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


def click_at(desktop, proxy, wid, x, y):
    """The Click at (x, y) of the window, or None when nothing was drawn."""
    desktop.run("xdotool", "mousemove", "--window", wid, str(x), str(y))
    time.sleep(0.15)
    proxy.clear()
    desktop.run("xdotool", "click", "1")
    time.sleep(0.15)
    entries = proxy.entries()
    press = first_after(entries, "event", {"XI_ButtonPress", "ButtonPress"}, 0)
    release = first_after(entries, "event", {"XI_ButtonRelease", "ButtonRelease"}, 0)
    if press is None or release is None:
        return None
    image = first_after(entries, "request", IMAGE_REQUESTS, release.when)
    if image is None:
        return None
    between = [e.name for e in entries if e.kind == "request" and release.when <= e.when < image.when]
    return Click((image.started - release.when) / 1000, (image.when - release.when) / 1000,
                 (image.started - press.when) / 1000, between, image.size)


def summary(times):
    return f"median {statistics.median(times):.0f} us (range {min(times):.0f} to {max(times):.0f})"


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    clicks = int(sys.argv[2]) if len(sys.argv) > 2 else 40
    sound = int(sys.argv[3]) if len(sys.argv) > 3 else 0
    (_, mirel, _), (_, minimal, minimal_title) = xdesk.programs(build)
    rng = random.Random(1)
    with xdesk.Desktop() as desktop, xdesk.Desktop(extra_env=FLOOR_ENV) as floor_desk, \
            xdesk.scratch("mirel-click-") as work, xproxy.XProxy(desktop.env["DISPLAY"]) as proxy, \
            xproxy.XProxy(floor_desk.env["DISPLAY"]) as floor_proxy:
        xdesk.write_config(work, Sound=sound, Size=board_shots.TILE)
        game, wid = start_through(desktop, proxy, mirel, xdesk.TITLE, work)
        floor_game, floor_wid = start_through(floor_desk, floor_proxy, minimal, minimal_title, work)
        floor_height = int(floor_desk.run("xdotool", "getwindowgeometry", floor_wid).stdout.split("x")[-1])
        desktop.click_in(wid, *board_shots.NEW_BUTTON, settle=0.5)
        mirel_clicks, floor, excess = [], [], []
        misses = 0
        for _ in range(clicks * 4):
            if len(mirel_clicks) >= clicks:
                break
            # Lower cells hold tiles longest: tiles fall down and columns close to the left.
            column, row = rng.randrange(board_shots.COLUMNS), rng.randrange(board_shots.ROWS // 3, board_shots.ROWS)
            result = click_at(desktop, proxy, wid, *board_shots.cell_centre((column, row)))
            misses = 0 if result else misses + 1
            if misses >= 12:  # the board has few groups left: deal a new one
                desktop.click_in(wid, *board_shots.NEW_BUTTON, settle=0.5)
                misses = 0
            if not result:
                continue
            rows = min(max(1, round(result.size / (FIELD_WIDTH * 4))), floor_height - 1)
            paired = click_at(floor_desk, floor_proxy, floor_wid, 10, floor_height - rows)
            if not paired:
                continue
            mirel_clicks.append(result)
            floor.append(paired)
            excess.append(result.sent - paired.sent)
        game.kill()
        floor_game.kill()
    if not mirel_clicks:
        sys.exit("no click drew anything")
    requests = statistics.median(len(c.between) for c in mirel_clicks)
    size = statistics.median(c.size for c in mirel_clicks) / 1024
    print(f"click to first image request, sound {sound}, {len(mirel_clicks)} clicks (target <= 500 us):")
    print(f"  mirel, release to the request's first bytes {summary([c.sent for c in mirel_clicks])}, "
          f"to its last {summary([c.whole for c in mirel_clicks])}; from the press to the first bytes median "
          f"{statistics.median(c.from_press for c in mirel_clicks):.0f} us; median {requests:.0f} requests "
          f"before the image, of {size:.0f} KiB (median)")
    print(f"  the minimal program painting as many pixels, to the first bytes {summary([c.sent for c in floor])}, "
          f"to the last {summary([c.whole for c in floor])}")
    print(f"  mirel less the minimal program, first bytes, click by click {summary(excess)}")
    print("requests between release and image in mirel's first click:", " ".join(mirel_clicks[0].between) or "none")


if __name__ == "__main__":
    main()
