#!/usr/bin/env python3
"""Starts an installed game on a private X server, with no library path set,
and checks what a player gets:

- through PREFIX/BIN_DIR/mirel from a fresh working directory: it finds its
  asset library by its own real path (the main window opens, not the
  "Library Error" box), ends with exit code 0 on Ctrl+Q and leaves its
  config.ini in the directory it was started from;
- as the desktop's menu starts it: the desktop entry's Exec line, run with an
  empty home directory (once without XDG_DATA_HOME, once with one whose path
  holds a space), starts the game in its own data folder, where config.ini
  lands; the window's WM_CLASS matches the entry's StartupWMClass and it
  carries the application icon at every size the package installs
  (_NET_WM_ICON).
Usage: run_installed.py PREFIX BIN_DIR APP_ID
"""
import glob
import os
import subprocess
import sys
import tempfile

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, "..", "tests", "support"))
import xdesk  # noqa: E402
import desktop_exec  # noqa: E402

DATA_FOLDER = "free-mirel"


def quit_and_wait(desktop, wid, proc):
    desktop.press(wid, "ctrl+q")
    try:
        return proc.wait(timeout=10)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()
        return "no exit within 10 s"


def through_link(desktop, prefix, bin_dir):
    with tempfile.TemporaryDirectory(prefix="mirel-installed-") as work:
        game = xdesk.Game(desktop, os.path.join(prefix, bin_dir, "mirel"), work)
        wid = desktop.find_window(xdesk.TITLE, timeout=30)
        if wid is None:
            game.kill()
            return f"no main window; shown: {desktop.visible_titles()}; {game.errors()}"
        code = quit_and_wait(desktop, wid, game.proc)
        if code != 0:
            return f"exit code {code}"
        if not os.path.getsize(os.path.join(work, "config.ini")):
            return "no config.ini in the working directory"
    return None


def wm_class(desktop, wid):
    """The (instance, class) strings of the window's WM_CLASS."""
    out = desktop.run("xprop", "-id", wid, "-notype", "WM_CLASS").stdout
    return tuple(part.strip().strip('"') for part in out.split("=", 1)[1].split(","))


def icon_sizes(desktop, wid):
    """The (width, height) of each picture in the window's _NET_WM_ICON, and
    whether each has opaque pixels (not an empty picture)."""
    out = desktop.run("xprop", "-id", wid, "-notype", "-f", "_NET_WM_ICON", "32c", " = $0+", "_NET_WM_ICON").stdout
    if "=" not in out:
        return []
    values = [int(v) for v in out.split("=", 1)[1].replace(",", " ").split()]
    sizes, i = [], 0
    while i + 2 <= len(values):
        w, h = values[i], values[i + 1]
        pixels = values[i + 2:i + 2 + w * h]
        sizes.append((w, h, any(p >> 24 == 255 for p in pixels)))
        i += 2 + w * h
    return sizes


def installed_icon_sizes(prefix, app):
    found = []
    for path in glob.glob(os.path.join(prefix, "share", "icons", "hicolor", "*", "apps", app + ".png")):
        w, h = os.path.basename(os.path.dirname(os.path.dirname(path))).split("x")
        found.append((int(w), int(h)))
    return sorted(found)


def from_menu(desktop, prefix, bin_dir, app, xdg_data_home):
    entry_file = os.path.join(prefix, "share", "applications", app + ".desktop")
    entry = desktop_exec.entry_keys(entry_file)
    argv = desktop_exec.exec_argv(entry_file)
    with tempfile.TemporaryDirectory(prefix="mirel-home-") as home:
        env = dict(desktop.env, HOME=home, PATH=os.path.join(prefix, bin_dir) + os.pathsep + os.environ["PATH"])
        env.pop("XDG_DATA_HOME", None)
        data = os.path.join(home, ".local", "share")
        if xdg_data_home:
            data = os.path.join(home, xdg_data_home)
            env["XDG_DATA_HOME"] = data
        with open(os.path.join(home, ".stderr"), "wb") as log:
            proc = subprocess.Popen(argv, cwd=home, env=env, stdout=subprocess.DEVNULL, stderr=log)
        wid = desktop.find_window(xdesk.TITLE, timeout=30)
        if wid is None:
            proc.kill()
            proc.wait()
            with open(os.path.join(home, ".stderr"), errors="replace") as log:
                return f"{argv}: no main window; {log.read()}"
        problems = []
        instance, klass = wm_class(desktop, wid)
        if klass != entry.get("StartupWMClass"):
            problems.append(f"WM_CLASS {instance!r}, {klass!r} but StartupWMClass={entry.get('StartupWMClass')}")
        icons = icon_sizes(desktop, wid)
        shown = sorted((w, h) for w, h, _ in icons)
        if shown != installed_icon_sizes(prefix, app) or not all(opaque for _, _, opaque in icons):
            problems.append(f"window icon sizes {icons}, installed {installed_icon_sizes(prefix, app)}")
        code = quit_and_wait(desktop, wid, proc)
        if code != 0:
            problems.append(f"exit code {code}")
        config = os.path.join(data, DATA_FOLDER, "config.ini")
        if not os.path.isfile(config) or not os.path.getsize(config):
            problems.append(f"no config.ini in {os.path.dirname(config)}")
        if os.path.exists(os.path.join(home, "config.ini")):
            problems.append("config.ini in the home directory")
        return "; ".join(problems) or None


def main(prefix, bin_dir, app):
    desktop = xdesk.Desktop()
    try:
        problems = [through_link(desktop, prefix, bin_dir),
                    from_menu(desktop, prefix, bin_dir, app, None),
                    from_menu(desktop, prefix, bin_dir, app, "my data")]
        return "\n".join(p for p in problems if p)
    finally:
        desktop.close()


if __name__ == "__main__":
    problem = main(*sys.argv[1:4])
    if problem:
        print(problem)
    sys.exit(1 if problem else 0)
