#include "Illustrations.h"
#include "Painting.h"

#include <QPainter>

namespace Pictures {

namespace {

const QColor skin = rgb(0xF3CBA8);
const QColor skinShade = rgb(0xE2A983);
const QColor skinLine = rgb(0xB97A55);

// Maps a drawing made on a size.width() x size.height() sheet into box, centred.
void placeSheet(QPainter &p, const QRectF &box, QSizeF size)
{
    const qreal scale = qMin(box.width() / size.width(), box.height() / size.height());
    p.translate(box.center().x() - size.width() * scale / 2, box.center().y() - size.height() * scale / 2);
    p.scale(scale, scale);
}

void fillAndOutline(QPainter &p, const QPainterPath &shape, const QBrush &fill, const QColor &line, qreal width)
{
    p.fillPath(shape, fill);
    p.strokePath(shape, QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// A limb or stem: an outlined stroke with round ends.
void limb(QPainter &p, const QPainterPath &path, qreal width, const QColor &fill, const QColor &line)
{
    p.strokePath(path, QPen(line, width + 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.strokePath(path, QPen(fill, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void groundShadow(QPainter &p, QPointF centre, qreal rx, qreal ry)
{
    QRadialGradient g(centre, rx);
    g.setColorAt(0, QColor(0, 50, 0, 60));
    g.setColorAt(1, QColor(0, 50, 0, 0));
    p.save();
    p.translate(centre);
    p.scale(1, ry / rx);
    p.translate(-centre);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, rx, rx);
    p.restore();
}

QPainterPath applePath(QPointF c, qreal a)
{
    QPainterPath apple;
    apple.moveTo(c.x(), c.y() - a * 0.62);
    apple.cubicTo(c.x() + a * 0.35, c.y() - a * 0.95, c.x() + a * 1.05, c.y() - a * 0.85, c.x() + a * 1.02, c.y() - a * 0.05);
    apple.cubicTo(c.x() + a * 1.0, c.y() + a * 0.7, c.x() + a * 0.55, c.y() + a * 1.05, c.x() + a * 0.25, c.y() + a * 1.0);
    apple.cubicTo(c.x() + a * 0.1, c.y() + a * 0.96, c.x() - a * 0.1, c.y() + a * 0.96, c.x() - a * 0.25, c.y() + a * 1.0);
    apple.cubicTo(c.x() - a * 0.55, c.y() + a * 1.05, c.x() - a * 1.0, c.y() + a * 0.7, c.x() - a * 1.02, c.y() - a * 0.05);
    apple.cubicTo(c.x() - a * 1.05, c.y() - a * 0.85, c.x() - a * 0.35, c.y() - a * 0.95, c.x(), c.y() - a * 0.62);
    return apple;
}

void sparkle(QPainter &p, QPointF c, qreal r, const QColor &colour)
{
    QPainterPath s;
    s.moveTo(c.x(), c.y() - r);
    s.quadTo(c, QPointF(c.x() + r, c.y()));
    s.quadTo(c, QPointF(c.x(), c.y() + r));
    s.quadTo(c, QPointF(c.x() - r, c.y()));
    s.quadTo(c, QPointF(c.x(), c.y() - r));
    p.fillPath(s, colour);
}

} // namespace

void handWithApple(QPainter &p, const QRectF &box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    placeSheet(p, box, {130, 100});

    groundShadow(p, {70, 96}, 50, 4);

    // The apple rests in the palm; fingers and thumb come round it in front.
    const QPointF c(58, 42);
    const qreal a = 25;
    const QPainterPath apple = applePath(c, a);
    QRadialGradient appleFill(c - QPointF(a * 0.4, a * 0.35), a * 1.5);
    appleFill.setColorAt(0, rgb(0xC9F08A));
    appleFill.setColorAt(0.45, rgb(0x7AC143));
    appleFill.setColorAt(1, rgb(0x3C8A22));
    fillAndOutline(p, apple, appleFill, rgb(0x2F6E1C), 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawEllipse(QPointF(c.x() - a * 0.5, c.y() - a * 0.3), a * 0.14, a * 0.24);

    QPainterPath stem;
    stem.moveTo(c.x(), c.y() - a * 0.55);
    stem.cubicTo(c.x() + 1, c.y() - a * 0.8, c.x() + 2, c.y() - a * 0.95, c.x() + 5, c.y() - a * 1.15);
    p.strokePath(stem, QPen(rgb(0x6B4423), 2.6, Qt::SolidLine, Qt::RoundCap));
    leaf(p, QPointF(c.x() + 3, c.y() - a * 0.98), 20, 20, 7);

    const QPainterPath sleeve = polygonPath({{102, 74}, {130, 66}, {130, 100}, {108, 100}});
    fillAndOutline(p, sleeve, verticalGradient(sleeve.boundingRect(), rgb(0x3E8E4A), rgb(0x1F5E2B)), rgb(0x184A22), 1);
    const QPainterPath cuff = polygonPath({{100, 74}, {108, 72}, {116, 100}, {107, 100}});
    fillAndOutline(p, cuff, rgb(0xF4F1E6), rgb(0x184A22), 1);

    QPainterPath hand;
    hand.moveTo(104, 98);
    hand.cubicTo(90, 92, 78, 90, 62, 90);
    hand.cubicTo(50, 90, 40, 86, 37, 78);
    hand.cubicTo(36, 74, 40, 71, 46, 71);
    hand.lineTo(74, 71);
    hand.cubicTo(77, 64, 78, 57, 82, 52);
    hand.cubicTo(85, 48, 91, 50, 90, 56);
    hand.cubicTo(89, 64, 87, 71, 93, 76);
    hand.lineTo(102, 75);
    hand.closeSubpath();
    QLinearGradient handFill(QPointF(0, 50), QPointF(0, 95));
    handFill.setColorAt(0, skin);
    handFill.setColorAt(1, skinShade);
    fillAndOutline(p, hand, handFill, skinLine, 1.2);

    // Curled fingers round the far side of the apple, the little finger lowest.
    struct Finger { QPointF root, bend, tip; };
    const Finger fingers[] = {
        {{50, 86}, {30, 86}, {36, 77}},
        {{47, 82}, {24, 78}, {31, 68}},
        {{45, 78}, {21, 70}, {29, 59}},
        {{44, 74}, {22, 61}, {31, 51}},
    };
    for (const Finger &f : fingers) {
        QPainterPath finger;
        finger.moveTo(f.root);
        finger.quadTo(f.bend, f.tip);
        QLinearGradient fill(f.bend, f.tip);
        fill.setColorAt(0, skinShade);
        fill.setColorAt(1, skin);
        p.strokePath(finger, QPen(skinLine, 8.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.strokePath(finger, QPen(QBrush(fill), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    p.setPen(QPen(rgb(0xFBE6D6), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (const Finger &f : fingers)
        p.drawPoint(f.tip + QPointF(0.5, -1));

    p.setPen(QPen(skinLine, 1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath thumbCrease;
    thumbCrease.moveTo(86, 66);
    thumbCrease.cubicTo(82, 71, 78, 74, 74, 76);
    p.drawPath(thumbCrease);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(52, 74), QPointF(68, 74));
    p.restore();
}

void childReading(QPainter &p, const QRectF &box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    placeSheet(p, box, {100, 100});

    groundShadow(p, {50, 98}, 36, 3.5);

    // Body and arms first; the book on its folding stand covers them.
    QPainterPath shirt;
    shirt.moveTo(28, 98);
    shirt.lineTo(31, 64);
    shirt.cubicTo(33, 55, 41, 51, 50, 51);
    shirt.cubicTo(59, 51, 67, 55, 69, 64);
    shirt.lineTo(72, 98);
    shirt.closeSubpath();
    fillAndOutline(p, shirt, verticalGradient(shirt.boundingRect(), rgb(0x5DAE55), rgb(0x2F7A33)), rgb(0x215C26), 1);
    p.fillRect(QRectF(46, 44, 8, 9), skinShade);

    QPainterPath armLeft, armRight;
    armLeft.moveTo(34, 60);
    armLeft.cubicTo(28, 66, 24, 70, 24, 73);
    armRight.moveTo(66, 60);
    armRight.cubicTo(72, 66, 76, 70, 76, 73);
    limb(p, armLeft, 7, rgb(0x4F9F49), rgb(0x215C26));
    limb(p, armRight, 7, rgb(0x4F9F49), rgb(0x215C26));

    // Head: ears, face, hair with a fringe, eyes lowered to the page.
    p.setPen(QPen(skinLine, 1));
    p.setBrush(skin);
    p.drawEllipse(QPointF(35.5, 33), 3, 4);
    p.drawEllipse(QPointF(64.5, 33), 3, 4);
    QRadialGradient face(QPointF(47, 30), 18);
    face.setColorAt(0, rgb(0xF8D9BD));
    face.setColorAt(1, skin);
    p.setBrush(face);
    p.drawEllipse(QPointF(50, 32), 15, 15.5);
    QPainterPath hair;
    hair.moveTo(35, 32);
    hair.cubicTo(33, 17, 44, 13, 51, 14);
    hair.cubicTo(60, 14, 68, 19, 65, 32);
    hair.cubicTo(63, 25, 60, 23, 56, 23);
    hair.cubicTo(53, 26, 47, 26, 44, 23);
    hair.cubicTo(40, 23, 37, 26, 35, 32);
    hair.closeSubpath();
    fillAndOutline(p, hair, verticalGradient(hair.boundingRect(), rgb(0x6B4630), rgb(0x3E2718)), rgb(0x2E1C10), 0.8);
    p.setPen(QPen(rgb(0x3E2718), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(41.5, 32, 6, 4), 180 * 16, 180 * 16);
    p.drawArc(QRectF(52.5, 32, 6, 4), 180 * 16, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 120, 110, 70));
    p.drawEllipse(QPointF(41, 39), 3, 2);
    p.drawEllipse(QPointF(59, 39), 3, 2);
    p.setPen(QPen(rgb(0xA3453A), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(47, 39, 6, 3.5), 200 * 16, 140 * 16);

    // The folding stand: two crossed boards.
    QPainterPath boardA, boardB;
    boardA.moveTo(30, 80);
    boardA.lineTo(72, 97);
    boardB.moveTo(70, 80);
    boardB.lineTo(28, 97);
    limb(p, boardA, 5, rgb(0xA86E3A), rgb(0x5E3A1A));
    limb(p, boardB, 5, rgb(0x96602F), rgb(0x5E3A1A));

    const QPainterPath cover = polygonPath({{19, 64}, {50, 69}, {81, 64}, {81, 82}, {50, 87}, {19, 82}});
    fillAndOutline(p, cover, rgb(0x8E1E1A), rgb(0x5A0F0C), 1);
    QPainterPath pages;
    pages.moveTo(21, 63);
    pages.cubicTo(32, 61, 44, 63, 50, 67);
    pages.cubicTo(56, 63, 68, 61, 79, 63);
    pages.lineTo(79, 80);
    pages.cubicTo(68, 78, 56, 80, 50, 84);
    pages.cubicTo(44, 80, 32, 78, 21, 80);
    pages.closeSubpath();
    fillAndOutline(p, pages, rgb(0xFBF7E8), rgb(0x9C8C6A), 0.8);
    p.setPen(QPen(rgb(0x9C8C6A), 0.8));
    p.drawLine(QPointF(50, 67), QPointF(50, 84));
    p.setPen(QPen(rgb(0x5E8A5A, 170), 0.9, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const qreal y = 67.5 + i * 3.2;
        p.drawLine(QPointF(25, y), QPointF(46, y + 1.6));
        p.drawLine(QPointF(54, y + 1.6), QPointF(75, y));
    }

    p.setPen(QPen(skinLine, 1));
    p.setBrush(skin);
    p.drawEllipse(QPointF(22, 73), 3.6, 4.2);
    p.drawEllipse(QPointF(78, 73), 3.6, 4.2);
    p.restore();
}

void plantFromBook(QPainter &p, const QRectF &box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    placeSheet(p, box, {100, 100});

    QRadialGradient glow(QPointF(50, 44), 46);
    glow.setColorAt(0, QColor(255, 250, 214, 190));
    glow.setColorAt(1, QColor(255, 250, 214, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(50, 44), 46, 46);

    groundShadow(p, {50, 97}, 44, 3);

    const QPainterPath cover = openBook({50, 72}, 45, 25);
    fillAndOutline(p, cover, rgb(0x8E1E1A), rgb(0x5A0F0C), 1);
    const QPainterPath pages = openBook({50, 70}, 41, 23);
    fillAndOutline(p, pages, verticalGradient(pages.boundingRect(), rgb(0xFFFCF0), rgb(0xEDE4C8)), rgb(0x9C8C6A), 0.8);
    p.setPen(QPen(rgb(0x9C8C6A), 0.8));
    p.drawLine(QPointF(50, 73), QPointF(50, 92));
    p.setPen(QPen(rgb(0x5E8A5A, 160), 0.9, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const qreal y = 74 + i * 3.6;
        p.drawLine(QPointF(14, y - 1.5 + i * 0.3), QPointF(44, y + 1));
        p.drawLine(QPointF(56, y + 1), QPointF(86, y - 1.5 + i * 0.3));
    }

    // The shoot rises out of the fold between the pages.
    QPainterPath stem;
    stem.moveTo(50, 76);
    stem.cubicTo(47, 62, 55, 46, 50, 22);
    p.strokePath(stem, QPen(rgb(0x2C6B22), 3.4, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(stem, QPen(rgb(0x4E9E36), 2.2, Qt::SolidLine, Qt::RoundCap));
    leaf(p, stem.pointAtPercent(0.22), 160, 22, 7);
    leaf(p, stem.pointAtPercent(0.38), 20, 24, 7.5);
    leaf(p, stem.pointAtPercent(0.58), 150, 18, 6);
    leaf(p, stem.pointAtPercent(0.74), 35, 16, 5.5);
    leaf(p, stem.pointAtPercent(1.0), 115, 11, 4);
    leaf(p, stem.pointAtPercent(1.0), 65, 11, 4);

    const QColor gold = rgb(0xE0B43C, 210);
    sparkle(p, {26, 30}, 4, gold);
    sparkle(p, {75, 24}, 3.2, gold);
    sparkle(p, {71, 50}, 2.6, gold);
    sparkle(p, {30, 52}, 2.4, gold);
    p.restore();
}

} // namespace Pictures
