#!/usr/bin/python3
# SPDX-FileCopyrightText: The Cindervale developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the start of the game through the AT-SPI accessibility bus alone, as a screen reader's user
would: reads the main menu, starts a new game, takes the heroine, opens the map, enters the elder's
tent, selects the first choice, presses "Выбрано", and reads the elder's line."""
import os
import sys
import time

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "session"))
from atspi_tools import fail, find_app, showing, walk  # noqa: E402


def find(app, name, role=None, seconds=10):
    """The showing node of that name (and role), waiting for it to appear."""
    end = time.time() + seconds
    while time.time() < end:
        for node in walk(app):
            if node.name == name and showing(node) and (role is None or node.getRole() == role):
                return node
        time.sleep(0.2)
    fail("no showing control named %r" % name)


def act(node, names=("Press", "Toggle", "press", "toggle", "click")):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in names:
            action.doAction(i)
            time.sleep(0.4)
            return
    fail("%r has no press action" % node.name)


def texts(app):
    return [node.name for node in walk(app) if showing(node) and node.getRole() == pyatspi.ROLE_LABEL]


app = find_app("Cindervale")
for caption in ("Новая игра", "Авторы", "Помощь", "Выход"):
    find(app, caption, pyatspi.ROLE_PUSH_BUTTON)
print("main menu:", ", ".join(n.name for n in walk(app) if showing(n) and n.getRole() == pyatspi.ROLE_PUSH_BUTTON))
act(find(app, "Новая игра"))
act(find(app, "Взять этого персонажа"))
act(find(app, "Карта"))
act(find(app, "Идти к Старейшине"))
act(find(app, "Прокашляться", pyatspi.ROLE_RADIO_BUTTON))
act(find(app, "Выбрано"))
line = [t for t in texts(app) if "Старуха поворачивается к вам" in t]
if not line:
    fail("the elder's line is not read: %r" % texts(app))
print("the elder says:", line[0])
print("ok")
