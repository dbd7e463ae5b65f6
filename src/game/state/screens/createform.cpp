// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Layout of the character creation screen and sheet.
#include "createform.h"

#include <string>

#include "layout.h"

namespace cv::screens {

Createform::Createform() {
    window.name = "createform";
    window.caption = "Создание персонажа";
    window.frame = Frame::Title;
    window.overOthers = true;
    window.width = 800;
    window.height = 581;

    main.place(0, 0, 640, 480);
    namec.place(24, 2, 120, 20);
    age.place(200, 2, 40, 20);
    sex.place(243, 2, 70, 20);
    sex.items = {"Жен.", "Муж."};
    namec.title = "Имя"; // as the picture beside it says; the other two have no caption
    age.title = "Возраст";
    sex.title = "Пол";

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
    cpleft.title = "Очки"; // as the caption above it says

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
    // Captioned underneath in the picture; they have no hints.
    Image2.spoken = "Готово";
    Image1.spoken = "Отмена";

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

    main.layout = "createform";
    bok1.layout = "bok1";
    bok2.layout = "bok2";
    bonusp.layout = "bonusp";
    traitsp.layout = "traitsp";
    for (int i = 0; i < kStatCount; ++i) {
        raise[i].layout = "statup";
        lower[i].layout = "statdown";
    }
    for (auto& b : tagButton)
        b.layout = "tag";
    for (auto& b : traitButton)
        b.layout = "trait";
    Image2.layout = "accept";
    Image1.layout = "cancel";
    select.layout = "marker";
    splus.layout = "plus";
    smin.layout = "minus";

    // In the order of their stacking: the sheet's covers lie behind until brought to the front.
    add(main, "main");
    add(bok1, "bok1");
    add(bok2, "bok2");
    add(bonusp, "bonusp");
    add(traitsp, "traitsp");
    add(namec, "namec");
    add(age, "age");
    add(sex, "sex");
    for (std::size_t i = 0; i < kStatCount; ++i) {
        add(glyph[i], std::string(kGlyphNames[i]));
        add(raise[i], std::string(kRaiseNames[i])).cover = &bok2;
        add(lower[i], std::string(kLowerNames[i])).cover = &bok2;
    }
    add(cpleft, "cpleft");
    for (std::size_t i = 0; i < kDerivedCount; ++i) {
        add(derivedCaption[i], "dc" + std::to_string(i + 1));
        add(derived[i], std::string(kDerivedNames[i]));
    }
    for (std::size_t i = 0; i < status.size(); ++i)
        add(status[i], "st" + std::to_string(i + 1));
    for (std::size_t k = 0; k < kSkillCount; ++k) {
        add(s[k], "s" + std::to_string(k + 1));
        add(skill[k], std::string(kSkillValueNames[k]));
        add(percent[k], "pc" + std::to_string(k + 1));
        add(tagButton[k], std::string(kTagButtonNames[k])).cover = &bok1;
    }
    add(tleft, "tleft");
    for (std::size_t n = 0; n < kTraitCount; ++n) {
        add(t[n], "t" + std::to_string(n + 1));
        add(traitButton[n], std::string(kTraitButtonNames[n])).cover = &bonusp;
    }
    add(Image2, "Image2");
    add(Image1, "Image1");
    add(kil, "kil");
    add(kar, "kar");
    add(bon, "bon");
    add(lb1, "lb1");
    add(lb2, "lb2");
    add(select, "select");
    add(splus, "splus");
    add(smin, "smin");
    add(scribe, "scribe");
    add(lb3, "lb3");
    add(Image3, "Image3");
}

} // namespace cv::screens
