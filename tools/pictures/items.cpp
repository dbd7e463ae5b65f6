// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Inventory item pictures (assets/INV): each item drawn large in the middle of 90x60.
#include "ink.h"
#include "pictures.h"

namespace pictures {
namespace {

constexpr qreal kOutline = 2.0;
constexpr qreal kFine = 1.3;

QPen brightPen(qreal width = kOutline) {
    return ink::line(ink::bright(), width);
}
QPen dimPen(qreal width = kFine) {
    return ink::line(ink::dim(), width);
}

void rivet(QPainter& p, QPointF at) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink::bright());
    p.drawEllipse(at, 1.6, 1.6);
}

// A plain working knife lying at a slight angle.
void drawKnife(QPainter& p) {
    p.translate(45, 31);
    p.rotate(-14);
    QPainterPath handle;
    handle.addRoundedRect(QRectF(-38, -5, 30, 10), 4, 4);
    ink::solid(p, handle, kOutline);
    rivet(p, {-31, 0});
    rivet(p, {-18, 0});
    QPainterPath bolster;
    bolster.addRoundedRect(QRectF(-9, -6, 4, 12), 1, 1);
    ink::solid(p, bolster, kOutline);
    QPainterPath blade;
    blade.moveTo(-5, -5);
    blade.lineTo(28, -5);
    blade.quadTo(35, -5, 39, -3.5);
    blade.quadTo(30, 6, 14, 6);
    blade.lineTo(-5, 6);
    blade.closeSubpath();
    p.setPen(brightPen());
    p.setBrush(ink::black());
    p.drawPath(blade);
    p.setPen(dimPen(1.8));
    p.drawLine(QPointF(-3, 3.5), QPointF(22, 3.5)); // the honed edge
}

// The 10 mm pistol, side view, muzzle to the right.
void drawPistol(QPainter& p) {
    QPainterPath grip;
    grip.moveTo(22, 27);
    grip.lineTo(38, 27);
    grip.lineTo(33, 54);
    grip.quadTo(24, 55, 15, 53);
    grip.closeSubpath();
    ink::solid(p, grip, kOutline);
    p.setPen(dimPen());
    for (int i = 0; i < 5; ++i) // grip panel grooves
        p.drawLine(QPointF(21 - i * 0.5, 33 + i * 4), QPointF(32 - i * 0.6, 33 + i * 4));

    QPainterPath frame;
    frame.addRoundedRect(QRectF(20, 25, 52, 7), 2, 2);
    ink::solid(p, frame, kOutline);
    // Trigger guard and trigger.
    p.setPen(brightPen());
    p.setBrush(Qt::NoBrush);
    p.drawPath(ink::smooth({{39, 31.5}, {41, 41}, {50, 41.5}, {53, 31.5}}));
    p.drawPath(ink::smooth({{45, 31.5}, {44.5, 35}, {42.5, 38}}));

    QPainterPath slide;
    slide.addRoundedRect(QRectF(14, 12, 66, 14), 2.5, 2.5);
    ink::solid(p, slide, kOutline);
    p.setPen(brightPen(1.5));
    for (int i = 0; i < 5; ++i) // grip serrations at the back of the slide
        p.drawLine(QPointF(19 + i * 3, 14.5), QPointF(19 + i * 3, 23.5));
    p.setPen(brightPen());
    p.setBrush(ink::bright());
    p.drawRect(QRectF(75, 9.5, 3, 2.5)); // front sight
    p.drawRect(QRectF(16, 9.5, 5, 2.5)); // rear sight
    p.setBrush(ink::black());
    p.drawEllipse(QPointF(80, 19), 1.6, 2.4); // muzzle
    p.drawRect(QRectF(11, 14, 3, 6));         // hammer
    ink::text(p, QRectF(40, 12.5, 34, 13), QStringLiteral("10mm"), 9, ink::bright());
}

