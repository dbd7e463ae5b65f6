// The inventory screen's background (layout/invback.raw): empty frames for each part of the screen.
#include "ink.h"
#include "pictures.h"

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

QImage inventoryPicture() {
    QImage image = ink::canvas(640, 480);
    QPainter p(&image);
    ink::prepare(p);
    panel(p, QRectF(10, 10, 200, 290));   // item list
    panel(p, QRectF(220, 10, 140, 240));  // the figure
    panel(p, QRectF(380, 10, 250, 110));  // first hand
    panel(p, QRectF(380, 130, 250, 110)); // second hand
    panel(p, QRectF(220, 258, 410, 42));  // statistics
    panel(p, QRectF(10, 310, 620, 110));  // description text
    ink::doubleFrame(p, QRectF(0, 0, 640, 480), 1);
    return image;
}

} // namespace

void writeInventory(PictureSink& sink) {
    sink.put(QStringLiteral("layout/invback.raw"), inventoryPicture());
}

} // namespace pictures
