// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Windows of the character: the ready-made character screen and the creation screen / character sheet.
#include "characterforms.h"

namespace cv::qt {

Tcreatef::Tcreatef(Dispatcher& d, PictureLoader& p) : Form(d, p, d.world().createf) {
    auto& f = d.world().createf;
    build();
    // Tab goes from button to button, Enter or Space presses the one with the green frame.
    for (const Picture* button : {&f.Image4, &f.Image3, &f.Image5})
        widgetAs<PictureView>(*button)->setFocusFrame(true);
    focusFirst(widget(f.Image4));
}

Tcreateform::Tcreateform(Dispatcher& d, PictureLoader& p) : Form(d, p, d.world().createform) {
    auto& f = d.world().createform;
    build();
    // The buttons have no hints; screen readers name them by what they do.
    const char* stats[screens::kStatCount] = {"Сила",     "Точность", "Выносливость", "Интеллект",
                                              "Ловкость", "Удача",    "Обояние"};
    auto named = [this](const Control& c, QString name) { readAs(c, {}, [name] { return name; }); };
    for (std::size_t i = 0; i < screens::kStatCount; ++i) {
        named(f.raise[i], QString("%1: больше").arg(stats[i]));
        named(f.lower[i], QString("%1: меньше").arg(stats[i]));
    }
    for (std::size_t k = 0; k < screens::kSkillCount; ++k)
        named(f.tagButton[k], "Метка: " + QString::fromStdString(f.s[k].text));
    for (std::size_t n = 0; n < screens::kTraitCount; ++n)
        named(f.traitButton[n], "Особенность: " + QString::fromStdString(f.t[n].text));
    // On the sheet, Escape does what its accept does there, as the desktop's close does: the sheet closes
    // and the screens behind take input again.
    onEscape(f.window.close);
    focusFirst(widget(f.Image2));
}

} // namespace cv::qt
