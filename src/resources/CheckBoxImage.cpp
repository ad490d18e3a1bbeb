// The check-box strip of the export dialog's item list: three 11x11 cells side by side,
// unchecked, checked and indeterminate, drawn in the flat look of a classic check box.
#include "resources/Images.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace tessary::images {

namespace {

void drawTick(QPainter& p, qreal left, const QColor& colour) {
    QPainterPath tick;
    tick.moveTo(left + 2.5, 5.0);
    tick.lineTo(left + 4.5, 7.5);
    tick.lineTo(left + 8.5, 2.5);
    QPen pen(colour, 1.6);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
}

} // namespace

const QPixmap& checkBoxStrip() {
    static const QPixmap strip = [] {
        const int cell = kCheckBoxCell;
        QImage canvas(3 * cell, cell, QImage::Format_ARGB32_Premultiplied);
        canvas.fill(Qt::transparent);
        QPainter p(&canvas);
        const QColor frame(0x60, 0x60, 0x60);
        const QColor mark(0x10, 0x10, 0x10);
        const QColor grey(0x80, 0x80, 0x80);
        for (int i = 0; i < 3; ++i) {
            const int left = i * cell;
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setPen(frame);
            p.setBrush(i == 2 ? QColor(0xd4, 0xd4, 0xd4) : QColor(Qt::white));
            p.drawRect(left, 0, cell - 1, cell - 1);
            p.setRenderHint(QPainter::Antialiasing, true);
            if (i == 1) {
                drawTick(p, left, mark);
            } else if (i == 2) {
                drawTick(p, left, grey);
            }
        }
        p.end();
        return QPixmap::fromImage(canvas);
    }();
    return strip;
}

} // namespace tessary::images
