// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Implementation of the palette helpers shared by every picture.
#include "ink.h"

#include <QPainterPathStroker>
#include <QVector>
#include <algorithm>
#include <cmath>

namespace pictures::ink {

namespace {
qreal density = 1;
} // namespace

void setDensity(qreal pixelsPerPoint) {
    density = pixelsPerPoint;
}

qreal currentDensity() {
    return density;
}

QImage canvas(int width, int height) {
    // At a higher density the picture has more pixels, and its painters still draw in the layout's points.
    QImage image(qRound(width * density), qRound(height * density), QImage::Format_RGB32);
    image.setDevicePixelRatio(density);
    image.fill(black());
    return image;
}

void prepare(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QPen line(const QColor& colour, qreal width) {
    QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    pen.setCosmetic(true);
    return pen;
}

QFont letters(int pixelSize) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void text(QPainter& painter, const QRectF& box, const QString& words, int pixelSize, const QColor& colour,
          int flags) {
    painter.save();
    painter.setFont(letters(pixelSize));
    painter.setPen(colour);
    painter.drawText(box, flags, words);
    painter.restore();
}

void frame(QPainter& painter, const QRectF& box, const QColor& colour, qreal width) {
    painter.save();
    painter.setPen(line(colour, width));
    painter.setBrush(Qt::NoBrush);
    const qreal half = width / 2.0;
    painter.drawRect(box.adjusted(half, half, -half, -half));
    painter.restore();
}

void doubleFrame(QPainter& painter, const QRectF& box, qreal gap) {
    frame(painter, box, bright(), 2.0);
    frame(painter, box.adjusted(gap + 2, gap + 2, -gap - 2, -gap - 2), dim(), 1.5);
}

QPainterPath smooth(std::initializer_list<QPointF> points, bool closed) {
    const QVector<QPointF> pts(points);
    QPainterPath path;
    const int n = int(pts.size());
    if (n == 0) return path;
    path.moveTo(pts[0]);
    if (n == 1) return path;
    auto at = [&](int i) {
        if (closed) return pts[((i % n) + n) % n];
        return pts[std::clamp(i, 0, n - 1)];
    };
    const int pieces = closed ? n : n - 1;
    for (int i = 0; i < pieces; ++i) {
        const QPointF p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
        const QPointF c1 = p1 + (p2 - p0) / 6.0;
        const QPointF c2 = p2 - (p3 - p1) / 6.0;
        path.cubicTo(c1, c2, p2);
    }
    if (closed) path.closeSubpath();
    return path;
}

QPainterPath limb(std::initializer_list<QPointF> points, qreal width) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(smooth(points)).simplified();
}

void solid(QPainter& painter, const QPainterPath& shape, qreal outline) {
    painter.save();
    painter.setPen(line(bright(), outline));
    painter.setBrush(dim());
    painter.drawPath(shape);
    painter.restore();
}

void hush(QImage& image, const QRect& layoutBox, int level, int layoutFeather) {
    const qreal d = image.devicePixelRatio();
    const QRect box(qRound(layoutBox.left() * d), qRound(layoutBox.top() * d), qRound(layoutBox.width() * d),
                    qRound(layoutBox.height() * d));
    const int feather = qRound(layoutFeather * d);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const int dy = y < box.top() ? box.top() - y : (y > box.bottom() ? y - box.bottom() : 0);
        for (int x = 0; x < image.width(); ++x) {
            const int dx = x < box.left() ? box.left() - x : (x > box.right() ? x - box.right() : 0);
            const double distance = std::sqrt(double(dx * dx + dy * dy));
            if (distance >= feather) continue;
            const double cap = level + (255.0 - level) * (distance / feather);
            const QRgb pixel = row[x];
            const int peak = std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)});
            if (peak <= cap) continue;
            const double scale = cap / peak;
            row[x] = qRgb(int(qRed(pixel) * scale), int(qGreen(pixel) * scale), int(qBlue(pixel) * scale));
        }
    }
}

} // namespace pictures::ink
