// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every caption of the screens built so far, against the game's own tables: a swapped pair of
// captions would put one value under the other's name.
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "game/state/screens/auth.h"
#include "game/state/screens/createform.h"
#include "game/state/screens/gameform.h"
#include "game/state/screens/help.h"
#include "game/state/screens/menuform.h"
#include "game/world.h"

namespace cv {
namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

TEST(Captions, TheSheetNamesEveryValueItShows) {
    const screens::Createform f;
    // Each derived value beside its caption, in the sheet's order.
    const Pairs derived = {
        {"hp", "Жизней"},         {"fhp", "/"},       {"acl", "Класс Брони"},   {"tp", "Очки действия"},
        {"mw", "Макс. груз"},     {"dam", "Повр."},   {"red", "Уст. к повр."},  {"rep", "Уст. к яду"},
        {"rer", "Уст. к рад."},   {"aca", "Порядок"}, {"leh", "Уров. лечения"}, {"cch", "Шанс на крит."},
        {"spl", "Очков за уров."}};
    ASSERT_EQ(derived.size(), std::size_t{screens::kDerivedCount});
    for (std::size_t i = 0; i < derived.size(); ++i) {
        EXPECT_EQ(screens::kDerivedNames[i], derived[i].first) << i;
        EXPECT_EQ(f.derivedCaption[i].text, derived[i].second) << derived[i].first;
        // The caption stands on the value's row, to its left.
        EXPECT_EQ(f.derivedCaption[i].top, f.derived[i].top) << derived[i].first;
        EXPECT_LT(f.derivedCaption[i].left, f.derived[i].left) << derived[i].first;
    }

    const Pairs skills = {
        {"light", "Ручное оружие"}, {"heavy", "Тяжёлое оружие"},  {"energ", "Енерго оружие"},
        {"unarm", "Рукопашная"},    {"meele", "Холодное оружие"}, {"throw", "Метательное оружие"},
        {"first", "Первая помощь"}, {"doctr", "Доктор"},          {"sneak", "Красться"},
        {"lockp", "Взламывать"},    {"steal", "Воровать"},        {"traps", "Ловушки"},
        {"scien", "Наука"},         {"repar", "Починка"},         {"talks", "Разговор"},
        {"merch", "Торговля"},      {"outdr", "Скиталец"}};
    for (std::size_t i = 0; i < skills.size(); ++i) {
        EXPECT_EQ(screens::kSkillValueNames[i], skills[i].first) << i;
        EXPECT_EQ(f.s[i].text, skills[i].second) << skills[i].first;
        EXPECT_EQ(f.s[i].top, f.skill[i].top) << skills[i].first;
        // The tag button stands on the same row.
        EXPECT_EQ(f.tagButton[i].top, f.s[i].top + 1) << skills[i].first;
        if (i > 0) {
            EXPECT_GT(f.s[i].top, f.s[i - 1].top) << skills[i].first;
        }
    }

    const std::vector<std::string> traits = {
        "Быстрый метаболизм", "Крушила",        "Маленький",       "Однорукий",   "Точность",
        "Камикадзе",          "Тяжёл на руку",  "Быстрый стрелок", "Добродушный", "Неуст. к химии",
        "Уст. к химии",       "Сексапильность", "Умелец",          "Талант"};
    for (std::size_t i = 0; i < traits.size(); ++i) {
        EXPECT_EQ(f.t[i].text, traits[i]) << i;
        EXPECT_EQ(f.traitButton[i].top, f.t[i].top + 1) << traits[i];
    }

    const std::vector<std::string> statuses = {
        "Отравлен",           "Облучён",           "Ранен в глаз",      "Ранен в лев. руку",
        "Ранен в прав. руку", "Ранен в лев. ногу", "Ранен в прав. ногу"};
    for (std::size_t i = 0; i < statuses.size(); ++i)
        EXPECT_EQ(f.status[i].text, statuses[i]);
    EXPECT_EQ(f.kil.caption, "Убито");
    EXPECT_EQ(f.kar.caption, "Карма");
    EXPECT_EQ(f.bon.caption, "Бонуса");
}

TEST(Captions, TheReadyMadeScreenPairsEveryValueWithItsName) {
    const screens::Createf f;
    const Pairs stats = {{"Сила", "05"},    {"Точность", "07"}, {"Выносливость", "05"}, {"Интеллект", "08"},
                         {"Обояние", "08"}, {"Ловкость", "08"}, {"Удача", "06"}};
    const Pairs lines = {{"Починка", "54"},    {"Ручное оружие", "47"}, {"Взлом", "55"},
                         {"Очки Жизни", "30"}, {"Класс брони", "08"},   {"Очки действия", "09"},
                         {"Повреждение", "01"}};
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(f.statCaption[i].text, stats[i].first);
        EXPECT_EQ(f.statValue[i].text, stats[i].second) << stats[i].first;
        EXPECT_EQ(f.lineCaption[i].text, lines[i].first);
        EXPECT_EQ(f.lineValue[i].text, lines[i].second) << lines[i].first;
        // Each value on its caption's row.
        EXPECT_LT(f.statValue[i].top - f.statCaption[i].top, f.statCaption[i].height) << stats[i].first;
        EXPECT_LT(f.lineValue[i].top - f.lineCaption[i].top, f.lineCaption[i].height) << lines[i].first;
    }
    EXPECT_EQ(f.k.text, "ДемоИгрок");
    EXPECT_EQ(f.Image4.hint, "Взять этого персонажа");
    EXPECT_EQ(f.Image3.hint, "Ура! Уже работает!");
    EXPECT_EQ(f.Image5.hint, "Отмена");
}

