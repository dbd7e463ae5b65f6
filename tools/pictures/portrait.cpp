// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The portrait of the ready-made heroine: a young woman with long hair and a scarf (layout/portrait.raw).
#include "portrait.h"
#include "ink.h"

namespace pictures {

QImage heroinePortrait() {
    QImage image = ink::canvas(90, 139);
    QPainter p(&image);
    ink::prepare(p);

    // Long hair falling behind the shoulders.
    ink::solid(p,
               ink::smooth({{45, 21},
                            {29, 26},
                            {21, 50},
                            {17, 84},
                            {14, 108},
                            {22, 114},
                            {30, 110},
                            {32, 80},
                            {45, 70},
                            {58, 80},
                            {60, 110},
                            {68, 114},
                            {76, 108},
                            {73, 84},
                            {69, 50},
                            {61, 26}},
                           true),
               2.0);

    // Neck and shoulders in a tunic.
    p.setPen(ink::line(ink::bright(), 2.0));
    p.setBrush(Qt::black);
    p.drawRect(QRectF(38.5, 58, 13, 26));
    ink::solid(
        p, ink::smooth({{4, 140}, {10, 104}, {30, 90}, {45, 92}, {60, 90}, {80, 104}, {86, 140}}, true), 2.0);
    p.setPen(ink::line(ink::bright(), 1.4));
    p.drawLine(QPointF(24, 112), QPointF(22, 139)); // arm creases
    p.drawLine(QPointF(66, 112), QPointF(68, 139));

    // Scarf wound round the neck, knotted at the side, two fringed ends hanging down.
    for (const qreal shift : {0.0, 7.0}) {
        p.setPen(ink::line(ink::bright(), 2.0));
        p.setBrush(Qt::black);
        p.drawPath(ink::smooth({{50 + shift, 90},
                                {55 + shift, 106},
                                {55 + shift, 124},
                                {48 + shift, 124},
                                {48 + shift, 106},
                                {45 + shift, 92}},
                               true));
        p.setPen(ink::line(ink::bright(), 1.2));
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(48.5 + shift + i * 2, 124), QPointF(48.5 + shift + i * 2, 130));
        p.setPen(ink::line(ink::dim(), 1.4));
        p.drawLine(QPointF(48.5 + shift, 104), QPointF(54.5 + shift, 106));
        p.drawLine(QPointF(48.5 + shift, 116), QPointF(54.5 + shift, 116));
    }
    QPainterPath wrap = ink::smooth({{26, 80}, {45, 75}, {64, 80}, {65, 91}, {45, 97}, {25, 91}}, true);
    p.setPen(ink::line(ink::bright(), 2.0));
    p.setBrush(Qt::black);
    p.drawPath(wrap);
    p.setPen(ink::line(ink::dim(), 1.6));
    for (const qreal x : {31.0, 37.0, 43.0, 49.0, 55.0}) // woven stripes
        p.drawLine(QPointF(x, 79), QPointF(x + 2, 94));
    p.setPen(ink::line(ink::bright(), 2.0));
    p.setBrush(ink::dim());
    p.drawEllipse(QPointF(53, 92), 5, 4.5); // the knot

    // Face.
    p.setPen(ink::line(ink::bright(), 2.0));
    p.setBrush(Qt::black);
    p.drawPath(
        ink::smooth({{45, 23}, {59, 29}, {61, 46}, {56, 62}, {45, 68}, {34, 62}, {29, 46}, {31, 29}}, true));

    // Fringe parted to one side.
    ink::solid(p,
               ink::smooth({{29, 46},
                            {29, 30},
                            {38, 21},
                            {50, 20},
                            {60, 28},
                            {61, 44},
                            {57, 33},
                            {48, 30},
                            {40, 34},
                            {33, 39}},
                           true),
               2.0);
    p.setPen(ink::line(ink::bright(), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(ink::smooth({{44, 22}, {40, 28}, {34, 36}}));
    p.drawPath(ink::smooth({{52, 22}, {56, 28}, {58.5, 38}}));
    p.drawPath(ink::smooth({{24, 40}, {21, 70}, {22, 100}}));
    p.drawPath(ink::smooth({{66, 40}, {69, 70}, {68, 100}}));

    // Brows, eyes, nose and mouth.
    p.setPen(ink::line(ink::bright(), 1.5));
    p.drawPath(ink::smooth({{34.5, 41}, {38, 39.5}, {41.5, 40.5}}));
    p.drawPath(ink::smooth({{48.5, 40.5}, {52, 39.5}, {55.5, 41}}));
    for (const qreal x : {38.0, 52.0}) {
        QPainterPath eye;
        eye.moveTo(x - 4, 46);
        eye.quadTo(x, 42.5, x + 4, 46);
        eye.quadTo(x, 48.5, x - 4, 46);
        p.setPen(ink::line(ink::bright(), 1.4));
        p.setBrush(Qt::black);
        p.drawPath(eye);
        p.setPen(Qt::NoPen);
        p.setBrush(ink::bright());
        p.drawEllipse(QPointF(x, 45.8), 1.6, 1.6);
    }
    p.setPen(ink::line(ink::dim(), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(ink::smooth({{45.5, 48}, {46.5, 54}, {44, 55.5}}));
    p.setPen(ink::line(ink::bright(), 1.5));
    p.drawPath(ink::smooth({{40.5, 59.5}, {45, 61}, {49.5, 59.5}}));
    p.setPen(ink::line(ink::dim(), 1.2));
    p.drawLine(QPointF(43, 63.2), QPointF(47, 63.2));
    return image;
}

} // namespace pictures
