// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The small button faces, arrows, switches and markers the program puts on its screens.
#include "ink.h"
#include "pictures.h"

#include <functional>

namespace pictures {
namespace {

QColor shadow() {
    return QColor(0, 70, 0);
}

// A raised face: rounded outline, light top-left edge, dark bottom-right edge.
void bevel(QPainter& p, const QRectF& box, qreal radius, const QColor& light, const QColor& dark) {
    p.save();
    p.setPen(ink::line(dark, 1.0));
    p.setBrush(Qt::black);
    p.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    const QRectF inner = box.adjusted(2, 2, -2, -2);
    p.setPen(ink::line(light, 1.4));
    p.drawPolyline(QPolygonF{{inner.bottomLeft(), inner.topLeft(), inner.topRight()}});
    p.setPen(ink::line(dark, 1.4));
    p.drawPolyline(QPolygonF{
        {inner.topRight() + QPointF(0, 1), inner.bottomRight(), inner.bottomLeft() + QPointF(1, 0)}});
    p.restore();
}

QImage blankPainted(int width, int height, const std::function<void(QPainter&)>& draw) {
    QImage image = ink::canvas(width, height);
    QPainter painter(&image);
    ink::prepare(painter);
    draw(painter);
    return image;
}

QImage pictureButton(bool enabled) {
    return blankPainted(32, 18, [enabled](QPainter& p) {
        const QColor light = enabled ? ink::bright() : ink::dim();
        const QColor dark = enabled ? ink::dim() : shadow();
        bevel(p, QRectF(0, 0, 32, 18), 4, light, dark);
        p.setPen(Qt::NoPen);
        p.setBrush(light);
        p.drawEllipse(QPointF(16, 9), 3.2, 3.2);
    });
}

QImage arrowButton(bool up) {
    return blankPainted(14, 10, [up](QPainter& p) {
        p.setPen(ink::line(ink::dim(), 1.0));
        p.setBrush(Qt::black);
        p.drawRoundedRect(QRectF(0.5, 0.5, 13, 9), 2, 2);
        QPolygonF triangle;
        if (up)
            triangle << QPointF(7, 2) << QPointF(11.5, 8) << QPointF(2.5, 8);
        else
            triangle << QPointF(2.5, 2) << QPointF(11.5, 2) << QPointF(7, 8);
        p.setPen(ink::line(ink::bright(), 1.0));
        p.setBrush(ink::bright());
        p.drawPolygon(triangle);
    });
}

QImage pill(qreal knobX) {
    return blankPainted(14, 8, [knobX](QPainter& p) {
        p.setPen(ink::line(ink::bright(), 1.2));
        p.setBrush(ink::dim());
        p.drawRoundedRect(QRectF(0.6, 0.6, 12.8, 6.8), 3.4, 3.4);
        p.setPen(Qt::NoPen);
        p.setBrush(ink::bright());
        p.drawEllipse(QPointF(knobX, 4), 2.0, 2.0);
    });
}

QImage tinyButton(bool tick) {
    return blankPainted(13, 16, [tick](QPainter& p) {
        bevel(p, QRectF(0, 0, 13, 16), 2.5, ink::dim(), shadow());
        p.setPen(ink::line(ink::bright(), 2.0));
        if (tick) {
            p.drawPolyline(QPolygonF{{QPointF(3, 8.5), QPointF(5.6, 11.5), QPointF(10, 4.5)}});
        } else {
            p.drawLine(QPointF(3.5, 4.5), QPointF(9.5, 11.5));
            p.drawLine(QPointF(9.5, 4.5), QPointF(3.5, 11.5));
        }
    });
}

QImage marker() {
    return blankPainted(12, 12, [](QPainter& p) {
        QPolygonF arrow;
        arrow << QPointF(2, 1.5) << QPointF(11, 6) << QPointF(2, 10.5) << QPointF(4.5, 6);
        p.setPen(ink::line(ink::bright(), 1.0));
        p.setBrush(ink::bright());
        p.drawPolygon(arrow);
    });
}

QImage sign(bool plus) {
    return blankPainted(10, 8, [plus](QPainter& p) {
        p.setPen(ink::line(ink::bright(), 2.0));
        p.drawLine(QPointF(1.5, 4), QPointF(8.5, 4));
        if (plus) p.drawLine(QPointF(5, 0.8), QPointF(5, 7.2));
    });
}

QImage scrollButton() {
    return blankPainted(65, 28, [](QPainter& p) {
        bevel(p, QRectF(0, 0, 65, 28), 5, ink::bright(), ink::dim());
        // A sheet of paper rolled up at both ends, with lines of writing.
        p.setPen(ink::line(ink::bright(), 1.6));
        p.setBrush(Qt::black);
        p.drawRect(QRectF(23, 8, 19, 12));
        p.setBrush(ink::dim());
        p.drawRoundedRect(QRectF(18, 6, 6, 16), 3, 3);
        p.drawRoundedRect(QRectF(41, 6, 6, 16), 3, 3);
        p.setPen(ink::line(ink::dim(), 1.2));
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(26, 11 + i * 3), QPointF(i == 2 ? 34 : 39, 11 + i * 3));
    });
}

} // namespace

void writeControls(PictureSink& sink) {
    sink.put(QStringLiteral("layout/button.raw"), pictureButton(true));
    sink.put(QStringLiteral("layout/button_off.raw"), pictureButton(false));
    sink.put(QStringLiteral("layout/statup.raw"), arrowButton(true));
    sink.put(QStringLiteral("layout/statdown.raw"), arrowButton(false));
    sink.put(QStringLiteral("layout/tag.raw"), pill(4.2));
    sink.put(QStringLiteral("layout/trait.raw"), pill(9.8));
    sink.put(QStringLiteral("layout/accept.raw"), tinyButton(true));
    sink.put(QStringLiteral("layout/cancel.raw"), tinyButton(false));
    sink.put(QStringLiteral("layout/marker.raw"), marker());
    sink.put(QStringLiteral("layout/plus.raw"), sign(true));
    sink.put(QStringLiteral("layout/minus.raw"), sign(false));
    sink.put(QStringLiteral("layout/pros.raw"), scrollButton());
}

} // namespace pictures
