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

Battle::Battle() {
    window.caption = "Драка";
    window.width = 605;
    window.height = 466;
}

Accform::Accform() {
    window.caption = "Прицелиться";
    window.width = 150;
    window.height = 111;
}

// Only the controls the game screen's inventory button fills so far; the list, the hands and the actions
// come with the inventory screen's own rules.
InvForm::InvForm() {
    window.caption = "Инвентарь";
    window.width = 640;
    window.height = 480;
    mainshow.place(230, 20, 120, 220);
    curshow.place(230, 20, 120, 220);
    fwe.place(120, 330, 30, 14);
    hp.place(80, 350, 30, 14);
    fhp.place(120, 350, 30, 14);
    min1.place(400, 70, 20, 14);
    max1.place(430, 70, 20, 14);
    min2.place(400, 190, 20, 14);
    max2.place(430, 190, 20, 14);
}

Vesk::Vesk() {
    window.caption = "Вескарь";
    window.width = 484;
    window.height = 363;
    Image2.place(40, 337, 13, 16);
    Image2.cursor = Cursor::Hand;
    Image3.place(40, 255, 13, 16);
    Image3.cursor = Cursor::Hand;
    ar.place(201, 39, 120, 16);
    ar.text = "Тарнвель";
    ar.cursor = Cursor::Hand;
    ar.font = Font{"MS Sans Serif", 13, true};
    ar.visible = false;
    const int tops[5] = {59, 105, 150, 241, 196}; // z5 lies above z4
    for (int i = 0; i < 5; ++i) {
        z[i].place(195, tops[i], 220, 15);
        z[i].wordWrap = true;
        z[i].font = Font{"Times New Roman", 13, false};
        z[i].visible = false;
    }
}

} // namespace cv::screens
