// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Side panels of the character screens: traits, bonuses, and the hatched strips covering unused buttons.
#include "ink.h"
#include "pictures.h"

namespace pictures {
namespace {

QImage headedPanel(const QString& heading) {
    QImage image = ink::canvas(320, 158);
    QPainter p(&image);
    ink::prepare(p);
    ink::doubleFrame(p, QRectF(0, 0, 320, 158), 2);
    ink::text(p, QRectF(0, 8, 320, 16), heading, 13, ink::bright());
    p.setPen(ink::line(ink::dim(), 1.2));
    p.drawLine(QPointF(40, 26), QPointF(280, 26));
    return image;
}

QImage hatchedStrip(int height) {
    QImage image = ink::canvas(20, height);
    QPainter p(&image);
    ink::prepare(p);
    p.setClipRect(QRect(0, 0, 20, height));
    p.setPen(ink::line(ink::dim(), 1.6));
    for (int y = -20; y < height + 20; y += 6)
        p.drawLine(QPointF(0, y + 20), QPointF(20, y));
    ink::frame(p, QRectF(0, 0, 20, height), ink::dim(), 1.4);
    return image;
}

} // namespace

void writePanels(PictureSink& sink) {
    sink.put(QStringLiteral("layout/traitsp.raw"), headedPanel(QStringLiteral("Особенности")));
    sink.put(QStringLiteral("layout/bonusp.raw"), headedPanel(QStringLiteral("Бонусы")));
    sink.put(QStringLiteral("layout/bok1.raw"), hatchedStrip(170));
    sink.put(QStringLiteral("layout/bok2.raw"), hatchedStrip(190));
}

} // namespace pictures
