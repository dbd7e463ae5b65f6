#!/usr/bin/python3
# SPDX-FileCopyrightText: The Cindervale developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The whole demo with the Orca screen reader and the keyboard alone, from the main menu over the bridge:
the way of tests/scenarios/demo_whole.txt, each click done as a blind player does it (a choice or answer by
its number, any other control by Tab until Orca names it, then Enter or Space), each fight fought out by
the keys against the program's real dice. Not part of ./check (it takes minutes); run it as
    tests/a11y/run_orca.sh build/cindervale tests/a11y/orca_demo.py [PLAY_SCRIPT]
It prints what Orca spoke, and fails where a control cannot be reached or the story goes astray."""
import os
import re
import sys
import time

import pyatspi

from screenreader import describe, fail, run_test

HERE = os.path.dirname(os.path.abspath(__file__))
SCRIPT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "scenarios", "demo_whole.txt")

# What a screen reader hears for the controls the play script clicks, where a key does not stand for them.
NAMES = {
    "Menuform.BitBtn6": "Новая игра",
    "createf.Image4": "Взять этого персонажа",
    "Gameform.mapb": "Карта",
    "Gameform.BitBtn2": "Хар.",
    "Gameform.BitBtn3": "Веск.",
    "Gameform.BitBtn1": "Инв.",
    "Gameform.ready": "Выбрано",
    "InvForm.ready": "Сделать",
    "InvForm.Image2": "Закрыть",
    "Vesk.Image3": "Места",
    "Vesk.ar": "Тарнвель",
    "Vesk.Image2": "Закрыть",
}
PLACES = ["Image12", "Image15", "Image16", "Image3", "Image13", "Image5", "Image7", "Image14", "Image6",
          "Image8", "Image4", "Image2", "Image9", "Image10", "Image11", "Image17"]
PLACE_NAMES = ["Идти к Брастону-охраннику", "Идти к Ольмиру", "Идти к Ведрику", "Идти к деревенским двурогам",
               "Идти на кукурузное поле", "Идти к Колвену", "Идти в дом одного из жителей, на востоке",
               "Идти к Старейшине", "Идти в дом одного из жителей, на западе", "Идти к Эрвальду",
               "Идти к Дорену", "Идти к злой тётке Гризне", "Идти к охотничьим землям", "Идти к храму",
               "Идти к Мосту", "Назад"]
NAMES.update({"mapform." + p: n for p, n in zip(PLACES, PLACE_NAMES)})
INV_ACTIONS = {"a1": "Использовать", "a2": "Осмотреть", "a3": "Положить на землю", "a4": "Зарядить",
               "a5": "Разрядить", "a6": "Снять"}


def tab_to(s, name, limit=90):
    """Tab until Orca names `name`, listening to each control in turn as a player does."""
    s.quiet(0.3)
    for _ in range(limit):
        node = s.focused()
        if node is not None and node.name == name and "showing" in s.states(node):
            return node
        s.key("Tab", settle=0.05)
        s.quiet(0.2)
    fail("Tab never reached %r; the focus is on %s" % (name, describe(s.focused())))


def number(s, prefix):
    node = s.find(lambda n: n.startswith(prefix), pyatspi.ROLE_LABEL)
    return int(re.search(r"-?\d+", node.name[len(prefix):]).group())


def my_turn(s):
    found = s.find_all("Сделать", pyatspi.ROLE_PUSH_BUTTON)
    return bool(found) and "enabled" in s.states(found[0])


def pick_line(s, line):
    s.key("Home", settle=0.1)
    for _ in range(line):
        s.key("Down", settle=0.08)


def fight(s, stats):
    """The fight on the screen, by the keys: up to the enemy, strike, end the turn; until the victory."""
    s.wait_focus("Действия", pyatspi.ROLE_LIST)
    stats["fights"] += 1
    end = time.time() + 240
    while time.time() < end:
        if s.find_all("Вы убиты!", pyatspi.ROLE_PUSH_BUTTON):
            fail("the heroine died in a fight (the dice); run again")
        if s.find_all("Победа!", pyatspi.ROLE_PUSH_BUTTON):
            s.wait_focus("Победа!", pyatspi.ROLE_PUSH_BUTTON)
            s.wait_spoken("Победа! push button", since=0)
            s.key("Return")
            return
        if not my_turn(s):
            s.pump(0.2)
            continue
        distance, points = number(s, "Расстояние"), number(s, "Очки действия:")
        if distance > 1 and points >= 1:
            pick_line(s, 1)  # "Идти вправо"
            s.key("Return", settle=0.15)
        elif distance == 1 and points >= 3:
            pick_line(s, 6)  # the blow
            s.key("Return", settle=0.15)
            s.key("Return", settle=0.9)  # at the target, then the outcome a moment later
            stats["blows"] += 1
        else:
            s.key("e", settle=0.5)
            stats["turns"] += 1
    fail("the fight did not end")


def main(s):
    try:
        play(s)
    finally:
        if os.environ.get("A11Y_SPEECH_DUMP"):
            with open(os.environ["A11Y_SPEECH_DUMP"], "w", encoding="utf-8") as f:
                f.write("\n".join(s.spoken(0)))


def play(s):
    stats = {"fights": 0, "blows": 0, "turns": 0, "keys": 0, "retries": 0}
    s.wait_focus("Новая игра", pyatspi.ROLE_PUSH_BUTTON)
    in_fight = False
    for raw in open(SCRIPT, encoding="utf-8"):
        line = raw.split("#", 1)[0].strip() if not raw.startswith("expect") else raw.strip()
        if not line:
            continue
        words = line.split()
        command, target = words[0], words[1] if len(words) > 1 else ""
        window = target.split(".")[0]
        if in_fight:
            in_fight = not (command == "click" and target == "battle.vict")
            continue
        choice = re.fullmatch(r"expect Gameform\.c[1-5] text (.+)", line)
        if choice:
            # The story's checks roll the real dice: where one failed, the confirm is tried again until the
            # play script's next choice shows.
            for _ in range(6):
                if s.find_all(choice.group(1), pyatspi.ROLE_RADIO_BUTTON):
                    break
                stats["retries"] += 1
                tab_to(s, "Выбрано")
                s.key("Return", settle=0.3)
                s.quiet(0.4)
            else:
                fail("the story went astray: no choice %r" % choice.group(1))
            continue
        if command in ("rolls", "wait", "tick", "expect", "seed", "shot", "print"):
            continue
        if window in ("battle", "accform", "createform"):
            # The fight is fought out here with the real dice; the script's own moves are passed over up to
            # its victory.
            fight(s, stats)
            in_fight = target != "battle.vict"
            continue
        control = target.split(".")[1] if "." in target else ""
        if command == "select" and window == "InvForm":
            tab_to_list(s, "Вещи")
            s.key("Home", settle=0.1)
            for _ in range(int(words[2])):
                s.key("Down", settle=0.1)
        elif command == "click" and window == "Gameform" and re.fullmatch(r"[ca][1-5]", control):
            s.key(control[1], settle=0.2)
            s.quiet(0.3)
        elif command == "click" and window == "InvForm" and control in INV_ACTIONS:
            tab_to(s, INV_ACTIONS[control])
            s.key("space", settle=0.3)
        elif command == "click" and target in NAMES:
            tab_to(s, NAMES[target])
            s.key("Return", settle=0.3)
            s.quiet(0.4)
        else:
            fail("no key for %r" % line)
        stats["keys"] += 1
    # Over the bridge: the end is said, and the keyboard has it.
    s.wait_spoken("Конец демоверсии", since=0)
    print("played:", stats)
    print("Orca spoke %d phrases; the last ones:" % len(s.spoken(0)))
    for text in s.spoken(0)[-8:]:
        print("  ", text[:160])


def tab_to_list(s, name):
    node = s.focused()
    if node is not None and (node.name == name or node.getRole() == pyatspi.ROLE_LIST_ITEM):
        return
    tab_to(s, name)


run_test(main)
