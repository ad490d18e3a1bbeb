// The image strip and the program icon, painted once on first use. Every image is drawn on a
// 16x16 transparent canvas in a coordinate system of 16 units, so that edges on whole and half
// units fall on pixel boundaries or centres.
#include "resources/Images.h"

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>

namespace tessary::images {

namespace {

// --- small helpers ------------------------------------------------------------------------------

QPolygonF poly(std::initializer_list<QPointF> points) {
    return QPolygonF(QList<QPointF>(points));
}

QPen outline(const QColor& color, qreal width = 1.0) {
    QPen pen(color, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QLinearGradient vertical(qreal top, qreal bottom, const QColor& a, const QColor& b) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

QLinearGradient horizontal(qreal left, qreal right, const QColor& a, const QColor& b) {
    QLinearGradient g(left, 0, right, 0);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

const QColor kSteelLight(0xd8, 0xde, 0xe4);
const QColor kSteel(0x9a, 0xa4, 0xae);
const QColor kSteelDark(0x3c, 0x44, 0x4c);
const QColor kIronLight(0x72, 0x7c, 0x88);
const QColor kIronDark(0x2c, 0x32, 0x38);
const QColor kWood(0xa8, 0x6e, 0x32);
const QColor kWoodDark(0x5a, 0x36, 0x14);
const QColor kGold(0xe8, 0xc0, 0x40);
const QColor kGoldDark(0x8a, 0x66, 0x10);
const QColor kLeather(0xb8, 0x7a, 0x44);
const QColor kLeatherDark(0x5c, 0x34, 0x14);

// The smith's anvil seen from the side, horn to the left, standing on the bottom edge. `top` is
// the height of its working face; the body below keeps its proportions.
void anvil(QPainter& p, qreal top) {
    const qreal s = (15.5 - top) / 7.5; // vertical scale against the full-size anvil
    auto y = [&](qreal v) { return top + (v - 8.0) * s; };
    QPainterPath body;
    body.moveTo(0.5, y(8.0));
    body.lineTo(15.5, y(8.0));
    body.lineTo(15.5, y(10.5));
    body.lineTo(12.5, y(11.0));
    body.lineTo(11.0, y(12.5));
    body.lineTo(13.5, y(14.0));
    body.lineTo(13.5, y(15.5));
    body.lineTo(4.5, y(15.5));
    body.lineTo(4.5, y(14.0));
    body.lineTo(7.0, y(12.5));
    body.lineTo(5.5, y(11.0));
    body.quadTo(2.5, y(10.5), 0.5, y(8.0));
    body.closeSubpath();
    p.setPen(outline(kIronDark));
    p.setBrush(vertical(y(8.0), y(15.5), kIronLight, kIronDark));
    p.drawPath(body);
    // The polished working face.
    p.setPen(outline(kSteelLight));
    p.drawLine(QPointF(3.0, y(8.0) + 1.0), QPointF(14.5, y(8.0) + 1.0));
}

// A heater shield: flat top, sides curving down to a point.
QPainterPath shieldPath(qreal left, qreal top, qreal width, qreal height) {
    QPainterPath path;
    const qreal right = left + width;
    const qreal mid = left + width / 2;
    path.moveTo(left, top);
    path.lineTo(right, top);
    path.lineTo(right, top + height * 0.45);
    path.quadTo(right, top + height * 0.85, mid, top + height);
    path.quadTo(left, top + height * 0.85, left, top + height * 0.45);
    path.closeSubpath();
    return path;
}

// A round badge or shape filled with a top-lit gradient of `color`.
void badgeFill(QPainter& p, const QPainterPath& shape, const QColor& color) {
    const QRectF r = shape.boundingRect();
    p.setPen(outline(color.darker(190)));
    p.setBrush(vertical(r.top(), r.bottom(), color.lighter(135), color.darker(110)));
    p.drawPath(shape);
}

QPainterPath regularPolygon(int corners, qreal radius, qreal rotation) {
    QPainterPath path;
    for (int i = 0; i < corners; ++i) {
        const qreal a = rotation + 2 * std::numbers::pi * i / corners;
        const QPointF pt(8.0 + radius * std::cos(a), 8.0 + radius * std::sin(a));
        if (i == 0) {
            path.moveTo(pt);
        } else {
            path.lineTo(pt);
        }
    }
    path.closeSubpath();
    return path;
}

// --- the images ---------------------------------------------------------------------------------

// Group image of weapon smithing: a sword laid on the anvil.
void drawWeaponSmithing(QPainter& p) {
    anvil(p, 9.0);
    // Blade from the hilt on the right to the point on the left, resting above the face.
    p.setPen(outline(kSteelDark));
    p.setBrush(vertical(3.5, 6.5, kSteelLight, kSteel));
    p.drawPolygon(poly({{0.5, 5.0}, {3.0, 3.5}, {10.5, 3.5}, {10.5, 6.5}, {3.0, 6.5}}));
    p.setPen(outline(kSteelDark, 0.8));
    p.drawLine(QPointF(3.0, 5.0), QPointF(10.0, 5.0));
    // Cross guard, grip and pommel.
    p.setPen(outline(kGoldDark));
    p.setBrush(kGold);
    p.drawRect(QRectF(10.5, 1.5, 1.5, 7.0));
    p.setPen(outline(kWoodDark));
    p.setBrush(kWood);
    p.drawRect(QRectF(12.0, 4.0, 2.5, 2.0));
    p.setPen(outline(kGoldDark));
    p.setBrush(kGold);
    p.drawEllipse(QPointF(15.0, 5.0), 1.0, 1.0);
}

// Category image of weapon smithing: a sword, point up to the right.
void drawSword(QPainter& p) {
    p.save();
    p.translate(8.0, 8.0);
    p.rotate(-45.0);
    // Blade along the x axis, point at the right.
    p.setPen(outline(kSteelDark));
    p.setBrush(vertical(-1.6, 1.6, kSteelLight, kSteel));
    p.drawPolygon(poly({{-3.0, -1.6}, {7.0, -1.6}, {10.0, 0.0}, {7.0, 1.6}, {-3.0, 1.6}}));
    p.setPen(outline(kSteelDark, 0.8));
    p.drawLine(QPointF(-2.5, 0.0), QPointF(7.5, 0.0));
    // Cross guard.
    p.setPen(outline(kGoldDark));
    p.setBrush(kGold);
    p.drawRoundedRect(QRectF(-4.6, -4.2, 1.8, 8.4), 0.6, 0.6);
    // Grip and pommel.
    p.setPen(outline(kWoodDark));
    p.setBrush(kWood);
    p.drawRect(QRectF(-8.2, -1.0, 3.6, 2.0));
    p.setPen(outline(kGoldDark));
    p.setBrush(kGold);
    p.drawEllipse(QPointF(-9.2, 0.0), 1.3, 1.3);
    p.restore();
}

// Group image of armour smithing: a shield leaning on the anvil.
void drawArmourSmithing(QPainter& p) {
    anvil(p, 10.5);
    const QPainterPath shield = shieldPath(4.5, 0.5, 8.0, 10.0);
    p.setPen(outline(QColor(0x14, 0x28, 0x5a)));
    p.setBrush(vertical(0.5, 10.5, QColor(0x4a, 0x7c, 0xd8), QColor(0x1e, 0x3c, 0x8c)));
    p.drawPath(shield);
    // A gold cross on the face.
    p.setPen(outline(kGold, 1.5));
    p.drawLine(QPointF(8.5, 2.0), QPointF(8.5, 8.5));
    p.drawLine(QPointF(6.0, 4.5), QPointF(11.0, 4.5));
}

// Category image of armour: a steel breastplate.
void drawBreastplate(QPainter& p) {
    QPainterPath plate;
    plate.moveTo(2.0, 2.5);
    plate.lineTo(5.5, 1.0);
    plate.quadTo(8.0, 5.0, 10.5, 1.0);
    plate.lineTo(14.0, 2.5);
    plate.quadTo(11.5, 5.0, 12.5, 8.5);
    plate.lineTo(12.5, 12.5);
    plate.quadTo(10.5, 15.0, 8.0, 15.5);
    plate.quadTo(5.5, 15.0, 3.5, 12.5);
    plate.lineTo(3.5, 8.5);
    plate.quadTo(4.5, 5.0, 2.0, 2.5);
    plate.closeSubpath();
    p.setPen(outline(kSteelDark));
    p.setBrush(horizontal(3.0, 13.0, kSteel, kSteelLight));
    p.drawPath(plate);
    // Centre ridge and the belt line of the plates.
    p.setPen(outline(kSteelDark, 0.9));
    p.drawLine(QPointF(8.0, 5.0), QPointF(8.0, 14.5));
    p.drawLine(QPointF(3.8, 11.0), QPointF(12.2, 11.0));
    // Rivets at the shoulders.
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawEllipse(QPointF(4.0, 3.0), 0.8, 0.8);
    p.drawEllipse(QPointF(12.0, 3.0), 0.8, 0.8);
}

// Group image of cloth tailoring: a spool of red thread with a needle.
void drawSpool(QPainter& p) {
    // The thread wound on the core.
    p.setPen(outline(QColor(0x7a, 0x10, 0x10)));
    p.setBrush(horizontal(3.0, 10.0, QColor(0xf0, 0x50, 0x50), QColor(0xa8, 0x18, 0x18)));
    p.drawRect(QRectF(3.5, 4.0, 6.0, 8.0));
    p.setPen(outline(QColor(0x7a, 0x10, 0x10), 0.7));
    for (qreal yy = 5.5; yy < 11.5; yy += 2.0) {
        p.drawLine(QPointF(3.8, yy), QPointF(9.2, yy + 0.8));
    }
    // The wooden flanges.
    p.setPen(outline(kWoodDark));
    p.setBrush(vertical(1.5, 4.0, QColor(0xe0, 0xb0, 0x70), kWood));
    p.drawRoundedRect(QRectF(1.5, 1.5, 10.0, 2.5), 0.8, 0.8);
    p.drawRoundedRect(QRectF(1.5, 12.0, 10.0, 2.5), 0.8, 0.8);
    // The needle, eye at the top, with the loose end of the thread running to it.
    p.setPen(outline(QColor(0xa8, 0x18, 0x18), 0.9));
    p.setBrush(Qt::NoBrush);
    QPainterPath loose;
    loose.moveTo(9.5, 7.0);
    loose.quadTo(12.5, 7.5, 14.0, 2.5);
    p.drawPath(loose);
    p.setPen(outline(kSteelDark, 1.6));
    p.drawLine(QPointF(14.0, 2.0), QPointF(12.0, 15.0));
    p.setPen(outline(kSteelLight, 0.7));
    p.drawLine(QPointF(13.9, 3.0), QPointF(12.2, 14.0));
    p.setPen(outline(kSteelDark, 0.8));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(14.0, 2.4), 0.7, 1.1);
}

// Category image of cloth goods: a shirt.
void drawShirt(QPainter& p) {
    QPainterPath shirt;
    shirt.moveTo(5.5, 1.5);
    shirt.quadTo(8.0, 4.0, 10.5, 1.5);
    shirt.lineTo(15.0, 4.0);
    shirt.lineTo(13.5, 7.5);
    shirt.lineTo(12.0, 6.5);
    shirt.lineTo(12.0, 14.5);
    shirt.lineTo(4.0, 14.5);
    shirt.lineTo(4.0, 6.5);
    shirt.lineTo(2.5, 7.5);
    shirt.lineTo(1.0, 4.0);
    shirt.closeSubpath();
    p.setPen(outline(QColor(0x20, 0x50, 0x80)));
    p.setBrush(vertical(1.5, 14.5, QColor(0x9c, 0xd4, 0xf8), QColor(0x48, 0x94, 0xd0)));
    p.drawPath(shirt);
    // Placket and buttons.
    p.setPen(outline(QColor(0x20, 0x50, 0x80), 0.8));
    p.drawLine(QPointF(8.0, 3.5), QPointF(8.0, 14.0));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (qreal yy = 6.0; yy < 14.0; yy += 3.0) {
        p.drawEllipse(QPointF(9.2, yy), 0.6, 0.6);
    }
}

// Group image of leather tailoring: a stretched hide with a skinning knife.
void drawHide(QPainter& p) {
    // The skin of a four-legged beast, head at the top, pegged out flat.
    QPainterPath hide;
    hide.moveTo(5.0, 0.5);
    hide.lineTo(8.0, 0.5);
    hide.quadTo(8.5, 2.0, 12.5, 1.5);
    hide.quadTo(10.0, 3.5, 10.5, 6.5);
    hide.quadTo(10.0, 9.5, 12.5, 11.5);
    hide.quadTo(9.0, 11.0, 6.5, 14.0);
    hide.quadTo(4.0, 11.0, 0.5, 11.5);
    hide.quadTo(3.0, 9.5, 2.5, 6.5);
    hide.quadTo(3.0, 3.5, 0.5, 1.5);
    hide.quadTo(4.5, 2.0, 5.0, 0.5);
    hide.closeSubpath();
    p.setPen(outline(kLeatherDark));
    QRadialGradient g(QPointF(6.5, 6.5), 7.0);
    g.setColorAt(0, QColor(0xe4, 0xb4, 0x80));
    g.setColorAt(1, kLeather);
    p.setBrush(g);
    p.drawPath(hide);
    // The knife over the lower right corner: handle in the corner, blade reaching up and left.
    p.save();
    p.translate(11.5, 11.5);
    p.rotate(-135.0);
    p.setPen(outline(kSteelDark, 0.9));
    p.setBrush(vertical(-1.0, 1.5, kSteel, kSteelLight));
    p.drawPolygon(poly({{0.0, -1.0}, {6.5, -1.0}, {4.5, 1.5}, {0.0, 1.5}}));
    p.setPen(outline(QColor(0x1e, 0x14, 0x0a), 0.9));
    p.setBrush(QColor(0x3a, 0x24, 0x12));
    p.drawRoundedRect(QRectF(-4.5, -1.2, 4.5, 2.6), 0.8, 0.8);
    p.restore();
}

// Category image of leather goods: a boot, toe to the right.
void drawBoot(QPainter& p) {
    QPainterPath boot;
    boot.moveTo(4.0, 1.0);
    boot.lineTo(10.0, 1.0);
    boot.lineTo(10.0, 8.0);
    boot.quadTo(10.5, 9.5, 13.0, 10.0);
    boot.quadTo(15.5, 10.5, 15.5, 13.0);
    boot.lineTo(15.5, 14.0);
    boot.lineTo(3.0, 14.0);
    boot.lineTo(3.0, 11.5);
    boot.quadTo(4.5, 9.0, 4.0, 1.0);
    boot.closeSubpath();
    p.setPen(outline(kLeatherDark));
    p.setBrush(horizontal(3.0, 15.0, QColor(0x8a, 0x50, 0x22), QColor(0xc4, 0x84, 0x48)));
    p.drawPath(boot);
    // Turned-down cuff, sole and heel.
    p.setBrush(QColor(0xd8, 0xa0, 0x60));
    p.drawRect(QRectF(3.5, 1.0, 7.0, 2.5));
    p.setPen(outline(QColor(0x24, 0x14, 0x08)));
    p.setBrush(QColor(0x40, 0x28, 0x14));
    p.drawRect(QRectF(3.0, 14.0, 12.5, 1.5));
    p.drawRect(QRectF(3.0, 12.5, 3.5, 3.0));
}

// A smith's hammer.
void drawHammer(QPainter& p) {
    p.setPen(outline(kWoodDark, 1.0));
    p.setBrush(kWood);
    p.save();
    p.translate(8.0, 8.0);
    p.rotate(45.0);
    p.drawRoundedRect(QRectF(-1.0, -3.0, 2.0, 11.0), 0.8, 0.8);
    p.setPen(outline(kIronDark));
    p.setBrush(vertical(-7.0, -2.0, kIronLight, kIronDark));
    p.drawRect(QRectF(-5.0, -7.0, 10.0, 4.5));
    p.restore();
}

// A pickaxe.
void drawPickaxe(QPainter& p) {
    p.setPen(outline(kWoodDark));
    p.setBrush(kWood);
    p.save();
    p.translate(8.0, 8.0);
    p.rotate(35.0);
    p.drawRoundedRect(QRectF(-1.0, -4.0, 2.0, 12.0), 0.8, 0.8);
    QPainterPath head;
    head.moveTo(-7.5, 0.0);
    head.quadTo(0.0, -8.0, 7.5, 0.0);
    head.quadTo(0.0, -5.0, -7.5, 0.0);
    p.setPen(outline(kIronDark));
    p.setBrush(kIronLight);
    p.drawPath(head);
    p.restore();
}

// A gold ingot seen at an angle.
void drawIngot(QPainter& p) {
    p.setPen(outline(kGoldDark));
    p.setBrush(QColor(0xc8, 0x98, 0x20));
    p.drawPolygon(poly({{1.0, 10.0}, {15.0, 10.0}, {12.5, 13.5}, {3.5, 13.5}}));
    p.setBrush(vertical(5.0, 10.0, QColor(0xff, 0xe8, 0x90), kGold));
    p.drawPolygon(poly({{4.0, 5.0}, {12.0, 5.0}, {15.0, 10.0}, {1.0, 10.0}}));
}

// A battle axe.
void drawAxe(QPainter& p) {
    p.setPen(outline(kWoodDark));
    p.setBrush(kWood);
    p.drawRoundedRect(QRectF(7.0, 1.0, 2.0, 14.5), 0.8, 0.8);
    QPainterPath blade;
    blade.moveTo(9.0, 3.0);
    blade.quadTo(13.0, 3.5, 15.0, 1.5);
    blade.quadTo(13.5, 7.0, 15.0, 12.0);
    blade.quadTo(13.0, 10.0, 9.0, 10.0);
    blade.closeSubpath();
    p.setPen(outline(kSteelDark));
    p.setBrush(horizontal(9.0, 15.0, kSteel, kSteelLight));
    p.drawPath(blade);
    p.drawPolygon(poly({{7.0, 4.5}, {4.0, 3.5}, {5.0, 6.5}, {4.0, 9.5}, {7.0, 8.5}}));
}

// A closed helmet with a visor slit.
void drawHelmet(QPainter& p) {
    QPainterPath helm;
    helm.moveTo(2.5, 14.5);
    helm.lineTo(2.5, 8.0);
    helm.quadTo(2.5, 1.5, 8.0, 1.5);
    helm.quadTo(13.5, 1.5, 13.5, 8.0);
    helm.lineTo(13.5, 14.5);
    helm.closeSubpath();
    p.setPen(outline(kSteelDark));
    p.setBrush(horizontal(2.5, 13.5, kSteelLight, kSteel));
    p.drawPath(helm);
    p.setPen(Qt::NoPen);
    p.setBrush(kIronDark);
    p.drawRect(QRectF(4.0, 7.0, 8.0, 1.5));
    p.setPen(outline(kSteelDark, 0.8));
    p.drawLine(QPointF(8.0, 9.0), QPointF(8.0, 14.0));
}

// Three links of mail.
void drawMailRings(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    const QPointF centres[] = {{5.0, 5.5}, {11.0, 5.5}, {8.0, 10.5}};
    for (const QPointF& c : centres) {
        p.setPen(outline(kSteelDark, 2.4));
        p.drawEllipse(c, 3.5, 3.5);
        p.setPen(outline(kSteelLight, 1.0));
        p.drawEllipse(c, 3.5, 3.5);
    }
}

// A pair of scissors.
void drawScissors(QPainter& p) {
    p.setPen(outline(kSteelDark, 1.0));
    p.setBrush(vertical(0.0, 9.0, kSteelLight, kSteel));
    p.drawPolygon(poly({{3.0, 0.5}, {4.5, 0.5}, {10.0, 10.0}, {8.0, 10.5}}));
    p.drawPolygon(poly({{13.0, 0.5}, {11.5, 0.5}, {6.0, 10.0}, {8.0, 10.5}}));
    p.setPen(outline(QColor(0x20, 0x20, 0x70), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(4.5, 12.5), 2.3, 2.3);
    p.drawEllipse(QPointF(11.5, 12.5), 2.3, 2.3);
}

// A bolt of green cloth.
void drawClothBolt(QPainter& p) {
    const QColor cloth(0x40, 0xa8, 0x58);
    p.setPen(outline(cloth.darker(200)));
    p.setBrush(vertical(4.0, 12.0, cloth.lighter(140), cloth));
    p.drawRect(QRectF(3.0, 3.5, 11.5, 9.0));
    // The loose end of the cloth hanging from the roll.
    p.drawPolygon(poly({{9.0, 12.5}, {14.5, 12.5}, {14.5, 15.0}, {9.0, 15.0}}));
    p.setBrush(cloth.lighter(120));
    p.drawEllipse(QRectF(1.0, 3.5, 4.0, 9.0));
    p.setBrush(cloth.darker(160));
    p.drawEllipse(QRectF(2.3, 6.8, 1.4, 2.4));
}

// A four-hole button.
void drawButton(QPainter& p) {
    const QColor c(0x9c, 0x5c, 0xc8);
    p.setPen(outline(c.darker(200)));
    QRadialGradient g(QPointF(6.5, 6.0), 8.0);
    g.setColorAt(0, c.lighter(150));
    g.setColorAt(1, c);
    p.setBrush(g);
    p.drawEllipse(QPointF(8.0, 8.0), 6.5, 6.5);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(8.0, 8.0), 4.5, 4.5);
    p.setPen(Qt::NoPen);
    p.setBrush(c.darker(220));
    for (const QPointF& h :
         {QPointF(6.7, 6.7), QPointF(9.3, 6.7), QPointF(6.7, 9.3), QPointF(9.3, 9.3)}) {
        p.drawEllipse(h, 0.9, 0.9);
    }
}

// A brimmed hat.
void drawHat(QPainter& p) {
    const QColor felt(0x50, 0x50, 0x5c);
    p.setPen(outline(felt.darker(220)));
    p.setBrush(felt);
    p.drawEllipse(QRectF(0.5, 10.0, 15.0, 4.5));
    p.setBrush(vertical(3.0, 12.0, felt.lighter(160), felt));
    QPainterPath crown;
    crown.moveTo(4.0, 12.0);
    crown.lineTo(4.5, 4.0);
    crown.quadTo(8.0, 1.5, 11.5, 4.0);
    crown.lineTo(12.0, 12.0);
    crown.quadTo(8.0, 13.0, 4.0, 12.0);
    p.drawPath(crown);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc8, 0x30, 0x30));
    p.drawRect(QRectF(4.3, 9.0, 7.4, 2.0));
}

// The coloured badges: each a distinct shape in a distinct colour.
void drawBadgeCircle(QPainter& p) {
    QPainterPath s;
    s.addEllipse(QPointF(8.0, 8.0), 6.0, 6.0);
    badgeFill(p, s, QColor(0xe0, 0x30, 0x30));
}
void drawBadgeDiamond(QPainter& p) {
    badgeFill(p, regularPolygon(4, 7.0, -std::numbers::pi / 2), QColor(0x30, 0x70, 0xe0));
}
void drawBadgeTriangle(QPainter& p) {
    QPainterPath s;
    s.addPolygon(poly({{8.0, 1.5}, {15.0, 14.0}, {1.0, 14.0}}));
    s.closeSubpath();
    badgeFill(p, s, QColor(0x30, 0xb0, 0x40));
}
void drawBadgeSquare(QPainter& p) {
    QPainterPath s;
    s.addRoundedRect(QRectF(2.5, 2.5, 11.0, 11.0), 2.0, 2.0);
    badgeFill(p, s, QColor(0xf0, 0x90, 0x20));
}
void drawBadgeStar(QPainter& p) {
    QPainterPath s;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2 == 0) ? 7.5 : 3.2;
        const qreal a = -std::numbers::pi / 2 + std::numbers::pi * i / 5;
        const QPointF pt(8.0 + r * std::cos(a), 8.5 + r * std::sin(a));
        if (i == 0) {
            s.moveTo(pt);
        } else {
            s.lineTo(pt);
        }
    }
    s.closeSubpath();
    badgeFill(p, s, QColor(0xa0, 0x40, 0xd0));
}
void drawBadgeHexagon(QPainter& p) {
    badgeFill(p, regularPolygon(6, 6.8, 0.0), QColor(0x20, 0xa8, 0xa8));
}
void drawBadgeHeart(QPainter& p) {
    QPainterPath s;
    s.moveTo(8.0, 14.5);
    s.cubicTo(1.0, 9.5, 0.5, 3.0, 4.5, 2.5);
    s.cubicTo(6.5, 2.3, 7.7, 3.6, 8.0, 5.0);
    s.cubicTo(8.3, 3.6, 9.5, 2.3, 11.5, 2.5);
    s.cubicTo(15.5, 3.0, 15.0, 9.5, 8.0, 14.5);
    s.closeSubpath();
    badgeFill(p, s, QColor(0xf0, 0x60, 0xa0));
}
void drawBadgeCross(QPainter& p) {
    QPainterPath s;
    s.addPolygon(poly({{5.5, 1.5},
                       {10.5, 1.5},
                       {10.5, 5.5},
                       {14.5, 5.5},
                       {14.5, 10.5},
                       {10.5, 10.5},
                       {10.5, 14.5},
                       {5.5, 14.5},
                       {5.5, 10.5},
                       {1.5, 10.5},
                       {1.5, 5.5},
                       {5.5, 5.5}}));
    s.closeSubpath();
    badgeFill(p, s, QColor(0x90, 0x60, 0x30));
}
void drawBadgeRing(QPainter& p) {
    QPainterPath s;
    s.addEllipse(QPointF(8.0, 8.0), 6.5, 6.5);
    s.addEllipse(QPointF(8.0, 8.0), 3.0, 3.0);
    badgeFill(p, s, QColor(0xd8, 0xc8, 0x20));
}
void drawBadgeCrescent(QPainter& p) {
    QPainterPath outer;
    outer.addEllipse(QPointF(8.0, 8.0), 6.5, 6.5);
    QPainterPath bite;
    bite.addEllipse(QPointF(11.0, 6.0), 5.5, 5.5);
    badgeFill(p, outer.subtracted(bite), QColor(0x60, 0x80, 0xa0));
}
void drawBadgeDrop(QPainter& p) {
    QPainterPath s;
    s.moveTo(8.0, 0.8);
    s.cubicTo(10.0, 5.0, 13.5, 7.5, 13.5, 10.0);
    s.cubicTo(13.5, 13.5, 10.5, 15.2, 8.0, 15.2);
    s.cubicTo(5.5, 15.2, 2.5, 13.5, 2.5, 10.0);
    s.cubicTo(2.5, 7.5, 6.0, 5.0, 8.0, 0.8);
    s.closeSubpath();
    badgeFill(p, s, QColor(0x20, 0xc0, 0xf0));
}
void drawBadgePentagon(QPainter& p) {
    p.save();
    p.translate(0.0, 0.6);
    badgeFill(p, regularPolygon(5, 7.0, -std::numbers::pi / 2), QColor(0x80, 0x90, 0x30));
    p.restore();
}

