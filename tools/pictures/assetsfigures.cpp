// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The player's figure: small combat views (assets/view) and full figures (assets/show).
#include "figure.h"
#include "ink.h"
#include "pictures.h"

namespace pictures {
namespace {

QImage figurePicture(int width, int height, Build build, Held held, qreal margin) {
    QImage image = ink::canvas(width, height);
    QPainter painter(&image);
    ink::prepare(painter);
    drawFigure(painter, QRectF(margin, margin, width - 2 * margin, height - 2 * margin), build, held);
    return image;
}

} // namespace

namespace {
bool heldBy(const std::string& subject, Held& held) {
    if (subject == "knife")
        held = Held::Knife;
    else if (subject == "gun" || subject == "pistol")
        held = Held::Pistol;
    else if (subject == "spear")
        held = Held::Spear;
    else if (subject == "no" || subject == "bare")
        held = Held::Nothing;
    else
        return false;
    return true;
}
} // namespace

QImage fighterPicture(const std::string& weapon, int sex) {
    Held held;
    if (!heldBy(weapon, held) || (sex != 1 && sex != 2)) return {};
    return figurePicture(47, 64, sex == 1 ? Build::Man : Build::Woman, held, 0.5);
}

QImage inventoryFigure(const std::string& weapon, int sex) {
    Held held;
    if (!heldBy(weapon, held) || (sex != 1 && sex != 2)) return {};
    return figurePicture(120, 220, sex == 1 ? Build::Man : Build::Woman, held, 2);
}

} // namespace pictures
