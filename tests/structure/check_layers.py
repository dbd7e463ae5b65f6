#!/usr/bin/python3
# SPDX-FileCopyrightText: The Cindervale developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the game core's shape from its includes: no folder of src/game includes, directly or through
another, a folder that includes it back; and each layer includes only the layers below it: the vocabulary
(vocab/), the plain state (state/), the World and its clock (the top folder), the effects interpreter
(effects/), the picture files (assets/), the subsystems, and the binding above them all."""
import os
import re
import sys

ROOT = os.path.join(sys.argv[1] if len(sys.argv) > 1 else ".", "src", "game")
# A folder's layer; the binding's file stands for a folder of its own, and so does the players' list.
LAYER = {"vocab": 0, "state": 1, ".": 2, "effects": 3, "assets": 3, "shell": 4, "inventory": 4,
         "dialogue": 4, "story": 4, "character": 4, "combat": 4, "binding": 5, "inputs": 2}
SUBSYSTEMS = {"shell", "inventory", "dialogue", "story", "character", "combat"}


def unit(path):
    rel = os.path.relpath(path, ROOT)
    top = rel.split(os.sep)[0]
    if top in ("binding.h", "binding.cpp"):
        return "binding"
    if top in ("inputs.h", "inputs.cpp"):
        return "inputs"
    return "." if os.sep not in rel else top


edges = {}
for folder, _, files in os.walk(ROOT):
    for name in files:
        if not name.endswith((".h", ".cpp")):
            continue
        path = os.path.join(folder, name)
        for included in re.findall(r'#include "([^"]+)"', open(path, encoding="utf-8").read()):
            target = os.path.normpath(os.path.join(folder, included))
            if not target.startswith(ROOT) or not os.path.exists(target):
                continue
            a, b = unit(path), unit(target)
            if a != b:
                edges.setdefault(a, set()).add(b)

faults = []
# Folder cycles, through any number of folders.
def reaches(start, goal, seen):
    for nxt in edges.get(start, ()):
        if nxt == goal or (nxt not in seen and reaches(nxt, goal, seen | {nxt})):
            return True
    return False

for a, targets in sorted(edges.items()):
    for b in sorted(targets):
        if reaches(b, a, {b}):
            faults.append(f"{a} includes {b}, which includes {a} back")
        if LAYER.get(b, 9) > LAYER.get(a, 9):
            faults.append(f"{a} (a lower layer) includes {b}")
for lower in ("effects", "."):
    for b in sorted(edges.get(lower, ())):
        if b in SUBSYSTEMS:
            faults.append(f"{lower} includes the subsystem {b}")

# Each control's name is written once: where its screen declares it. No other source of the game, its
# windows or its players spells it again (a property of the script player may share a control's word).
SCREENS = os.path.join(ROOT, "state", "screens")
declared = set()
for name in os.listdir(SCREENS):
    text = open(os.path.join(SCREENS, name), encoding="utf-8").read()
    declared |= set(re.findall(r'\badd(?:Command)?\([^;]*?"([^"]+)"', text))
    for array in re.findall(r'kPlaceNames\{([^}]*)\}', text):
        declared |= set(re.findall(r'"([^"]+)"', array))
ALLOWED = {("text", "inspect.cpp")}


def code(path):
    text = open(path, encoding="utf-8").read()
    return re.sub(r"//[^\n]*", "", text)


for folder, _, files in os.walk(os.path.join(ROOT, "..")):
    if os.path.abspath(folder) == os.path.abspath(SCREENS):
        continue
    for name in files:
        if not name.endswith((".h", ".cpp")):
            continue
        path = os.path.join(folder, name)
        for word in set(re.findall(r'"([^"\n]+)"', code(path))) & declared:
            if (word, name) not in ALLOWED:
                faults.append(f"{os.path.relpath(path, os.path.join(ROOT, '..', '..'))} spells the control {word}")

for f in faults:
    print("FAIL:", f)
print("subsystems, bottom to top:", " < ".join(
    sorted(SUBSYSTEMS, key=lambda s: (sum(reaches(s, t, {t}) for t in SUBSYSTEMS), s))))
sys.exit(1 if faults else 0)
