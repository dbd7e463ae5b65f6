// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Layouts of the village map, the combat and aimed-attack screens, the inventory and the wrist computer.
#include "others.h"

namespace cv::screens {

Mapform::Mapform() {
    window.caption = "mapform";
    window.width = 581;
    window.height = 601;
    Label1.place(219, 496, 160, 18);
    Label1.text = "Тарнвель : Деревня";
    Label1.font = Font{"MS Sans Serif", 15, true};
    // The background picture of the village, Image1, is part of the layout.
    struct Spot {
        int l, t, w, h;
        const char* hint;
    };
    const Spot spots[16] = {
        {85, 88, 60, 43, "Идти к Брастону-охраннику"},
        {94, 180, 76, 62, "Идти к Ольмиру"},
        {280, 175, 28, 30, "Идти к Ведрику"},
        {355, 100, 182, 74, "Идти к деревенским двурогам"},
        {386, 175, 157, 85, "Идти на кукурузное поле"},
        {416, 273, 78, 55, "Идти к Колвену"},
        {324, 311, 71, 55, "Идти в дом одного из жителей"},
        {154, 260, 84, 65, "Идти к Старейшине"},
        {89, 327, 72, 63, "Идти в дом одного из жителей"},
        {199, 336, 54, 33, "Идти к Эрвальду"},
        {276, 249, 71, 55, "Идти к Дорену"},
        {253, 370, 72, 62, "Идти к злой тётке Гризне"},
        {46, 132, 24, 50, "Идти к охотничьим землям"},
        {251, 88, 46, 25, "Идти к храму"},
        {422, 439, 120, 37, "Идти к Мосту"},
        {230, 570, 21, 22, "Назад"},
    };
    for (int i = 0; i < 16; ++i) {
        place[i].place(spots[i].l, spots[i].t, spots[i].w, spots[i].h);
        place[i].hint = spots[i].hint;
        place[i].cursor = Cursor::Hand;
    }
}

namespace {

const Font kFightText{"MS Sans Serif", 11, true};

Label text(int left, int top, int width, std::string words, Color color = brightGreen,
           Font font = kFightText) {
    return makeLabel(left, top, width, 13, std::move(words), color, std::move(font));
}

NumberLabel number(int left, int top, int width, Color color = brightGreen) {
    NumberLabel n;
    n.place(left, top, width, 13);
    n.color = color;
    n.font = kFightText;
    return n;
}

} // namespace

Battle::Battle() {
    window.caption = "Драка";
    window.width = 605;
    window.height = 466;

    // The band of ground lies at 0, 46 (605 x 287); the fighters stand on it.
    char_.place(7, 137, 47, 64);
    epic.place(553, 137, 47, 64);

    Label18 = text(4, 4, 66, "Состояние");
    hp = number(72, 4, 24);
    Label6 = text(97, 4, 8, "/");
    fhp = number(106, 4, 24);
    Label4 = text(72, 20, 118, "Очки действия:");
    tp = number(193, 19, 28);
    Label2 = text(232, 2, 160, "Естественные укрытия:нет");
    Label3 = text(232, 14, 160, "Местность:открытая");
    Label1 = text(258, 26, 90, "Расстояние", red);
    dis = number(294, 52, 30, red);
    dis.value = 20;
    cname = text(0, 52, 150, "", navy);
    ename = text(455, 52, 150, "", red);
    Label20 = text(455, 4, 70, "Состояние");
    esos = text(455, 20, 145, "Целёхонек");

    warn = text(6, 338, 240, "");
    warn.height = 33;
    warn.wordWrap = true;

    Label13 = text(7, 397, 52, "Оружие:");
    wea = text(60, 397, 62, "");
    Label11 = text(7, 410, 52, "Броня:");
    armor = number(60, 410, 40);
    Label9 = text(7, 423, 52, "Повр.:");
    min = text(60, 423, 20, "0");
    Label12 = text(80, 423, 8, "-");
    max = text(88, 423, 30, "0");
    Label7 = text(7, 436, 52, "Дальн.:");
    dal = text(60, 436, 40, "");
    Label8 = text(7, 449, 52, "Магаз.:");
    mag = text(60, 449, 40, "0");

    Label5 = text(470, 397, 60, "Оружие:");
    ewea = text(532, 397, 60, "?");
    Label25 = text(470, 410, 60, "Броня:");
    earm = text(532, 410, 60, "?");
    Label24 = text(470, 423, 60, "Повр.:");
    edam = text(532, 423, 60, "?");
    Label23 = text(470, 436, 60, "Дальн.:");
    edal = text(532, 436, 60, "?");

    choose.place(260, 336, 196, 72);
    for (auto entry : kFixedEntries)
        choose.items.emplace_back(entry);
    ready.place(260, 410, 196, 22);
    ready.caption = "Сделать";
    BitBtn3.place(267, 442, 72, 22);
    BitBtn3.caption = "Хар.";
    endt.place(343, 442, 106, 22);
    endt.caption = "Конец хода";
    vict.place(220, 0, 175, 49);
    vict.caption = "Победа!";
    vict.visible = false;
    lose.place(220, 0, 175, 49);
    lose.caption = "Вы убиты!";
    lose.visible = false;
    BitBtn1.place(124, 429, 117, 37);
    BitBtn1.caption = "Сменить оружие";
    BitBtn1.enabled = false;
}

Accform::Accform() {
    window.caption = "Прицелиться";
    // The rows stand 18 pixels apart, not 13, so that the radio circles of the stand-in style do not touch.
    window.width = 150;
    window.height = 132;
    pric.place(0, 0, 150, 132);
    const char* parts[5] = {"В глаза", "В голову", "В пах", "В ногу", "В руку"};
    for (int i = 0; i < 5; ++i) {
        b[static_cast<std::size_t>(i)].place(29, 8 + 18 * i, 92, 16);
        b[static_cast<std::size_t>(i)].caption = parts[i];
        b[static_cast<std::size_t>(i)].cursor = Cursor::Hand;
        t[static_cast<std::size_t>(i)] = text(124, 8 + 18 * i, 24, "0");
        t[static_cast<std::size_t>(i)].height = 16; // on its radio's line
    }
    ready.place(43, 102, 61, 24);
    ready.caption = "Бить";
    ready.enabled = false;
}

InvForm::InvForm() {
    window.caption = "Инвентарь";
    window.width = 640;
    window.height = 500;

    citem.place(18, 18, 184, 234);
    citem.items = {"<<<--->>>"};

    // The action panel, in the list's column: its six choices top to bottom are a1, a6, a3, a4, a5, a2.
    choose.place(10, 268, 200, 196);
    choose.visible = false;
    chooseTitle = text(8, 4, 184, "Выберете действие:");
    const char* actions[6] = {"Использовать", "Осмотреть", "Положить на землю",
                              "Зарядить",     "Разрядить", "Снять"};
    const int tops[6] = {24, 124, 64, 84, 104, 44};
    for (int i = 0; i < 6; ++i) {
        a[static_cast<std::size_t>(i)].place(8, tops[i], 184, 18);
        a[static_cast<std::size_t>(i)].caption = actions[i];
        a[static_cast<std::size_t>(i)].cursor = Cursor::Hand;
    }
    ready.place(8, 152, 184, 26);
    ready.caption = "Сделать";

    mainshow.place(230, 25, 120, 220);
    curshow.place(230, 25, 120, 220);

    // The two hands.
    for (int h = 0; h < 2; ++h) {
        const int top = 20 + 126 * h;
        Picture& v = h == 0 ? v1 : v2;
        v.place(380, top + 2, 90, 60);
        v.cursor = Cursor::Hand;
        v.hint = h == 0 ? "Первая рука" : "Вторая рука";
        (h == 0 ? w1 : w2) = text(480, top, 144, "Без оружия:");
        (h == 0 ? dam1Caption : dam2Caption) = text(480, top + 20, 44, "Повр.:");
        (h == 0 ? min1 : min2) = text(526, top + 20, 20, "");
        (h == 0 ? dash1 : dash2) = text(546, top + 20, 8, "-");
        (h == 0 ? max1 : max2) = text(556, top + 20, 30, "");
        (h == 0 ? d1Caption : d2Caption) = text(480, top + 38, 52, "Дальн.:");
        (h == 0 ? d1 : d2) = text(534, top + 38, 30, "1");
        fixed.push_back(text(480, top + 56, 62, "Зарядов:"));
        fixed.push_back(text(544, top + 56, 20, "0"));
    }

    // The character: name, statistics, armour class, hit points, load and count, resistances.
    fixed.push_back(text(230, 274, 120, "ДемоИгрок"));
    const char* stats[7] = {"СЛ", "МД", "ВН", "ИН", "ОБ", "ЛВ", "УД"};
    const char* figures[7] = {"5", "7", "5", "8", "8", "8", "6"};
    for (int i = 0; i < 7; ++i) {
        const int left = 230 + 44 * (i % 4), top = 294 + 18 * (i / 4);
        if (i == 1) {
            mdCaption = text(left, top, 22, stats[i]);
            mdc = text(left + 24, top, 18, figures[i]);
            continue;
        }
        fixed.push_back(text(left, top, 22, stats[i]));
        fixed.push_back(text(left + 24, top, 18, figures[i]));
    }
    fixed.push_back(text(230, 330, 84, "Класс Брони"));
    fixed.push_back(text(316, 330, 24, "8"));
    hpCaption = text(230, 348, 56, "Жизней");
    hp = text(288, 348, 24, "");
    hpSlash = text(312, 348, 8, "/");
    fhp = text(322, 348, 24, "");
    gruzCaption = text(410, 274, 40, "Груз:");
    gruz = text(452, 274, 28, "");
    slash = text(480, 274, 8, "/");
    fwe = text(490, 274, 30, "");
    numbCaption = text(410, 292, 46, "Всего:");
    numb = text(458, 292, 50, "");
    const char* resistances[5] = {"Норма", "Плазма", "Лазер", "Огонь", "Взрыв"};
    for (int i = 0; i < 5; ++i) {
        const int top = 274 + 18 * i;
        fixed.push_back(text(530, top, 50, resistances[i]));
        fixed.push_back(text(580, top, 14, "0"));
        fixed.push_back(text(594, top, 30, "/0%"));
    }

    itext = text(230, 384, 390, "");
    itext.height = 98;
    itext.wordWrap = true;
    itext.font = Font{"MS Sans Serif", 13, true};

    Image2.place(18, 472, 13, 16);
    Image2.cursor = Cursor::Hand;
    Image2.hint = "Отмена";
}

Vesk::Vesk() {
    window.caption = "Вескарь";
    window.width = 484;
    window.height = 363;
    Image2.place(40, 337, 13, 16);
    Image2.cursor = Cursor::Hand;
    Image2.hint = "Закрыть";
    Image3.place(40, 255, 13, 16);
    Image3.cursor = Cursor::Hand;
    Image3.hint = "Места";
    ar.place(201, 39, 120, 16);
    ar.text = "Тарнвель";
    ar.cursor = Cursor::Hand;
    ar.font = Font{"MS Sans Serif", 13, true};
    ar.visible = false;
    const int tops[5] = {59, 105, 150, 241, 196}; // z5 lies above z4
    for (int i = 0; i < 5; ++i) {
        // 15 pixels a line; a word-wrapped line grows to the second line it needs, as far as the next one.
        z[i].place(195, tops[i], 220, 30);
        z[i].wordWrap = true;
        z[i].font = Font{"Times New Roman", 13, false};
        z[i].visible = false;
    }
}

StoryLog::StoryLog() {
    window.caption = "Весь разговор";
    window.width = 640;
    window.height = 480;
    Label1.place(16, 10, 608, 20);
    Label1.text = "Всё, что было сказано в этой игре";
    Label1.font = Font{"MS Sans Serif", 15, true};
    // The log grows downwards; its window scrolls it.
    text.place(16, 40, 608, 392);
    text.font = Font{"MS Sans Serif", 13, true};
    close.place(520, 444, 104, 24);
    close.caption = "Закрыть";
}

} // namespace cv::screens