void drawNothing(QPainter&) {}

using Painter = void (*)(QPainter&);

// What each index of the strip shows. The catalogue uses 1 and 7 (weapon smithing and its
// categories), 8 and 12 (armour smithing), 13 and 23 (cloth tailoring), 24 and 30 (leather
// tailoring); the rest are spare pictures.
constexpr std::array<Painter, kImageCount> kPainters = {
    drawNothing,        // 0
    drawWeaponSmithing, // 1
    drawHammer,         // 2
    drawPickaxe,        // 3
    drawIngot,          // 4
    drawBadgeCircle,    // 5
    drawAxe,            // 6
    drawSword,          // 7
    drawArmourSmithing, // 8
    drawHelmet,         // 9
    drawMailRings,      // 10
    drawBadgeDiamond,   // 11
    drawBreastplate,    // 12
    drawSpool,          // 13
    drawScissors,       // 14
    drawClothBolt,      // 15
    drawButton,         // 16
    drawHat,            // 17
    drawBadgeTriangle,  // 18
    drawBadgeSquare,    // 19
    drawBadgeStar,      // 20
    drawBadgeHexagon,   // 21
    drawBadgeHeart,     // 22
    drawShirt,          // 23
    drawHide,           // 24
    drawBadgeCross,     // 25
    drawBadgeRing,      // 26
    drawBadgeCrescent,  // 27
    drawBadgeDrop,      // 28
    drawBadgePentagon,  // 29
    drawBoot,           // 30
};

