#!/usr/bin/env python3
"""Reads a desktop entry's keys and turns its Exec line into the argument list
a menu runs, by the freedesktop.org rules for desktop entries: the key file's string
escapes (\\s \\n \\t \\r \\\\) first, then the Exec quoting (an argument with a
reserved character is double-quoted, and inside the quotes a backslash escapes
" ` $ and itself), then the field codes (%% is a percent sign, the others
stand for files and URLs the menu has none of, and go).
Usage: desktop_exec.py FILE   prints the argument list as JSON
       desktop_exec.py FILE COMMAND   checks that the entry runs COMMAND in
                                      the game's data folder (MENU_START)
"""
import json
import sys

RESERVED = set(" \t\n\"'\\><~|&;$*?#()`")
STRING_ESCAPES = {"s": " ", "n": "\n", "t": "\t", "r": "\r", "\\": "\\"}


# What the game's desktop entry runs: a shell that creates the game's own data
# folder, enters it and starts the game there, where it keeps config.ini.
MENU_START = 'd="${XDG_DATA_HOME:-$HOME/.local/share}/free-mirel"; mkdir -p "$d" && cd "$d" && exec '


class ExecError(ValueError):
    pass


def entry_keys(path):
    """The keys of the [Desktop Entry] group, their values unescaped as strings."""
    keys, group = {}, None
    with open(path, encoding="utf-8") as f:
        for line in f.read().splitlines():
            if not line.strip() or line.startswith("#"):
                continue
            if line.startswith("["):
                group = line.strip()
                continue
            if group == "[Desktop Entry]" and "=" in line:
                key, value = line.split("=", 1)
                keys[key.strip()] = unescape_string(value.strip())
    return keys


def unescape_string(value):
    out, i = [], 0
    while i < len(value):
        c = value[i]
        if c == "\\" and i + 1 < len(value) and value[i + 1] in STRING_ESCAPES:
            out.append(STRING_ESCAPES[value[i + 1]])
            i += 2
        else:
            out.append(c)
            i += 1
    return "".join(out)


def split_exec(command):
    """The arguments of an Exec value (already string-unescaped)."""
    args, i, n = [], 0, len(command)
    while i < n:
        if command[i] == " ":
            i += 1
            continue
        arg = []
        if command[i] == '"':
            i += 1
            while True:
                if i >= n:
                    raise ExecError("unterminated quote")
                c = command[i]
                if c == '"':
                    i += 1
                    break
                if c == "\\":
                    if i + 1 >= n or command[i + 1] not in '"`$\\':
                        raise ExecError(f"backslash before {command[i + 1:i + 2]!r} inside quotes")
                    arg.append(command[i + 1])
                    i += 2
                    continue
                arg.append(c)
                i += 1
            if i < n and command[i] != " ":
                raise ExecError("a quoted argument must end at a space")
        else:
            while i < n and command[i] != " ":
                if command[i] in RESERVED:
                    raise ExecError(f"reserved character {command[i]!r} outside quotes")
                arg.append(command[i])
                i += 1
        args.append(expand_field_codes("".join(arg)))
    return [a for a in args if a is not None]


def expand_field_codes(arg):
    if arg in ("%f", "%F", "%u", "%U", "%i", "%c", "%k"):
        return None  # nothing to open: the code and its argument go
    out, i = [], 0
    while i < len(arg):
        if arg[i] == "%":
            if arg[i + 1:i + 2] != "%":
                raise ExecError(f"field code {arg[i:i + 2]!r} inside an argument")
            out.append("%")
            i += 2
        else:
            out.append(arg[i])
            i += 1
    return "".join(out)


def exec_argv(path):
    return split_exec(entry_keys(path)["Exec"])


if __name__ == "__main__":
    try:
        argv = exec_argv(sys.argv[1])
    except ExecError as e:
        sys.exit(f"{sys.argv[1]}: {e}")
    if len(sys.argv) == 2:
        print(json.dumps(argv))
    elif argv != ["sh", "-c", MENU_START + sys.argv[2]]:
        sys.exit(f"Exec runs {argv}, not {['sh', '-c', MENU_START + sys.argv[2]]}")
