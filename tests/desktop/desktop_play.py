#!/usr/bin/python3
# SPDX-FileCopyrightText: The Cindervale developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the game on a desktop with a window manager, by real clicks and keys, and checks that the player
is never trapped: every window the game shows over a screen stays above it and keeps the keyboard when
that screen is clicked, closes with Escape or its own control, cannot be minimised away, and carries no
title bar of the window manager's (whose boxes would do nothing). Controls are found on the accessibility
bus only for where to click."""
import os
import subprocess
import sys
import time

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "session"))
from atspi_tools import fail, find_app, showing, walk  # noqa: E402

GAME = "Cindervale : Brassmoth Post Edition"


def run(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout


def settle():
    time.sleep(0.35)


# --- the desktop's view: windows, their stacking, the active one -------------------------------------

def title(window):
    out = run("xprop", "-id", window, "_NET_WM_NAME")
    return out.split("=", 1)[1].strip().strip('"') if "=" in out else ""


def stacking():
    """The managed windows' titles, bottom to top."""
    out = run("xprop", "-root", "_NET_CLIENT_LIST_STACKING")
    ids = out.split("#", 1)[1].split(",") if "#" in out else []
    return [title(i.strip()) for i in ids if i.strip()]


def viewable(name):
    return [w for w in stacking() if w == name]


def active():
    return title(run("xprop", "-root", "_NET_ACTIVE_WINDOW").split("#", 1)[1].strip())


def window_id(name):
    for line in run("xprop", "-root", "_NET_CLIENT_LIST_STACKING").split("#", 1)[1].split(","):
        if title(line.strip()) == name:
            return line.strip()
    fail("no window %r on the desktop: %r" % (name, stacking()))


def wait_for(name, shown=True, seconds=30):
    end = time.time() + seconds
    while time.time() < end:
        if bool(viewable(name)) == shown:
            settle()
            return
        time.sleep(0.1)
    fail("%r %s; the desktop has %r" % (name, "never came up" if shown else "did not close", stacking()))


def above(top, under):
    order = stacking()
    if top not in order or under not in order:
        fail("%r or %r is not on the desktop: %r" % (top, under, order))
    if order.index(top) < order.index(under):
        fail("%r lies under %r: %r" % (top, under, order))


def undecorated(name):
    """The window manager draws no frame round the window: the game's own title bar is the only one."""
    extents = run("xprop", "-id", window_id(name), "_NET_FRAME_EXTENTS")
    if "= 0, 0, 0, 0" not in extents:
        fail("the window manager frames %r: %s" % (name, extents.strip()))


# --- the player's hands ---------------------------------------------------------------------------------

def key(*keys):
    run("xdotool", "key", "--clearmodifiers", *keys)
    settle()


def click_at(x, y):
    run("xdotool", "mousemove", "--sync", str(x), str(y), "click", "1")
    settle()


def click(app, name):
    """A real click at the middle of the showing control of that name."""
    end = time.time() + 10
    while time.time() < end:
        for node in walk(app):
            if node.name == name and showing(node):
                box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                click_at(box.x + box.width // 2, box.y + box.height // 2)
                return
        time.sleep(0.2)
    fail("no showing control named %r" % name)


def click_beside(name):
    """A click on the screen `name` outside every other window."""
    geometry = run("xdotool", "getwindowgeometry", "--shell", window_id(name))
    values = dict(line.split("=") for line in geometry.split())
    click_at(int(values["X"]) + 4, int(values["Y"]) + int(values["HEIGHT"]) - 4)


def stays_above(over, screen, close_keys=("Escape",), waited_on=True):
    """`over` is up over `screen`; a click on the screen leaves it above, and with the keyboard where the
    screen waits on it; a key closes it."""
    wait_for(over)
    undecorated(over)
    click_beside(screen)
    above(over, screen)
    if waited_on and active() != over:
        fail("after a click on %r the keyboard is with %r, not %r" % (screen, active(), over))
    if close_keys:
        key(*close_keys)
        wait_for(over, shown=False)


app = find_app("Cindervale")
wait_for("Cindervale: Brassmoth Post Edition")
undecorated("Cindervale: Brassmoth Post Edition")

# The credits stay over the menu, which goes on taking input, and close with their close box.
key("Tab")
key("Return")
stays_above("Авторы", "Cindervale: Brassmoth Post Edition", close_keys=(), waited_on=False)
click(app, "Закрыть")
wait_for("Авторы", shown=False)

# A new game by the keyboard alone: "Новая игра" has the focus, then the ready-made heroine's "take".
key("shift+Tab")
key("Return")
wait_for("Создание персонажа")
undecorated("Создание персонажа")
key("Return")
wait_for(GAME)

# Every window opened over the game screen stays above it.
click(app, "Инв.")
stays_above("Инвентарь", GAME)
click(app, "Веск.")
stays_above("Вескарь", GAME)
click(app, "Просмотреть весь разговор")
stays_above("Весь разговор", GAME)

# Into the lizard's fight: the forest, its left path, the attack.
click(app, "Карта")
click(app, "Идти к охотничьим землям")
for _ in range(3):
    key("1")
    key("Return")
wait_for("Драка")

# The sheet from the fight stays over it and closes on its accept.
click(app, "Хар.")
stays_above("Создание персонажа", "Драка", close_keys=())
click(app, "Готово")
wait_for("Создание персонажа", shown=False)

# The body-part window: up to the lizard ("Идти вправо" nine times, its turn, three more), then an aimed
# cut ("Приц. Рубить", line 7) on it.
key("Down", "Down")
for _ in range(9):
    key("Return")
key("e")
time.sleep(5)  # the lizard comes up, a quarter second a step
for _ in range(3):
    key("Return")
key(*["Down"] * 6)
key("Return")
key("Return")
wait_for("Прицелиться")
# Minimised by the window manager, it comes straight back: the fight waits on it.
run("xdotool", "windowminimize", window_id("Прицелиться"))
time.sleep(1)
wait_for("Прицелиться")
stays_above("Прицелиться", "Драка", close_keys=("1", "Return"))
print("ok")
