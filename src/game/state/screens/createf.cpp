// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Layout of the ready-made character screen: the preset's texts and the three buttons.
#include "createf.h"

#include <string>

namespace cv::screens {

Createf::Createf() {
    window.name = "createf";
    window.caption = "Создание персонажа";
    window.frame = Frame::Title;
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
    // The hints of the lower two are not what their captions in the picture say.
    Image4.spoken = "Взять этого персонажа";
    Image3.spoken = "Создать нового";
    Image5.spoken = "Назад";
    Image2.layout = "createf";
    Image1.layout = "portrait";
    Image4.layout = "button";
    Image3.layout = "button_off";
    Image5.layout = "button";

    add(Image2, "Image2");
    add(Image1, "Image1");
    add(k, "k");
    for (std::size_t i = 0; i < 7; ++i) {
        add(statCaption[i], "Label" + std::to_string(i + 1));
        add(statValue[i], "Label" + std::to_string(i + 8));
        add(lineCaption[i], "Label" + std::to_string(i + 15));
        add(lineValue[i], "Label" + std::to_string(i + 22));
    }
    add(Image4, "Image4");
    add(Image3, "Image3");
    add(Image5, "Image5");
}

} // namespace cv::screens
