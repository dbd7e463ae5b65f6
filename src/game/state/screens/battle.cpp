// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Layout of the combat screen.
#include "battle.h"

#include "layout.h"
#include <string>

namespace cv::screens {

Battle::Battle() {
    window.name = "battle";
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
    choose.title = "Действия";
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

    add(char_, "char");
    add(epic, "epic");
    add(Label1, "Label1");
    add(dis, "dis");
    add(Label2, "Label2");
    add(Label3, "Label3");
    add(Label18, "Label18");
    add(hp, "hp");
    add(Label6, "Label6");
    add(fhp, "fhp");
    add(Label4, "Label4");
    add(tp, "tp");
    add(cname, "cname");
    add(ename, "ename");
    add(Label20, "Label20");
    add(esos, "esos");
    add(Label13, "Label13");
    add(wea, "wea");
    add(Label11, "Label11");
    add(armor, "armor");
    add(Label9, "Label9");
    add(min, "min");
    add(Label12, "Label12");
    add(max, "max");
    add(Label7, "Label7");
    add(dal, "dal");
    add(Label8, "Label8");
    add(mag, "mag");
    add(Label5, "Label5");
    add(ewea, "ewea");
    add(Label25, "Label25");
    add(earm, "earm");
    add(Label24, "Label24");
    add(edam, "edam");
    add(Label23, "Label23");
    add(edal, "edal");
    add(warn, "warn");
    add(choose, "choose");
    add(ready, "ready");
    add(BitBtn3, "BitBtn3");
    add(endt, "endt");
    add(vict, "vict");
    add(lose, "lose");
    add(BitBtn1, "BitBtn1");
}

} // namespace cv::screens
