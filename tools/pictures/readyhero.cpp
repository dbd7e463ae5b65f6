// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The ready-made character screen: its background (layout/createf.raw) and the heroine's portrait.
#include "ink.h"
#include "pictures.h"
#include "portrait.h"

namespace pictures {
namespace {

// A dark frame round one of the program's small buttons, with its caption to the right.
void buttonWithCaption(QPainter& p, QPoint at, const QString& caption) {
    ink::frame(p, QRectF(at.x() - 3, at.y() - 3, 38, 24), ink::dim(), 1.2);
    ink::text(p, QRectF(at.x() + 40, at.y() - 4, 300, 26), caption, 13, ink::bright(),
              Qt::AlignLeft | Qt::AlignVCenter);
}

QImage readyHeroBackground() {
    QImage image = ink::canvas(480, 360);
    QPainter p(&image);
    ink::prepare(p);

    // The outer frame, broken at the top for the heading.
    ink::doubleFrame(p, QRectF(0, 0, 480, 360));
    p.fillRect(QRectF(145, 0, 190, 22), Qt::black);
    ink::text(p, QRectF(0, 2, 480, 19), QStringLiteral("Готовый персонаж"), 15, ink::bright());

    // Frames round the portrait, the statistics and the skills.
    ink::frame(p, QRectF(31, 33, 94, 145), ink::dim(), 1.4);
    // The statistics and the skills share the line between them; the frames keep clear of the texts.
    ink::frame(p, QRectF(124, 42, 118, 97), ink::dim(), 1.4);
    ink::frame(p, QRectF(241, 46, 140, 123), ink::dim(), 1.4);

    // A divider between the sheet and the choices below it.
    p.setPen(ink::line(ink::dim(), 1.4));
    p.drawLine(QPointF(30, 212), QPointF(450, 212));
    p.drawLine(QPointF(30, 292), QPointF(450, 292));

    buttonWithCaption(p, QPoint(50, 238), QStringLiteral("Взять этого персонажа"));
    buttonWithCaption(p, QPoint(50, 314), QStringLiteral("Создать нового"));
    buttonWithCaption(p, QPoint(336, 314), QStringLiteral("Назад"));
    return image;
}

} // namespace

void writeReadyHero(PictureSink& sink) {
    sink.put(QStringLiteral("layout/createf.raw"), readyHeroBackground());
    sink.put(QStringLiteral("layout/portrait.raw"), heroinePortrait());
}

} // namespace pictures
