#!/usr/bin/python3
# SPDX-FileCopyrightText: The Cindervale developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game with the Orca screen reader, by keys alone, as a blind player plays it: from the main menu
through the ready-made heroine, the elder's first words and a fight with the lizard to the flight back,
checking what has the focus, how it is named, and what Orca speaks (once)."""
import pyatspi

from screenreader import describe, fail, run_test

GAME = "Cindervale : Brassmoth Post Edition"
ELDER = "[Старуха поворачивается к вам]-Здравствуй, ДемоИгрок"


def tab_to(s, name, limit=20):
    """Tab until Orca names `name`."""
    for _ in range(limit):
        node = s.focused()
        if node is not None and node.name == name:
            return node
        s.key("Tab", settle=0.05)
        s.quiet(0.15)
    fail("Tab never reached %r; the focus is on %s" % (name, describe(s.focused())))


def enabled(s, name):
    return "enabled" in s.states(s.find(name, pyatspi.ROLE_PUSH_BUTTON))


def main(s):
    # The menu opens with the keyboard on its first button, and Orca says so.
    s.wait_focus("Новая игра", pyatspi.ROLE_PUSH_BUTTON)
    s.spoken_once("Новая игра push button")

    # Enter opens the ready-made heroine's screen on taking her; its buttons are named as their captions.
    s.mark()
    s.key("Return")
    s.wait_focus("Взять этого персонажа", pyatspi.ROLE_PUSH_BUTTON)
    s.spoken_once("Взять этого персонажа push button")
    for name in ("Создать нового", "Назад"):
        s.find(name, pyatspi.ROLE_PUSH_BUTTON)
    if s.find_all(role=pyatspi.ROLE_IMAGE) or s.find_all("", pyatspi.ROLE_PUSH_BUTTON):
        fail("a picture or a nameless button is exposed on the ready-made screen")

    # The game screen opens on its only way on, the map, and its opening text is spoken once.
    s.mark()
    s.key("Return")
    s.wait_spoken(GAME + " frame")
    s.wait_focus("Карта", pyatspi.ROLE_PUSH_BUTTON)
    s.spoken_once("Рано утром Ваш племянник")

    # The map by Tab, to the elder; her tent opens on its first choice, and its text is spoken once.
    s.key("Return")
    s.wait_focus("Идти к Брастону-охраннику", pyatspi.ROLE_PUSH_BUTTON)
    tab_to(s, "Идти к Старейшине")
    s.mark()
    s.key("Return")
    s.wait_focus("Прокашляться", pyatspi.ROLE_RADIO_BUTTON)
    s.spoken_once("Вы заходите в палатку Старейшины")

    # 1 and Enter: the elder's line takes the focus and is spoken once; an answer by its number brings the
    # next line, spoken once although the focus stays on the same text.
    s.mark()
    s.key("1")
    s.key("Return")
    s.wait_focus(lambda n: n.startswith(ELDER), pyatspi.ROLE_LABEL)
    s.spoken_once(ELDER)
    s.mark()
    s.key("1")
    s.spoken_once("Твой предок Скорлан основал нашу деревню")
    # Tab goes on to the answer to press.
    s.key("Tab")
    s.wait_focus(role=pyatspi.ROLE_PUSH_BUTTON)

    # The first answers to the end of the talk, which opens the map.
    lines = set()
    for _ in range(20):
        s.mark()
        s.key("1")
        s.quiet(0.3)
        lines.update(t[:-len(" label.")] for t in s.spoken() if t.endswith(" label."))
        if any("Тарнвель : Деревня frame" in t for t in s.spoken()):
            break
    else:
        fail("the elder's talk never led to the map")

    # The forest by Tab; its entry text is spoken once, and the elder's covered words are not exposed.
    s.wait_focus("Идти к Брастону-охраннику", pyatspi.ROLE_PUSH_BUTTON)
    tab_to(s, "Идти к охотничьим землям")
    s.mark()
    s.key("Return")
    s.wait_focus("Идти вглубь леса", pyatspi.ROLE_RADIO_BUTTON)
    s.spoken_once("Вы подходите, к лесу рядом с деревней")
    stale = [n.name for n in s.find_all(role=pyatspi.ROLE_LABEL) if n.name in lines]
    if stale:
        fail("covered lines still exposed: %r" % stale)
    s.key("1")
    s.mark()
    s.key("Return")
    s.spoken_once("Вы подходите к развилке")
    s.mark()
    s.key("Return")
    s.spoken_once("Внезапно вы замечаете небольшого ящеруна")

    # The fight opens on its named list of actions; its figures read as phrases; the enemy is no target.
    s.mark()
    s.key("Return")
    s.wait_spoken("Драка frame")
    s.wait_focus("Действия", pyatspi.ROLE_LIST)
    for phrase in ("Состояние 30 из 30", "Очки действия: 9", "Расстояние 20"):
        s.find(phrase, pyatspi.ROLE_LABEL)
    if s.find_all(lambda n: "%" in n):
        fail("the enemy reads as a target outside the targeting mode")

    # A blow by the arrows and Enter: too far, said once as a notification; the keyboard stays on the list.
    s.key("Down", "Down", "Down", "Down", "Down", "Down", "Down")
    s.wait_focus("Удар   3", pyatspi.ROLE_LIST_ITEM)
    s.mark()
    s.key("Return")
    s.spoken_once("notification Вы слишком далеко от цели или у вас мало ОД")
    s.wait_focus("Удар   3", pyatspi.ROLE_LIST_ITEM)

    # E ends the turn: whose turn it is is said, and the fight's buttons read as disabled meanwhile.
    s.mark()
    s.key("e", settle=0.05)
    s.wait_spoken("notification Ход противника: Ящерун")
    s._until(lambda: not enabled(s, "Сделать"), 3, "the fight's buttons read as enabled during the enemy's turn")
    s.wait_spoken("notification Ваш ход", seconds=8)
    s.quiet()
    if s.spoken_count("Ход противника") != 1 or s.spoken_count("Ваш ход") != 1:
        fail("whose turn it is was not said once: %r" % s.spoken())
    if not enabled(s, "Сделать"):
        fail("the fight's buttons stay disabled on the player's turn")

    # Away from the fight (the heroine stands at the edge): the game screen opens again on its first choice,
    # the fork it showed behind the fight, whose text is spoken.
    s.key("Home")
    s.wait_focus("Идти влево   1", pyatspi.ROLE_LIST_ITEM)
    s.key("Down", "Down", "Down", "Down")
    s.wait_focus("Cбежать 8", pyatspi.ROLE_LIST_ITEM)
    s.mark()
    s.key("Return")
    s.wait_spoken(GAME + " frame")
    s.wait_focus("Идти налево", pyatspi.ROLE_RADIO_BUTTON)
    s.spoken_once("notification Вы подходите к развилке")


run_test(main)
