// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Windows of the start-up screens: the main menu, credits, help and the font dialog's host.
#include "shellforms.h"

#include <QLabel>
#include <QPushButton>

#include "game/shell/shell.h"

namespace cv::qt {

namespace {
constexpr Qt::WindowFlags kNoTitleButtons = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
}

TMenuform::TMenuform(Dispatcher& d, PictureLoader& p)
    : Form(d, p, d.world().Menuform.window, "Menuform", kNoTitleButtons) {
    auto& m = d.world().Menuform;
    // The buttons are painted into the menu's pictures, so the first window of the game draws no text.
    backdrop("menu", QRect(0, 0, 432, 425));
    onClick(paintedButton(m.BitBtn6, "BitBtn6", "menu_lit", "menu_down"));
    onClick(paintedButton(m.BitBtn4, "BitBtn4", "menu_lit", "menu_down"));
    onClick(paintedButton(m.BitBtn1, "BitBtn1", "menu_lit", "menu_down"));
    onClick(paintedButton(m.BitBtn3, "BitBtn3", "menu_lit", "menu_down"));
}

void TMenuform::closeRequested(World& w) {
    exitClick(w);
}

Tauth::Tauth(Dispatcher& d, PictureLoader& p)
    : Form(d, p, d.world().auth.window, "auth", kNoTitleButtons | Qt::WindowCloseButtonHint) {
    label(d.world().auth.Label1, "Label1");
}

Thelp::Thelp(Dispatcher& d, PictureLoader& p)
    : Form(d, p, d.world().help.window, "help",
           Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
               Qt::WindowCloseButtonHint,
           Placement::Maximized) {
    auto& h = d.world().help;
    ownGeometry();
    flow_ = {label(h.ca, "ca"),           label(h.heading1, "Label1"), label(h.Memo1, "Memo1"),
             label(h.heading2, "Label2"), label(h.Memo2, "Memo2"),     label(h.heading3, "Label3"),
             label(h.Memo3, "Memo3")};
    onEscape(inputHandler("help")); // as the window's close button
}

void Thelp::layOut() {
    const int width = std::max(canvas()->width(), 400) - 32;
    int top = 8;
    for (QLabel* l : flow_) {
        const int height = l->wordWrap() ? l->heightForWidth(width) : l->sizeHint().height();
        l->setGeometry(16, top, width, height);
        top += height + 10;
    }
}

Tfonts::Tfonts(Dispatcher& d, PictureLoader& p)
    : Form(d, p, d.world().fonts.window, "fonts",
           kNoTitleButtons | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {}

} // namespace cv::qt
