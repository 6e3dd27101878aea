#!/usr/bin/env python3
"""The project's structure as its design promises it.

- The game's libraries stand in one-way layers: the link graph that CMake
  writes (cmake --graphviz of a fresh configure) has no circle, and no library
  links one of a layer above it.
- Each game folder includes headers only from its own layer and below, and
  no toolkit header appears outside the media back end that owns it.
- The shipped program carries no test driver.
Usage: layers_test.py SOURCE_DIR PATH_TO_MIREL
"""
import os
import re
import subprocess
import sys
import tempfile
import unittest

SOURCE = ""
MIREL = ""

# Each game folder's layer; a folder may use its own layer's folders only when
# named here, and every folder of a lower layer.
LAYERS = {"settings": 0, "common": 1, "engine": 2, "dialogs": 2, "shell": 3}
# Folders below every game layer, which any of them may use.
FOUNDATION = {"media", "resources"}
GAME_LIBRARIES = {"settings", "common", "engine", "dialogs", "shell"}


def link_graph(dot_text):
    """Edges between the named targets of a graphviz file: {name: {names}}."""
    names = dict(re.findall(r'"(node\d+)" \[ label = "([^"]+)"', dot_text))
    graph = {name: set() for name in names.values()}
    for a, b in re.findall(r'"(node\d+)" -> "(node\d+)"', dot_text):
        if a != b:  # CMake lists a test program's own discovery step as a loop on itself
            graph[names[a]].add(names[b])
    return graph


def find_cycle(graph):
    state = {}

    def visit(node, path):
        state[node] = 1
        for nxt in sorted(graph.get(node, ())):
            if state.get(nxt) == 1:
                return path + [node, nxt]
            if nxt not in state:
                found = visit(nxt, path + [node])
                if found:
                    return found
        state[node] = 2
        return None

    for node in sorted(graph):
        if node not in state:
            found = visit(node, [])
            if found:
                return found
    return None


def source_files(folder):
    for root, _, files in os.walk(os.path.join(SOURCE, folder)):
        for name in files:
            if name.endswith((".cpp", ".h", ".c")):
                yield os.path.join(root, name)


def included(path, pattern):
    with open(path, encoding="utf-8") as f:
        return re.findall(pattern, f.read(), re.M)


class LinkGraph(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with tempfile.TemporaryDirectory() as build:
            subprocess.run(["cmake", "-S", SOURCE, "-B", build, "-DMIREL_BENCHMARKS=OFF",
                            "--graphviz=" + os.path.join(build, "deps.dot")],
                           check=True, stdout=subprocess.DEVNULL)
            with open(os.path.join(build, "deps.dot"), encoding="utf-8") as f:
                cls.graph = link_graph(f.read())

    def test_the_link_graph_has_no_circle(self):
        self.assertIsNone(find_cycle(self.graph))

    def test_no_game_library_links_a_layer_above_it(self):
        for library in GAME_LIBRARIES:
            self.assertIn(library, self.graph)
            for used in self.graph[library] & GAME_LIBRARIES:
                self.assertLess(LAYERS[used], LAYERS[library], f"{library} links {used}")

    def test_the_program_links_exactly_one_media_back_end(self):
        backends = {t for t in self.graph if t.startswith("media_") and t in ("media_qt", "media_headless")}
        reachable, todo = set(), ["mirel"]
        while todo:
            node = todo.pop()
            for nxt in self.graph.get(node, ()):
                if nxt not in reachable:
                    reachable.add(nxt)
                    todo.append(nxt)
        self.assertEqual(reachable & backends, {"media_qt"})


class Includes(unittest.TestCase):
    def test_each_game_folder_includes_only_its_layer_and_below(self):
        for folder, layer in LAYERS.items():
            for path in source_files(folder):
                for used in included(path, r'^#include "([a-z_]+)/'):
                    if used == folder or used in FOUNDATION:
                        continue
                    self.assertIn(used, LAYERS, f"{path} includes {used}/")
                    self.assertLess(LAYERS[used], layer, f"{path} includes {used}/")

    def test_toolkit_headers_only_in_their_back_end(self):
        # Qt and X only in the Qt back end; windows.h only in the Windows back
        # end and in the one file per system of a seam (a name ending in _win32).
        for folder in list(LAYERS) + ["media", "resources", "assets"]:
            for path in source_files(folder):
                in_qt = os.sep + "qt" + os.sep in path
                windows_seam = os.sep + "win32" + os.sep in path or re.search(r"_win32\.(cpp|h)$", path)
                if not in_qt:
                    self.assertEqual(included(path, r"^#include <(Q[A-Za-z]+|qt[a-z]*/|xcb/)"), [], path)
                if not windows_seam:
                    self.assertEqual(included(path, r"^#include <(windows\.h)"), [], path)


class ShippedProgram(unittest.TestCase):
    def test_the_program_carries_no_test_driver(self):
        symbols = subprocess.run(["nm", "-C", MIREL], check=True, capture_output=True, text=True).stdout
        test_only = [line for line in symbols.splitlines() if re.search(r"testing::|testHooks", line)]
        self.assertEqual(test_only, [])


if __name__ == "__main__":
    SOURCE, MIREL = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1], verbosity=2)