TEST(Captions, MenusButtonsAndHints) {
    const screens::Menuform m;
    EXPECT_EQ(m.BitBtn6.caption, "Новая игра");
    EXPECT_EQ(m.BitBtn4.caption, "Авторы");
    EXPECT_EQ(m.BitBtn1.caption, "Помощь");
    EXPECT_EQ(m.BitBtn3.caption, "Выход");

    const screens::Gameform g;
    EXPECT_EQ(g.ready.caption, "Выбрано");
    EXPECT_EQ(g.Label1.text, "Выберете действие:");
    EXPECT_EQ(g.mapb.caption, "Карта");
    EXPECT_EQ(g.mapb.hint, "Самая важная кнопка");
    EXPECT_EQ(g.BitBtn2.caption, "Хар.");
    EXPECT_EQ(g.BitBtn3.caption, "Веск.");
    EXPECT_EQ(g.BitBtn1.caption, "Инв.");
    EXPECT_EQ(g.pros.hint, "Просмотреть весь разговор");

    const screens::Mapform map;
    EXPECT_EQ(map.Label1.text, "Тарнвель : Деревня");
    const std::vector<std::string> hints = {"Идти к Брастону-охраннику",
                                            "Идти к Ольмиру",
                                            "Идти к Ведрику",
                                            "Идти к деревенским двурогам",
                                            "Идти на кукурузное поле",
                                            "Идти к Колвену",
                                            "Идти в дом одного из жителей",
                                            "Идти к Старейшине",
                                            "Идти в дом одного из жителей",
                                            "Идти к Эрвальду",
                                            "Идти к Дорену",
                                            "Идти к злой тётке Гризне",
                                            "Идти к охотничьим землям",
                                            "Идти к храму",
                                            "Идти к Мосту",
                                            "Назад"};
    for (std::size_t i = 0; i < hints.size(); ++i)
        EXPECT_EQ(map.place[i].hint, hints[i]) << "picture " << i + 1;

    const screens::Vesk v;
    EXPECT_EQ(v.ar.text, "Тарнвель");
}

} // namespace
} // namespace cv
