// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The band behind the combat screen (layout/battle.raw): open ground under a night sky.
#include "ink.h"
#include "pictures.h"
#include "scenery.h"
#include "seeded.h"

#include <cmath>

namespace pictures {
namespace {

constexpr int kWidth = 605;
constexpr int kHeight = 287;
constexpr qreal kHorizon = 78;

QImage battlePicture() {
    QImage image = ink::canvas(kWidth, kHeight);
    QPainter p(&image);
    ink::prepare(p);
    using namespace scenery;

    // No stars along the top, where the names and the distance are written.
    stars(p, QRectF(0, 24, kWidth, kHorizon - 48), 20, ink::dim(), 201);
    // Far mountains and the horizon.
    ridgeLine(p, 0, kWidth, kHorizon - 14, 9, ink::dim(), 1.6, 202);
    p.setPen(ink::line(ink::bright(), 2.0));
    p.drawLine(QPointF(0, kHorizon), QPointF(kWidth, kHorizon));

    // Ground furrows running towards the horizon.
    p.setPen(ink::line(QColor(0, 52, 0), 1.2));
    const QPointF vanishing(kWidth / 2.0, kHorizon - 60);
    for (int i = -5; i <= 5; ++i) {
        const QPointF foot(kWidth / 2.0 + i * 150, kHeight);
        const qreal t = (kHorizon + 2 - vanishing.y()) / (foot.y() - vanishing.y());
        p.drawLine(vanishing + (foot - vanishing) * t, foot);
    }
    // Pebbles and cracks in the dry earth, more of them nearer to us.
    Seeded ground(210);
    p.setPen(ink::line(ink::dim(), 1.2));
    for (int i = 0; i < 60; ++i) {
        const qreal y = kHorizon + 6 + std::pow(ground.unit(), 0.6) * (kHeight - kHorizon - 10);
        const qreal x = ground.range(4, kWidth - 4);
        const qreal len = 2 + (y - kHorizon) * 0.05;
        p.drawLine(QPointF(x, y), QPointF(x + len, y + ground.range(-1, 1)));
    }

    // Rocks near the horizon at the sides, bigger ones and dry grass along the bottom.
    rock(p, QPointF(40, kHorizon + 6), 26, ink::dim(), 1.6, 203);
    rock(p, QPointF(560, kHorizon + 8), 32, ink::dim(), 1.6, 204);
    rock(p, QPointF(70, 262), 64, ink::bright(), 2.2, 205);
    rock(p, QPointF(330, 276), 46, ink::bright(), 2.2, 206);
    rock(p, QPointF(520, 268), 80, ink::bright(), 2.4, 207);
    rock(p, QPointF(220, 226), 26, ink::dim(), 1.6, 208);
    Seeded random(209);
    for (int i = 0; i < 22; ++i) {
        const QPointF at(random.range(8, kWidth - 8), random.range(190, kHeight - 4));
        grassTuft(p, at, random.range(10, 18), i % 3 ? ink::dim() : ink::bright(), 1.4, 300 + i);
    }
    p.end();

    // Where the fighters stand: keep it quiet.
    ink::hush(image, QRect(0, 90, kWidth, 67), 70, 12);
    return image;
}

} // namespace

void writeBattle(PictureSink& sink) {
    sink.put(QStringLiteral("layout/battle.raw"), battlePicture());
}

} // namespace pictures
