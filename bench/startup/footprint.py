#!/usr/bin/env python3
"""Memory and idle CPU of mirel under Xvfb, beside the minimal Qt program.

Resident memory (VmRSS) 2 seconds after the start, median of RUNS starts of
mirel and of startup_minimal_qt each; then mirel's CPU time over 10 seconds
with no game, and over 10 seconds with a tournament game paused (config.ini
set to a tournament, New and Pause clicked).
Usage: footprint.py BUILD_DIR [RUNS]
"""
import os
import statistics
import subprocess
import sys
import time

import xbench

TOURNAMENT = ("\ufeff\r\n[Settings]\r\nColors = 4\r\nSize = 36\r\nMode = T\r\nTime = 3600\r\nUndo = 1\r\n"
              "Sound = 1\r\nVol = 50\r\nCollection = 111111111111\r\n")


def idle_cpu(proc, seconds=10.0):
    before = xbench.cpu_seconds(proc.pid)
    time.sleep(seconds)
    return (xbench.cpu_seconds(proc.pid) - before) / seconds * 100


def click(env, wid, x, y):
    subprocess.run(["xdotool", "mousemove", "--window", wid, str(x), str(y)], env=env)
    time.sleep(0.2)
    subprocess.run(["xdotool", "click", "1"], env=env)
    time.sleep(0.5)


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    programs = xbench.programs(build)
    mirel = programs[0][1]
    with xbench.desktop("mirel-footprint-") as (env, work):
        memory = {"mirel": [], "minimal": []}
        for _ in range(runs):
            for name, program, title in programs:
                _, proc = xbench.time_to_map(program, title, work, env)
                time.sleep(2.0)
                memory[name].append(xbench.resident_kib(proc.pid))
                xbench.stop(proc)
        m, q = statistics.median(memory["mirel"]), statistics.median(memory["minimal"])
        print(f"resident memory 2 s after start, median of {runs}: mirel {m / 1024:.1f} MiB, "
              f"minimal Qt {q / 1024:.1f} MiB, ratio {m / q:.2f} (target < 1.3)")

        _, proc = xbench.time_to_map(mirel, xbench.TITLE, work, env)
        time.sleep(2.0)
        print(f"idle CPU with no game: {idle_cpu(proc):.2f} % of one core (target < 1 %)")
        xbench.stop(proc)

        with open(os.path.join(work, "config.ini"), "w", encoding="utf-8", newline="") as f:
            f.write(TOURNAMENT)
        _, proc = xbench.time_to_map(mirel, xbench.TITLE, work, env)
        wid = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Free Mirel ! v4$"], env=env,
                             capture_output=True, text=True).stdout.split()[0]
        time.sleep(1.0)
        click(env, wid, 39 + 48, 428 + 18)  # New
        click(env, wid, 39 + 48, 376 + 18)  # Pause
        click(env, wid, 100, 100)           # the pointer off the field and the buttons
        time.sleep(1.0)
        print(f"idle CPU with a tournament game paused: {idle_cpu(proc):.2f} % of one core (target < 1 %)")
        xbench.stop(proc)


if __name__ == "__main__":
    main()
