// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Layout of the village map.
#include "mapform.h"

#include <string>

#include "../../vocab/places.h"

namespace cv::screens {

Mapform::Mapform() {
    window.name = "mapform";
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
    // The two houses share their hint; where they lie tells them apart.
    place[locHouseA - 1].spoken = "Идти в дом одного из жителей, на востоке";
    place[locHouseB - 1].spoken = "Идти в дом одного из жителей, на западе";
    add(Label1, "Label1");
    for (std::size_t i = 0; i < place.size(); ++i)
        add(place[i], std::string(kPlaceNames[i]));
}

} // namespace cv::screens
