// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The character creation screen's background (layout/createform.raw): captions, headings and frames.
#include "ink.h"
#include "moth.h"
#include "pictures.h"

namespace pictures {
namespace {

void caption(QPainter& p, const QRectF& box, const QString& words,
             int flags = Qt::AlignLeft | Qt::AlignVCenter) {
    ink::text(p, box, words, 10, ink::bright(), flags);
}

QImage creationBackground() {
    QImage image = ink::canvas(640, 480);
    QPainter p(&image);
    ink::prepare(p);

    // Name field caption; the rest of the top strip belongs to the edit boxes.
    ink::text(p, QRectF(1, 4, 22, 14), QStringLiteral("Имя"), 9, ink::bright(),
              Qt::AlignLeft | Qt::AlignVCenter);

    // Statistics: names to the left of the number glyphs.
    const int rowTops[] = {40, 75, 109, 136, 171, 206, 233};
    const char* const names[] = {"СИЛ", "ТОЧ", "ВЫН", "ОБА", "ИНТ", "ЛОВ", "УДА"};
    for (int i = 0; i < 7; ++i)
        ink::text(p, QRectF(4, rowTops[i], 48, 22), QString::fromUtf8(names[i]), 9, ink::bright(),
                  Qt::AlignRight | Qt::AlignVCenter);
    caption(p, QRectF(101, 216, 49, 12), QStringLiteral("Очки"));
    ink::text(p, QRectF(4, 19, 166, 13), QStringLiteral("Характеристики"), 10, ink::bright(),
              Qt::AlignLeft | Qt::AlignVCenter);
    ink::frame(p, QRectF(2, 32, 174, 227), ink::dim(), 1.4);

    // Derived values.
    ink::frame(p, QRectF(180, 32, 161, 227), ink::dim(), 1.4);

    // Skills, with the free tag counter below the frame.
    ink::text(p, QRectF(570, 14, 66, 16), QStringLiteral("Навыки"), 11, ink::bright(),
              Qt::AlignLeft | Qt::AlignVCenter);
    ink::frame(p, QRectF(344, 14, 217, 209), ink::dim(), 1.4);
    ink::frame(p, QRectF(516, 224.5, 39, 27), ink::dim(), 1.2);
    caption(p, QRectF(440, 227, 72, 22), QStringLiteral("Метки"), Qt::AlignRight | Qt::AlignVCenter);

    // Accept and cancel, captioned underneath.
    ink::frame(p, QRectF(338, 358, 156, 45), ink::dim(), 1.2);
    caption(p, QRectF(347, 386, 61, 12), QStringLiteral("Готово"), Qt::AlignCenter);
    caption(p, QRectF(426, 386, 61, 12), QStringLiteral("Отмена"), Qt::AlignCenter);

    // The post's moth in the free corner under the skills heading.
    drawMoth(p, QPointF(600, 82), 60, 1.5);
    p.setPen(ink::line(ink::dim(), 1.2));
    p.drawLine(QPointF(574, 130), QPointF(626, 130));
    return image;
}

} // namespace

void writeCreation(PictureSink& sink) {
    sink.put(QStringLiteral("layout/createform.raw"), creationBackground());
}

} // namespace pictures