// A heavy combat knife with a cross guard and a saw-toothed back.
void drawCombatKnife(QPainter& p) {
    p.translate(45, 31);
    p.rotate(-10);
    QPainterPath handle;
    handle.addRoundedRect(QRectF(-41, -5.5, 27, 11), 3, 3);
    ink::solid(p, handle, kOutline);
    p.setPen(brightPen(1.5));
    for (int i = 0; i < 5; ++i) // cord wrapping
        p.drawLine(QPointF(-37 + i * 5, -5), QPointF(-34 + i * 5, 5));
    QPainterPath pommel;
    pommel.addEllipse(QPointF(-42, 0), 3.5, 5);
    ink::solid(p, pommel, kOutline);
    QPainterPath guard;
    guard.addRoundedRect(QRectF(-15, -12, 5, 24), 2, 2);
    ink::solid(p, guard, kOutline);

    QPainterPath blade;
    blade.moveTo(-10, -6);
    blade.lineTo(20, -6);
    blade.lineTo(30, -9);
    blade.quadTo(37, -2, 43, -4);
    blade.quadTo(35, 7, 18, 8);
    blade.lineTo(-10, 8);
    blade.closeSubpath();
    p.setPen(brightPen());
    p.setBrush(ink::black());
    p.drawPath(blade);
    // Saw teeth on the back and a groove along the flat.
    p.setPen(brightPen(1.4));
    for (int i = 0; i < 5; ++i) {
        const qreal x = -6 + i * 5;
        p.drawLine(QPointF(x, -6), QPointF(x + 2.5, -9));
        p.drawLine(QPointF(x + 2.5, -9), QPointF(x + 5, -6));
    }
    p.setPen(dimPen(2.0));
    p.drawLine(QPointF(-6, 0.5), QPointF(24, 0.5));
}

// A spear lying diagonally: leaf-shaped head, bound socket, long shaft.
void drawSpear(QPainter& p) {
    p.translate(44, 31);
    p.rotate(-30);
    p.setPen(brightPen(4.0));
    p.drawLine(QPointF(-46, 0), QPointF(18, 0));
    p.setPen(dimPen(1.6));
    p.drawLine(QPointF(-45, 0), QPointF(17, 0));
    p.setPen(brightPen(2.2));
    p.drawLine(QPointF(-47, -2.6), QPointF(-47, 2.6)); // butt cap
    QPainterPath socket;
    socket.addRoundedRect(QRectF(15, -3.2, 9, 6.4), 1.5, 1.5);
    ink::solid(p, socket, kOutline);
    p.setPen(brightPen(1.4));
    for (int i = 0; i < 3; ++i) // binding
        p.drawLine(QPointF(16.5 + i * 3, -3), QPointF(16.5 + i * 3, 3));
    QPainterPath head;
    head.moveTo(23, 0);
    head.quadTo(32, -8.5, 47, 0);
    head.quadTo(32, 8.5, 23, 0);
    head.closeSubpath();
    ink::solid(p, head, kOutline);
    p.setPen(brightPen(1.4));
    p.drawLine(QPointF(25, 0), QPointF(44, 0)); // midrib
}

// An open empty hand, palm towards us, fingers up.
void drawOpenHand(QPainter& p) {
    struct Finger {
        QPointF base, tip;
        qreal width;
    };
    const Finger fingers[] = {{{36, 28}, {34, 8}, 6.4},
                              {{42.5, 27}, {42.5, 4.5}, 6.6},
                              {{49, 27}, {50.5, 6.5}, 6.4},
                              {{55, 29}, {58, 13}, 5.6},
                              {{33, 40}, {21, 26}, 7.0}};
    for (const Finger& f : fingers)
        ink::solid(p, ink::limb({f.base, (f.base + f.tip) / 2, f.tip}, f.width), kOutline);
    QPainterPath palm;
    palm.moveTo(33, 26);
    palm.lineTo(58, 26);
    palm.quadTo(60, 40, 55, 50);
    palm.lineTo(55, 60);
    palm.lineTo(36, 60);
    palm.lineTo(36, 51);
    palm.quadTo(31, 42, 33, 26);
    palm.closeSubpath();
    ink::solid(p, palm, kOutline);
    // Palm creases and finger joints.
    p.setPen(ink::line(ink::bright(), 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(ink::smooth({{37, 34}, {45, 35.5}, {55, 32}}));
    p.drawPath(ink::smooth({{38, 46}, {41, 39}, {47, 36.5}}));
    p.setPen(dimPen(1.6));
    for (const Finger& f : fingers) {
        const QPointF joint = f.base + (f.tip - f.base) * 0.55;
        p.drawLine(joint + QPointF(-2, 0), joint + QPointF(2, 0));
    }
    p.setPen(brightPen(1.6));
    p.drawLine(QPointF(34, 57.5), QPointF(57, 57.5)); // cuff
}

QImage itemPicture(void (*draw)(QPainter&)) {
    QImage image = ink::canvas(90, 60);
    QPainter painter(&image);
    ink::prepare(painter);
    draw(painter);
    return image;
}

} // namespace

QImage handPicture(const std::string& subject) {
    if (subject == "knife") return itemPicture(drawKnife);
    if (subject == "10mm") return itemPicture(drawPistol);
    if (subject == "knife2") return itemPicture(drawCombatKnife);
    if (subject == "spear") return itemPicture(drawSpear);
    if (subject == "no") return itemPicture(drawOpenHand);
    return {};
}

} // namespace pictures
