"""What the start-up scripts share: a private Xvfb server with a scratch
working directory, starting a program until its window is mapped, and reading
a process's CPU time and resident memory from /proc.

Sound goes to OpenAL Soft's silent device (ALSOFT_DRIVERS=null), as on a
machine without a sound card, for both mirel and the minimal program.
"""
import contextlib
import os
import shutil
import subprocess
import sys
import tempfile
import time

TITLE = "Free Mirel ! v4"
MINIMAL_TITLE = "Minimal Qt Window"


@contextlib.contextmanager
def desktop(prefix):
    """Yields (env, work): the environment of a fresh Xvfb display and an empty directory."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-noreset",
                               "-nolisten", "tcp"], pass_fds=(write_end,),
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number:
        server.kill()
        sys.exit("Xvfb did not start")
    env = dict(os.environ, DISPLAY=":" + number, QT_QPA_PLATFORM="xcb", ALSOFT_DRIVERS="null")
    env.pop("WAYLAND_DISPLAY", None)
    work = tempfile.mkdtemp(prefix=prefix)
    try:
        yield env, work
    finally:
        server.terminate()
        server.wait()
        shutil.rmtree(work, ignore_errors=True)


def programs(build):
    """(name, path, window title) of mirel and of the minimal Qt program."""
    build = os.path.abspath(build)
    return (("mirel", os.path.join(build, "mirel"), TITLE),
            ("minimal", os.path.join(build, "startup_minimal_qt"), MINIMAL_TITLE))


def viewable(title, env):
    out = subprocess.run(["xwininfo", "-name", title], env=env, capture_output=True, text=True)
    return "IsViewable" in out.stdout


def time_to_map(program, title, cwd, env):
    """Starts the program; returns (seconds until its window is viewable, process)."""
    start = time.monotonic()
    proc = subprocess.Popen([program], cwd=cwd, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    while not viewable(title, env):
        if proc.poll() is not None or time.monotonic() - start > 20:
            stop(proc)
            sys.exit(f"{program} ended or did not map its window")
        time.sleep(0.002)
    return time.monotonic() - start, proc


def stop(proc):
    proc.kill()
    proc.wait()


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def resident_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0
