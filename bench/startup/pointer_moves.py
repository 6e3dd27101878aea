#!/usr/bin/env python3
"""CPU of a mouse move over the play field in mirel under Xvfb.

mirel's CPU time per pointer move, moving back and forth between two cells of
the field: in one copy with no game (nothing to hover) and in another in a
game, where every move changes the hovered cell and redraws the field. Each
copy has its own X server, and their batches alternate, so a machine whose
load drifts weighs on both sides of each ratio alike. The CPU the idle loop
spends over the same time is measured just after and taken off. Medians of
RUNS pairs of batches of MOVES moves each.
Usage: pointer_moves.py BUILD_DIR [RUNS] [MOVES]
"""
import contextlib
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "support"))
import board_shots  # noqa: E402
import xdesk  # noqa: E402


def move_steps(desktop, wid, moves):
    """xdotool commands moving the pointer back and forth between two cells."""
    x, y, _, _ = desktop.geometry(wid)
    a = (x + board_shots.FIELD_X + 10, y + board_shots.FIELD_Y + 10)
    b = (x + board_shots.FIELD_X + 10 + 40, y + board_shots.FIELD_Y + 10)  # another cell at either tile size
    steps = []
    for i in range(moves):
        px, py = a if i % 2 else b
        steps += ["mousemove", str(px), str(py), "sleep", "0.004"]
    return steps


def cpu_per_move(desktop, game, wid, moves):
    """One batch: mirel's CPU per move in microseconds, less its idle CPU over as long."""
    steps = move_steps(desktop, wid, moves)
    start, wall = xdesk.cpu_seconds(game.proc.pid), time.monotonic()
    desktop.run("xdotool", *steps)
    time.sleep(0.2)
    moving, wall = xdesk.cpu_seconds(game.proc.pid) - start, time.monotonic() - wall
    start = xdesk.cpu_seconds(game.proc.pid)
    time.sleep(wall)
    idle = xdesk.cpu_seconds(game.proc.pid) - start
    return (moving - idle) / moves * 1e6


def start_copy(stack, mirel, new_game):
    """A desktop with mirel mapped on it, in a game if asked: (desktop, game, window)."""
    desktop = stack.enter_context(xdesk.Desktop())
    work = stack.enter_context(xdesk.scratch("mirel-pointer-"))
    xdesk.write_config(work, Sound=0)
    _, game = desktop.time_to_map(mirel, xdesk.TITLE, work)
    stack.callback(game.kill)
    wid = desktop.find_window(xdesk.TITLE)
    time.sleep(1.0)
    if new_game:
        desktop.click_in(wid, *board_shots.NEW_BUTTON, settle=0.5)
    return desktop, game, wid


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    moves = int(sys.argv[3]) if len(sys.argv) > 3 else 600
    mirel = xdesk.programs(build)[0][1]
    with contextlib.ExitStack() as stack:
        idle_copy = start_copy(stack, mirel, new_game=False)
        playing_copy = start_copy(stack, mirel, new_game=True)
        no_game, in_game = [], []
        for _ in range(runs):
            no_game.append(cpu_per_move(*idle_copy, moves))
            in_game.append(cpu_per_move(*playing_copy, moves))
    ratios = sorted(b / a for a, b in zip(no_game, in_game))
    print(f"CPU per mouse move, medians of {runs} x {moves}: no game {statistics.median(no_game):.0f} us, "
          f"changing the hovered cell {statistics.median(in_game):.0f} us; ratio of each pair: median "
          f"{statistics.median(ratios):.2f}, {ratios[0]:.2f} to {ratios[-1]:.2f} (target <= 2)")


if __name__ == "__main__":
    main()
