// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Layout of the character creation screen and of the ready-made character screen.
#include "createform.h"

namespace cv::screens {

namespace {

const Font kSmallBold{"MS Sans Serif", 9, true};

Label smallLabel(int left, int top, int width, std::string text, Color color = brightGreen) {
    return makeLabel(left, top, width, 11, std::move(text), color, kSmallBold);
}

} // namespace

Createform::Createform() {
    window.caption = "Создание персонажа";
    window.width = 800;
    window.height = 581;

    main.place(0, 0, 640, 480);
    namec.place(24, 2, 120, 20);
    age.place(200, 2, 40, 20);
    sex.place(243, 2, 70, 20);
    sex.items = {"Жен.", "Муж."};

    // Rows of the glyphs, in memory order of the statistics.
    const int glyphTop[kStatCount] = {40, 75, 109, 171, 206, 233, 136};
    const int raiseTop[kStatCount] = {38, 65, 92, 145, 172, 199, 119};
    const int lowerTop[kStatCount] = {47, 74, 101, 154, 181, 208, 127};
    for (int i = 0; i < kStatCount; ++i) {
        glyph[i].place(i == 4 ? 62 : 54, glyphTop[i], 33, 22);
        glyph[i].picture = "nums/05.bmp";
        raise[i].place(155, raiseTop[i], 14, 10);
        raise[i].cursor = Cursor::Hand;
        lower[i].place(155, lowerTop[i], 14, 10);
        lower[i].cursor = Cursor::Hand;
    }
    cpleft.place(101, 230, 40, 18);
    cpleft.readOnly = true;
    cpleft.text = "5";

    const char* derivedCaptions[kDerivedCount] = {
        "Жизней",        "/",          "Класс Брони", "Очки действия", "Макс. груз",    "Повр.",
        "Уст. к повр.",  "Уст. к яду", "Уст. к рад.", "Порядок",       "Уров. лечения", "Шанс на крит.",
        "Очков за уров."};
    for (int i = 0; i < kDerivedCount; ++i) {
        const int row = i <= dFhp ? 0 : i - 1;
        const int top = 41 + row * 15;
        derived[i].place(i == dFhp ? 303 : 273, top, i == dHp ? 20 : 24, 11);
        if (i == dFhp)
            derivedCaption[i] = smallLabel(295, top, 8, derivedCaptions[i]);
        else
            derivedCaption[i] = smallLabel(188, top, 84, derivedCaptions[i]);
    }
    derived[dHp].value = 30;
    derived[dFhp].value = 30;

    const char* statuses[7] = {
        "Отравлен",           "Облучён",           "Ранен в глаз",      "Ранен в лев. руку",
        "Ранен в прав. руку", "Ранен в лев. ногу", "Ранен в прав. ногу"};
    for (int i = 0; i < 7; ++i)
        status[i] = smallLabel(363, 256 + i * 13, 150, statuses[i], darkGreen);

    const char* skillCaptions[kSkillCount] = {
        "Ручное оружие",      "Тяжёлое оружие", "Енерго оружие", "Рукопашная", "Холодное оружие",
        "Метательное оружие", "Первая помощь",  "Доктор",        "Красться",   "Взламывать",
        "Воровать",           "Ловушки",        "Наука",         "Починка",    "Разговор",
        "Торговля",           "Скиталец"};
    const int skillStart[kSkillCount] = {25, 10, 10, 50, 40, 20, 20, 15, 20, 20, 15, 20, 20, 15, 25, 20, 20};
    for (int i = 0; i < kSkillCount; ++i) {
        // Seventeen rows from 20 to 163: 9 pixels apart, but 8 after "Починка", which has no descenders.
        const int top = 20 + 9 * i - (i >= 14 ? 1 : 0);
        s[i] = smallLabel(363, top, 150, skillCaptions[i]);
        s[i].cursor = Cursor::Hand;
        skill[i].place(521, top, 18, 11);
        skill[i].value = skillStart[i];
        percent[i] = smallLabel(539, top, 10, "%");
        tagButton[i].place(348, top + 1, 14, 8);
        tagButton[i].cursor = Cursor::Hand;
    }
    tleft.place(519, 227, 33, 22);
    tleft.picture = "nums/03.bmp";

    traitsp.place(7, 294, 320, 158);
    const char* traitCaptions[kTraitCount] = {
        "Быстрый метаболизм", "Крушила",        "Маленький",       "Однорукий",   "Точность",
        "Камикадзе",          "Тяжёл на руку",  "Быстрый стрелок", "Добродушный", "Неуст. к химии",
        "Уст. к химии",       "Сексапильность", "Умелец",          "Талант"};
    for (int i = 0; i < kTraitCount; ++i) {
        const bool left = i < 8;
        const int top = left ? 325 + (i * 74) / 7 : 327 + ((i - 8) * 53) / 5;
        t[i] = smallLabel(left ? 47 : 164, top, left ? 110 : 100, traitCaptions[i]);
        traitButton[i].place(left ? 28 : 252, top + 1, 14, 8);
        traitButton[i].cursor = Cursor::Hand;
    }

    Image2.place(371, 368, 13, 16);
    Image2.cursor = Cursor::Hand;
    Image1.place(450, 369, 13, 16);
    Image1.cursor = Cursor::Hand;

    bok1.place(346, 16, 16, 170);
    bok2.place(152, 34, 20, 190);
    bonusp.place(7, 262, 320, 158);
    kil.place(212, 498, 75, 25);
    kil.caption = "Убито";
    kil.visible = false;
    kar.place(334, 546, 75, 25);
    kar.caption = "Карма";
    kar.visible = false;
    bon.place(383, 514, 75, 25);
    bon.caption = "Бонуса";
    bon.visible = false;
    lb1 = smallLabel(41, 333, 270, "");
    lb2 = smallLabel(41, 346, 270, "");
    select.place(590, 30, 12, 12);
    select.visible = false;
    splus.place(608, 33, 10, 8);
    splus.visible = false;
    smin.place(608, 42, 10, 8);
    smin.visible = false;
    scribe = smallLabel(560, 260, 70, "");
    scribe.wordWrap = true;
    lb3 = smallLabel(560, 350, 70, "");
    Image3.place(600, 440, 13, 16);
}

Createf::Createf() {
    window.caption = "Создание персонажа";
    window.width = 480;
    window.height = 360;
    Image2.place(0, 0, 480, 360);
    Image1.place(34, 36, 90, 139);
    k.place(198, 23, 150, 18);
    k.text = "ДемоИгрок";
    k.font = Font{"MS Sans Serif", 15, true};

    const char* statCaptions[7] = {"Сила",    "Точность", "Выносливость", "Интеллект",
                                   "Обояние", "Ловкость", "Удача"};
    const char* statValues[7] = {"05", "07", "05", "08", "08", "08", "06"};
    const char* lineCaptions[7] = {"Починка",     "Ручное оружие", "Взлом",      "Очки Жизни",
                                   "Класс брони", "Очки действия", "Повреждение"};
    const char* lineValues[7] = {"54", "47", "55", "30", "08", "09", "01"};
    // Rows 13 pixels apart for the statistics and about 16 for the lines beside them; each text has its row.
    for (int i = 0; i < 7; ++i) {
        const int statTop = 44 + i * 13;
        statCaption[i].place(128, statTop, 87, 13);
        statCaption[i].text = statCaptions[i];
        statCaption[i].color = darkGreen;
        statCaption[i].font = Font{"MS Sans Serif", 12, true};
        statValue[i].place(219, statTop + 1, 21, 11);
        statValue[i].text = statValues[i];
        statValue[i].font = Font{"MS Sans Serif", 15, true};

        const int lineTop = 50 + (i * 98) / 6;
        lineCaption[i].place(244, lineTop, 91, 16);
        lineCaption[i].text = lineCaptions[i];
        lineCaption[i].color = darkGreen;
        lineCaption[i].font = Font{"MS Sans Serif", 12, true};
        lineValue[i].place(341, lineTop, 30, 16);
        lineValue[i].text = lineValues[i];
        lineValue[i].font = Font{"MS Sans Serif", 15, true};
    }

    Image4.place(50, 238, 32, 18);
    Image4.cursor = Cursor::Hand;
    Image4.hint = "Взять этого персонажа";
    Image3.place(50, 314, 32, 18);
    Image3.hint = "Ура! Уже работает!";
    Image3.enabled = false;
    Image5.place(336, 314, 32, 18);
    Image5.cursor = Cursor::Hand;
    Image5.hint = "Отмена";
}

} // namespace cv::screens
