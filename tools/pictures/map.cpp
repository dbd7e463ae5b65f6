// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The bird's-eye map of the village of Тарнвель (layout/map.raw): paths, canyon and every place.
#include "ink.h"
#include "mapplaces.h"
#include "pictures.h"
#include "scenery.h"
#include "seeded.h"

#include <QPolygonF>

namespace pictures {
namespace {

constexpr int kWidth = 581;
constexpr int kHeight = 601;

// The areas the program makes clickable; each gets the drawing of its place.
const QRectF kCave(85, 88, 60, 43);
const QRectF kHut(94, 180, 76, 62);
const QRectF kCousin(280, 175, 28, 30);
const QRectF kPasture(355, 100, 182, 74);
const QRectF kField(386, 175, 157, 85);
const QRectF kSpearTent(416, 273, 78, 55);
const QRectF kEastTent(324, 311, 71, 55);
const QRectF kElder(154, 260, 84, 65);
const QRectF kWestTent(89, 327, 72, 63);
const QRectF kWell(199, 336, 54, 33);
const QRectF kStatue(276, 249, 71, 55);
const QRectF kAuntTent(253, 370, 72, 62);
const QRectF kForest(46, 132, 24, 50);
const QRectF kTemple(251, 88, 46, 25);
const QRectF kBridge(422, 439, 120, 37);
const QRectF kBack(230, 570, 21, 22);
const QRect kCaption(196, 486, 208, 33);

void drawPaths(QPainter& p) {
    QPen pen = ink::line(ink::dim(), 2.4);
    pen.setStyle(Qt::DashLine);
    pen.setDashPattern({3.0, 2.0});
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    auto path = [&](std::initializer_list<QPointF> points) { p.drawPath(ink::smooth(points)); };
    const QPointF square(262, 318); // the open ground between the well and the statue
    path({kCave.center(), {122, 150}, kHut.center()});
    path({kForest.center(), {90, 170}, kHut.center()});
    path({kHut.center(), {170, 250}, kElder.center()});
    path({kElder.center(), square, kStatue.center()});
    path({kWell.center(), square});
    path({kWestTent.center(), {170, 355}, kWell.center()});
    path({square, {280, 360}, kAuntTent.center()});
    path({square, {320, 330}, kEastTent.center()});
    path({kStatue.center(), {300, 220}, kCousin.center()});
    path({kCousin.center(), {285, 140}, kTemple.center()});
    path({kCousin.center(), {340, 178}, kPasture.center()});
    path({kCousin.center(), {360, 210}, kField.center()});
    path({kStatue.center(), {390, 290}, kSpearTent.center()});
    path({kEastTent.center(), {405, 385}, {416, 440}, {kBridge.left() + 3, kBridge.center().y() + 4}});
    path({{kBridge.right() - 3, kBridge.center().y() + 4}, {560, 470}, {kWidth - 6, 500}});
    path({kAuntTent.center(), {280, 470}, {248, 540}, kBack.center()});
}

// A canyon coming in from the right edge, turning south under the bridge and leaving at the bottom.
void drawCanyon(QPainter& p) {
    const QPolygonF west{{QPointF(kWidth, 352), QPointF(540, 364), QPointF(502, 384), QPointF(472, 412),
                          QPointF(456, 444), QPointF(450, 472), QPointF(446, 512), QPointF(440, 560),
                          QPointF(437, kHeight)}};
    const QPolygonF east{{QPointF(kWidth, 392), QPointF(548, 400), QPointF(526, 420), QPointF(514, 446),
                          QPointF(516, 472), QPointF(522, 512), QPointF(530, 560), QPointF(536, kHeight)}};
    QPolygonF inside = west;
    for (auto it = east.crbegin(); it != east.crend(); ++it)
        inside << *it;

    // Hatched depths, a thin stream at the bottom, bright rims.
    p.save();
    QPainterPath clip;
    clip.addPolygon(inside);
    p.setClipPath(clip);
    p.setPen(ink::line(ink::dim(), 1.1));
    for (qreal x = 380; x < kWidth + 300; x += 7)
        p.drawLine(QPointF(x, 340), QPointF(x - 270, kHeight));
    p.setPen(ink::line(ink::dim(), 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(ink::smooth({{kWidth, 374}, {520, 392}, {486, 440}, {483, 500}, {487, 560}, {486, kHeight}}));
    p.restore();
    p.setPen(ink::line(ink::bright(), 2.0));
    p.drawPolyline(west);
    p.drawPolyline(east);
}

void drawCountryside(QPainter& p) {
    // Hills along the top and low ridges at the corners.
    scenery::ridgeLine(p, 8, 240, 40, 8, ink::dim(), 1.6, 81);
    scenery::ridgeLine(p, 320, 573, 50, 7, ink::dim(), 1.6, 82);
    scenery::ridgeLine(p, 8, 150, 460, 6, ink::dim(), 1.4, 83);
    // Scattered trees and grass.
    const QPointF trees[] = {{25, 230},  {30, 300},  {22, 420},  {50, 520},  {110, 560},
                             {170, 470}, {560, 240}, {555, 330}, {330, 560}, {380, 520},
                             {190, 70},  {350, 70},  {560, 110}};
    for (const QPointF& t : trees)
        scenery::pineTree(p, t, 20, ink::dim(), 1.3);
    Seeded random(91);
    for (int i = 0; i < 40; ++i) {
        const QPointF at(random.range(14, kWidth - 14), random.range(70, kHeight - 20));
        scenery::grassTuft(p, at, 6, ink::dim(), 1.0, 100 + i);
    }
}

// Clears a round patch of ground so paths and grass stop at the edge of a place.
void clearing(QPainter& p, const QRectF& area) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(area.adjusted(-3, -3, 3, 3));
}

QImage mapPicture() {
    QImage image = ink::canvas(kWidth, kHeight);
    QPainter p(&image);
    ink::prepare(p);

    drawCountryside(p);
    drawCanyon(p);
    drawPaths(p);

    // The bridge keeps the canyon rims under it; the fenced fields have their own edges.
    const QRectF places[] = {kCave, kHut,    kCousin,   kSpearTent, kEastTent, kElder, kWestTent,
                             kWell, kStatue, kAuntTent, kForest,    kTemple,   kBack};
    for (const QRectF& place : places)
        clearing(p, place);

    using namespace mapplaces;
    caveWithGuard(p, kCave);
    shamanHut(p, kHut);
    cousinWithDog(p, kCousin);
    pasture(p, kPasture);
    cornField(p, kField);
    tentWithSpears(p, kSpearTent);
    plainTent(p, kEastTent, true);
    eldersTent(p, kElder);
    plainTent(p, kWestTent, false);
    well(p, kWell);
    stoneHead(p, kStatue);
    auntsTent(p, kAuntTent);
    forestEdge(p, kForest);
    temple(p, kTemple);
    bridge(p, kBridge);
    backArrow(p, kBack);

    p.fillRect(kCaption, Qt::black);
    ink::doubleFrame(p, QRectF(0, 0, kWidth, kHeight));
    return image;
}

} // namespace

void writeMap(PictureSink& sink) {
    sink.put(QStringLiteral("layout/map.raw"), mapPicture());
}

} // namespace pictures
