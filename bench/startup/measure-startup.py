#!/usr/bin/env python3
"""Start-up time and idle CPU of mirel under Xvfb.

Starts mirel and the minimal Qt program (bench/startup/minimal_window.cpp) in
turn, each RUNS times, and takes the time from the process start to its main
window being mapped (viewable), polling with xwininfo. Prints the medians and
their ratio, then the CPU time mirel uses over 10 seconds of idling with no
game. Usage: measure-startup.py BUILD_DIR [RUNS]
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def start_xvfb():
    """An Xvfb server on a display it picks itself; returns (process, display)."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-noreset",
                               "-nolisten", "tcp"], pass_fds=(write_end,),
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number:
        sys.exit("Xvfb did not start")
    return server, ":" + number


def viewable(title, env):
    out = subprocess.run(["xwininfo", "-name", title], env=env, capture_output=True, text=True)
    return "IsViewable" in out.stdout


def time_to_map(program, title, cwd, env):
    start = time.monotonic()
    proc = subprocess.Popen([program], cwd=cwd, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    while not viewable(title, env):
        if proc.poll() is not None or time.monotonic() - start > 20:
            proc.kill()
            sys.exit(f"{program} ended or did not map its window")
        time.sleep(0.002)
    elapsed = time.monotonic() - start
    return elapsed, proc


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
    mirel = os.path.join(build, "mirel")
    minimal = os.path.join(build, "startup_minimal_qt")
    xvfb, display = start_xvfb()
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb")
    work = tempfile.mkdtemp(prefix="mirel-bench-")
    try:
        times = {"mirel": [], "minimal": []}
        for _ in range(runs):
            for name, program, title in (("mirel", mirel, "Free Mirel ! v4"),
                                         ("minimal", minimal, "Minimal Qt Window")):
                elapsed, proc = time_to_map(program, title, work, env)
                times[name].append(elapsed)
                proc.kill()
                proc.wait()
        m, q = statistics.median(times["mirel"]), statistics.median(times["minimal"])
        print(f"time to mapped window, median of {runs}: mirel {m * 1000:.1f} ms, "
              f"minimal Qt {q * 1000:.1f} ms, ratio {m / q:.2f} (target <= 1.5)")

        _, proc = time_to_map(mirel, "Free Mirel ! v4", work, env)
        time.sleep(2.0)
        before = cpu_seconds(proc.pid)
        time.sleep(10.0)
        used = cpu_seconds(proc.pid) - before
        proc.kill()
        proc.wait()
        print(f"idle CPU over 10 s with no game: {used:.2f} s, {used / 10 * 100:.2f} % of one core (target < 1 %)")
    finally:
        xvfb.terminate()
        xvfb.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
