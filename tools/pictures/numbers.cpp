// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The two-digit number glyphs (assets/nums/00.bmp .. 10.bmp) used for statistics.
#include "ink.h"
#include "pictures.h"

namespace pictures {
namespace {

// One digit stretched to fill its cell exactly, so every glyph has the same height.
void drawDigit(QPainter& p, QChar digit, const QRectF& cell) {
    QPainterPath shape;
    shape.addText(0, 0, ink::letters(40), QString(digit));
    // Fit every digit to the box of a "0" so narrow digits like "1" keep their natural width.
    QPainterPath zero;
    zero.addText(0, 0, ink::letters(40), QStringLiteral("0"));
    const QRectF reference = zero.boundingRect();
    const QRectF bounds = shape.boundingRect();
    const qreal sx = cell.width() / reference.width();
    const qreal sy = cell.height() / reference.height();
    p.save();
    p.translate(cell.center().x() - (bounds.center().x() - reference.center().x()) * sx -
                    reference.center().x() * sx,
                cell.top() - reference.top() * sy);
    p.scale(sx, sy);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::bright());
    p.drawPath(shape);
    p.restore();
}

QImage numberPicture(int value) {
    QImage image = ink::canvas(33, 22);
    QPainter painter(&image);
    ink::prepare(painter);
    ink::frame(painter, QRectF(0, 0, 33, 22), ink::dim(), 1.0);
    const QString digits = QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
    drawDigit(painter, digits[0], QRectF(3, 3, 12.5, 16));
    drawDigit(painter, digits[1], QRectF(17.5, 3, 12.5, 16));
    return image;
}

} // namespace

QImage glyphPicture(int value) {
    if (value < 0 || value > 10) return {};
    return numberPicture(value);
}

} // namespace pictures
