// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The inventory screen's background (layout/invback.raw): empty frames for each part of the screen; and
// the story log's (layout/storylog.raw), framed alike.
#include "ink.h"
#include "pictures.h"

#include "game/world.h"

namespace pictures {
namespace {

// A frame with small bright corner brackets over a dark green outline.
void panel(QPainter& p, const QRectF& box) {
    ink::frame(p, box, ink::dim(), 1.6);
    p.setPen(ink::line(ink::bright(), 2.2));
    const qreal arm = 10;
    const QPointF corners[] = {box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft()};
    const QPointF along[] = {{arm, 0}, {0, arm}, {-arm, 0}, {0, -arm}};
    const QPointF across[] = {{0, arm}, {-arm, 0}, {0, -arm}, {arm, 0}};
    for (int i = 0; i < 4; ++i) {
        const QPointF c = corners[i] + (i == 1 || i == 2 ? QPointF(-1, 0) : QPointF(1, 0)) +
                          (i >= 2 ? QPointF(0, -1) : QPointF(0, 1));
        p.drawLine(c, c + along[i]);
        p.drawLine(c, c + across[i]);
    }
}

QRectF around(const cv::Control& c, qreal margin) {
    return QRectF(c.left - margin, c.top - margin, c.width + 2 * margin, c.height + 2 * margin);
}

// The frames stand round the screen's controls where the game's own layout puts them.
QImage inventoryPicture() {
    const cv::screens::InvForm f;
    QImage image = ink::canvas(f.window.width, f.window.height);
    QPainter p(&image);
    ink::prepare(p);
    panel(p, around(f.citem, 8));                                                   // item list
    panel(p, QRectF(f.choose.left, f.choose.top, f.choose.width, f.choose.height)); // actions
    panel(p, around(f.mainshow, 10));                                               // the figure
    panel(p, QRectF(370, f.v1.top - 12, 260, 122));                                 // first hand
    panel(p, QRectF(370, f.v2.top - 12, 260, 122));                                 // second hand
    panel(p, QRectF(220, 266, 410, 104));                                           // the character
    panel(p, around(f.itext, 8));                                                   // description text
    ink::frame(p, QRectF(f.v1.left, f.v1.top, f.v1.width, f.v1.height), ink::dim(), 1.0);
    ink::frame(p, QRectF(f.v2.left, f.v2.top, f.v2.width, f.v2.height), ink::dim(), 1.0);
    ink::text(p, QRectF(f.Image2.left + 18, f.Image2.top - 2, 120, 20), QStringLiteral("Закрыть"), 13,
              ink::bright(), Qt::AlignLeft | Qt::AlignVCenter);
    ink::doubleFrame(p, QRectF(0, 0, f.window.width, f.window.height), 1);
    return image;
}

// The story log: the window's frame and a panel round the log.
QImage storyLogPicture() {
    const cv::screens::StoryLog log;
    QImage image = ink::canvas(log.window.width, log.window.height);
    QPainter p(&image);
    ink::prepare(p);
    panel(p, around(log.text, 6));
    ink::doubleFrame(p, QRectF(0, 0, log.window.width, log.window.height), 1);
    return image;
}

} // namespace

void writeInventory(PictureSink& sink) {
    sink.put(QStringLiteral("layout/invback.raw"), inventoryPicture());
    sink.put(QStringLiteral("layout/storylog.raw"), storyLogPicture());
}

} // namespace pictures
