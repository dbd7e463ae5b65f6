// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The enemies of the combat screen, each filling a 47x64 picture and facing left.
#include "ink.h"
#include "pictures.h"

namespace pictures {
namespace {

constexpr qreal kOutline = 1.6;
constexpr qreal kFine = 1.1;

void dot(QPainter& p, QPointF at, qreal radius, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(at, radius, radius);
}

void strokes(QPainter& p, const QColor& colour, qreal width, std::initializer_list<QLineF> lines) {
    p.setPen(ink::line(colour, width));
    for (const QLineF& l : lines)
        p.drawLine(l);
}

// A grey rat the size of a dog, up on its hind legs with its teeth showing.
void drawRat(QPainter& p) {
    // Tail, curling round behind the legs.
    ink::solid(p, ink::limb({{31, 58}, {40, 61.5}, {45, 55}, {44.5, 47}}, 3.2), kOutline);
    ink::solid(p, ink::limb({{44.5, 47}, {43, 41}, {38.5, 38.5}}, 2.0), kOutline);

    // Body: narrow at the shoulders, heavy at the haunches.
    ink::solid(p,
               ink::smooth({{19, 20},
                            {28, 24},
                            {34.5, 36},
                            {37, 49},
                            {32, 59.5},
                            {21, 61},
                            {13, 55},
                            {11.5, 43},
                            {13.5, 31}},
                           true),
               kOutline);
    p.setPen(ink::line(ink::bright(), kFine));
    p.setBrush(Qt::NoBrush);
    p.drawPath(ink::smooth({{17, 33}, {15.5, 44}, {18, 54}})); // belly
    // Haunch and the long hind foot.
    p.drawPath(ink::smooth({{35, 44}, {28.5, 43.5}, {24.5, 50}, {27, 58}}));
    ink::solid(p, ink::smooth({{29, 58.5}, {24, 61.8}, {12, 62.8}, {8.5, 61.5}, {13, 59.5}, {22, 58}}, true),
               kOutline);
    strokes(p, ink::bright(), kFine, {{8.5, 61.5, 6.5, 63.5}, {10, 62.5, 8.5, 63.8}});
    // Fur along the back.
    strokes(p, ink::bright(), kFine, {{27, 28, 30.5, 30}, {31, 35, 34.5, 36.5}, {33.5, 43, 37, 44}});

    // Forepaws held up at the chest, claws out.
    ink::solid(p, ink::limb({{16, 31.5}, {11, 34}, {8, 33}}, 3.0), kOutline);
    ink::solid(p, ink::limb({{17, 37}, {12, 40.5}, {9, 40}}, 3.0), kOutline);
    strokes(p, ink::bright(), kFine,
            {{7.5, 33, 5, 31.5}, {7.5, 33.5, 5, 34.5}, {8.5, 40, 6, 39}, {8.5, 40.5, 6, 42}});

    // Head with a long pointed snout.
    ink::solid(
        p,
        ink::smooth({{2.5, 22.5}, {8, 15.5}, {15, 10.5}, {22, 12}, {25, 19}, {20, 26}, {11, 27}, {4.5, 25}},
                    true),
        kOutline);
    // Big round ear.
    p.setPen(ink::line(ink::bright(), kOutline));
    p.setBrush(ink::black());
    p.drawEllipse(QPointF(20.5, 9.5), 4.6, 5.6);
    p.setPen(ink::line(ink::dim(), kFine));
    p.drawArc(QRectF(18.4, 6.2, 4.2, 6.6), 100 * 16, 160 * 16);
    // Eye, nose, teeth and whiskers.
    dot(p, {12.5, 16.5}, 2.0, ink::bright());
    dot(p, {12.9, 16.2}, 0.7, ink::black());
    dot(p, {2.6, 22.4}, 1.4, ink::bright());
    p.setPen(ink::line(ink::bright(), 1.0));
    p.setBrush(ink::bright());
    p.drawRect(QRectF(5.2, 25, 1.4, 3.2));
    p.drawRect(QRectF(7.2, 25.2, 1.4, 3));
    strokes(p, ink::bright(), 0.9, {{5.5, 21, 0.5, 16.5}, {5, 22.5, 0, 21.5}, {5.5, 23.5, 0.5, 27}});
}

// A lizard as tall as a man, running on two legs, jaws open.
void drawLizard(QPainter& p) {
    // Tail raised behind, curling at the tip.
    ink::solid(p, ink::limb({{30, 40}, {38, 43}, {43.5, 36}}, 7.0), kOutline);
    ink::solid(p, ink::limb({{43.5, 36}, {45, 28}, {43, 21.5}}, 4.4), kOutline);
    ink::solid(p, ink::limb({{43, 21.5}, {40.5, 18.5}, {37.5, 20}}, 2.4), kOutline);

    // Far leg.
    ink::solid(p, ink::limb({{31, 45}, {35.5, 53}, {32, 60.5}}, 4.4), kOutline);
    ink::solid(p, ink::smooth({{33, 59}, {34, 63}, {25.5, 63.2}, {26.5, 61}}, true), kOutline);

    // Body leaning forward.
    ink::solid(
        p,
        ink::smooth(
            {{16, 13}, {25, 17}, {32, 27}, {35, 39}, {32, 47.5}, {23.5, 48}, {17, 39}, {13, 28}, {10.5, 19}},
            true),
        kOutline);
    strokes(p, ink::dim(), 1.2, {{14.5, 29, 19, 28}, {16, 34, 21, 33}, {18, 39, 23, 38.5}, {21, 44, 27, 44}});

    // Spines down the back.
    p.setPen(ink::line(ink::bright(), 1.0));
    p.setBrush(ink::bright());
    const QPointF spines[] = {{19, 14}, {24, 16.5}, {28.5, 21}, {32, 27}, {34.5, 34}, {40, 39.5}, {44.5, 31}};
    for (const QPointF& s : spines) {
        QPolygonF tooth;
        tooth << s + QPointF(-2, 0.8) << s + QPointF(2.2, -2.6) << s + QPointF(1.8, 1.6);
        p.drawPolygon(tooth);
    }

    // Near leg: heavy thigh, thin shin, clawed foot pointing forward.
    p.setPen(ink::line(ink::bright(), kOutline));
    p.setBrush(ink::dim());
    p.drawEllipse(QPointF(26, 43.5), 5.6, 7);
    ink::solid(p, ink::limb({{24, 48}, {19.5, 54}, {22, 60}}, 3.6), kOutline);
    ink::solid(p, ink::smooth({{24, 59}, {24.5, 63.2}, {14.5, 63.4}, {16.5, 60.5}}, true), kOutline);
    strokes(p, ink::bright(), kFine, {{14.5, 63.2, 12.2, 62}, {17, 60.6, 14.5, 59.6}});

    // Small arms with hooked claws reaching forward.
    ink::solid(p, ink::limb({{15.5, 28}, {10.5, 33}, {6.5, 32}}, 2.8), kOutline);
    strokes(p, ink::bright(), kFine, {{6.5, 32, 3.8, 30}, {6.5, 32.5, 3.6, 33.5}, {7, 31, 5, 28.5}});

    // Head: long snout, jaws wide open with teeth.
    ink::solid(
        p,
        ink::smooth({{1.5, 10.5}, {7, 6}, {14, 3.5}, {20, 4.5}, {22, 10}, {18, 13}, {9, 12.5}, {2.5, 12.8}},
                    true),
        kOutline);
    ink::solid(p, ink::smooth({{3, 19}, {10, 16}, {17, 14.5}, {19.5, 17.5}, {13, 20.5}, {5, 21}}, true),
               kOutline);
    p.setPen(ink::line(ink::bright(), 0.9));
    p.setBrush(ink::bright());
    for (qreal x = 4.5; x < 16; x += 3.2) {
        QPolygonF upper;
        upper << QPointF(x, 12.6) << QPointF(x + 1.8, 12.6) << QPointF(x + 0.9, 15);
        p.drawPolygon(upper);
        QPolygonF lower;
        lower << QPointF(x + 0.6, 18.8 - (x - 4.5) * 0.2) << QPointF(x + 2.2, 18.4 - (x - 4.5) * 0.2)
              << QPointF(x + 1.4, 16.4 - (x - 4.5) * 0.2);
        p.drawPolygon(lower);
    }
    dot(p, {14.5, 7.5}, 2.0, ink::bright());
    strokes(p, ink::black(), 1.0, {{14.5, 6, 14.5, 9}});
    dot(p, {3.4, 9.6}, 0.8, ink::bright()); // nostril
}

// An arm from the body to the claw, then the swollen hand with two fingers opened wide.
void drawClaw(QPainter& p, QPointF root, QPointF hand, qreal turn, qreal size) {
    ink::solid(p, ink::limb({root, (root + hand) / 2 + QPointF(0, -1), hand + QPointF(1.5, 2.5)}, 3.0 * size),
               kOutline);
    p.save();
    p.translate(hand);
    p.rotate(turn);
    p.scale(size, size);
    ink::solid(p, ink::limb({{0, -3.5}, {-1.5, -8.5}, {-4.5, -11}}, 2.6), 1.3);
    ink::solid(p, ink::limb({{-3, -1}, {-7, -2.5}, {-9, -5.5}}, 2.4), 1.3);
    QPainterPath palm;
    palm.addEllipse(QPointF(0, 0), 3.8, 4.4);
    ink::solid(p, palm, kOutline);
    p.restore();
}

// A scorpion seen from the side: claws forward, tail arched over its back.
void drawScorpion(QPainter& p) {
    // Legs first so the body covers their roots.
    p.setPen(ink::line(ink::bright(), 1.5));
    p.setBrush(Qt::NoBrush);
    const qreal roots[] = {18, 23, 28, 32.5};
    for (int i = 0; i < 4; ++i) {
        const qreal x = roots[i];
        p.drawPolyline(QPolygonF{{QPointF(x, 48), QPointF(x - 3 + i, 53), QPointF(x - 6 + 2 * i, 62.5)}});
        p.setPen(ink::line(ink::dim(), 1.5));
        p.drawPolyline(QPolygonF{{QPointF(x + 1, 47), QPointF(x + 4, 52), QPointF(x + 5.5 + i * 0.4, 60.5)}});
        p.setPen(ink::line(ink::bright(), 1.5));
    }

    // Body: a head shield and a row of segments.
    ink::solid(p, ink::smooth({{10.5, 45}, {15, 40.5}, {22, 40}, {23, 49.5}, {15, 51}, {11, 49}}, true),
               kOutline);
    for (int i = 0; i < 4; ++i) {
        QPainterPath segment;
        segment.addRoundedRect(QRectF(21 + i * 4.3, 39.6 - i * 0.4, 6, 10.6), 2.6, 2.6);
        ink::solid(p, segment, kOutline);
    }
    dot(p, {14, 43.5}, 1.3, ink::bright());
    dot(p, {16.6, 42.6}, 1.0, ink::bright());

    // Tail: shrinking segments arching up and forward, then the bulb and the sting.
    const struct {
        QPointF at;
        qreal radius;
    } tail[] = {
        {{37.5, 40}, 4.2}, {{41.5, 32.5}, 4.0}, {{42.5, 24}, 3.8}, {{39.5, 16}, 3.6}, {{33.5, 10.5}, 3.4}};
    for (const auto& s : tail) {
        QPainterPath segment;
        segment.addEllipse(s.at, s.radius, s.radius);
        ink::solid(p, segment, kOutline);
    }
    ink::solid(p, ink::smooth({{30.5, 9}, {25.5, 6.5}, {21, 9}, {22.5, 13.5}, {28, 14}}, true), kOutline);
    QPainterPath sting;
    sting.moveTo(22, 11.5);
    sting.quadTo(17, 13, 17.5, 19.5);
    sting.quadTo(19.5, 15.5, 23.5, 13.8);
    sting.closeSubpath();
    p.setPen(ink::line(ink::bright(), 1.0));
    p.setBrush(ink::bright());
    p.drawPath(sting);

    // Two claws: one raised, one held low, each with open pincers pointing forward.
    drawClaw(p, {12, 44}, {10, 29}, 0.0, 1.25);
    drawClaw(p, {13, 49}, {9, 49}, -30.0, 1.0);
}

QImage enemyPicture(void (*draw)(QPainter&)) {
    QImage image = ink::canvas(47, 64);
    QPainter painter(&image);
    ink::prepare(painter);
    draw(painter);
    return image;
}

} // namespace

QImage enemyPicture(const std::string& subject) {
    if (subject == "rat") return enemyPicture(drawRat);
    if (subject == "lizard") return enemyPicture(drawLizard);
    if (subject == "scorpion") return enemyPicture(drawScorpion);
    return {};
}

} // namespace pictures