QPixmap paintImage(int index) {
    QImage canvas(kImageSize, kImageSize, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing);
        kPainters[static_cast<std::size_t>(index)](p);
    }
    return QPixmap::fromImage(canvas);
}

// The program icon in a 64-unit coordinate system: a rolled deed with a red wax seal and ribbon.
void paintAppIcon(QPainter& p, int size) {
    p.scale(size / 64.0, size / 64.0);
    const QColor paper(0xf4, 0xe4, 0xb8);
    const QColor paperDark(0xc8, 0xa8, 0x68);
    const QColor ink(0x6a, 0x4a, 0x20);
    // The sheet between the two rolls.
    p.setPen(outline(ink, 2.0));
    p.setBrush(horizontal(12.0, 52.0, paper, paper.darker(108)));
    p.drawRect(QRectF(13.0, 10.0, 38.0, 44.0));
    // Writing on the sheet, left out at the smallest size where it would only blur.
    if (size >= 32) {
        p.setPen(outline(paperDark, 2.5));
        for (qreal yy = 18.0; yy <= 38.0; yy += 6.0) {
            p.drawLine(QPointF(19.0, yy), QPointF(yy < 36.0 ? 45.0 : 33.0, yy));
        }
    }
    // The rolls at the top and the bottom.
    for (const qreal yy : {4.0, 50.0}) {
        p.setPen(outline(ink, 2.0));
        p.setBrush(vertical(yy, yy + 10.0, paper, paperDark));
        p.drawRoundedRect(QRectF(8.0, yy, 48.0, 10.0), 5.0, 5.0);
        p.setBrush(paperDark);
        p.drawEllipse(QRectF(51.0, yy, 5.0, 10.0));
    }
    // Ribbon tails and the seal.
    const QColor wax(0xc0, 0x18, 0x18);
    p.setPen(outline(wax.darker(180), 1.5));
    p.setBrush(QColor(0x30, 0x60, 0xc0));
    p.drawPolygon(poly({{40.0, 44.0}, {46.0, 44.0}, {42.0, 62.0}, {38.0, 58.0}}));
    p.drawPolygon(poly({{44.0, 44.0}, {50.0, 44.0}, {54.0, 58.0}, {49.0, 61.0}}));
    QRadialGradient g(QPointF(42.0, 38.0), 12.0);
    g.setColorAt(0, wax.lighter(150));
    g.setColorAt(1, wax);
    p.setBrush(g);
    p.drawEllipse(QPointF(45.0, 42.0), 10.0, 10.0);
    p.setPen(outline(wax.darker(160), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(45.0, 42.0), 6.0, 6.0);
}

} // namespace

const QPixmap& image(int index) {
    static const std::array<QPixmap, kImageCount> strip = [] {
        std::array<QPixmap, kImageCount> pixmaps;
        for (int i = 0; i < kImageCount; ++i) {
            pixmaps[static_cast<std::size_t>(i)] = paintImage(i);
        }
        return pixmaps;
    }();
    static const QPixmap none;
    if (index < 0 || index >= kImageCount) {
        return none;
    }
    return strip[static_cast<std::size_t>(index)];
}

QImage appIconImage(int size) {
    QImage canvas(size, size, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    paintAppIcon(p, size);
    return canvas;
}

QIcon appIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        icon.addPixmap(QPixmap::fromImage(appIconImage(size)));
    }
    return icon;
}

} // namespace tessary::images
