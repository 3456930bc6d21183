#include "Painting.h"

#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <QtMath>

namespace Pictures {

QFont calligraphyFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("Amiri"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont plainFont(int pixelSize)
{
    QFont font(QStringLiteral("Noto Sans"));
    font.setPixelSize(pixelSize);
    return font;
}

QPainterPath shapedText(const QString &text, const QFont &font, qreal wrapWidth)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setTextDirection(Qt::RightToLeft);
    option.setAlignment(Qt::AlignHCenter);
    option.setWrapMode(wrapWidth > 0 ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);

    const qreal width = wrapWidth > 0 ? wrapWidth : 4000;
    qreal y = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();

    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const QGlyphRun &run : layout.glyphRuns()) {
        const QRawFont raw = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i)
            path.addPath(raw.pathForGlyph(glyphs[i]).translated(positions[i]));
    }
    return path;
}

QRectF drawText(QPainter &p, const QString &text, const QFont &font, const QRectF &box,
                const TextLook &look, qreal wrapWidth)
{
    QPainterPath path = shapedText(text, font, wrapWidth);
    const QRectF ink = path.boundingRect();
    path.translate(box.center() - ink.center());

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (look.shadow.alpha() > 0)
        p.fillPath(path.translated(look.shadowOffset), look.shadow);
    if (look.haloWidth > 0)
        p.strokePath(path, QPen(look.halo, look.haloWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, look.fill);
    p.restore();
    return path.boundingRect();
}

QLinearGradient verticalGradient(const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

void softShadow(QPainter &p, const QPainterPath &shape, QPointF offset, int strength)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath moved = shape.translated(offset);
    for (int w = 7; w >= 1; w -= 2)
        p.strokePath(moved, QPen(QColor(0, 40, 0, strength / (w + 1)), w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(moved, QColor(0, 40, 0, strength / 2));
    p.restore();
}

void diamond(QPainter &p, QPointF c, qreal hw, qreal hh, const QColor &colour)
{
    const QPainterPath d = polygonPath({{c.x() - hw, c.y()}, {c.x(), c.y() - hh}, {c.x() + hw, c.y()},
        {c.x(), c.y() + hh}});
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(d, colour);
    p.restore();
}

void ornamentRule(QPainter &p, QPointF from, QPointF to, const QColor &colour)
{
    const QPointF mid = (from + to) / 2;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fade(from, to);
    QColor clear = colour;
    clear.setAlpha(0);
    fade.setColorAt(0, clear);
    fade.setColorAt(0.35, colour);
    fade.setColorAt(0.65, colour);
    fade.setColorAt(1, clear);
    p.setPen(QPen(QBrush(fade), 1.2));
    p.drawLine(from, QPointF(mid.x() - 9, mid.y()));
    p.drawLine(QPointF(mid.x() + 9, mid.y()), to);
    p.restore();
    diamond(p, mid, 6, 3.5, colour);
    diamond(p, QPointF(mid.x() - 12, mid.y()), 2, 2, colour);
    diamond(p, QPointF(mid.x() + 12, mid.y()), 2, 2, colour);
}

QPainterPath eightPointedStar(QPointF c, qreal radius)
{
    QPainterPath star;
    star.setFillRule(Qt::WindingFill);
    for (int i = 0; i < 16; ++i) {
        // Points on the outer radius, notches where the two squares cross.
        const qreal r = (i % 2 == 0) ? radius : radius * qCos(M_PI / 4) / qCos(M_PI / 8);
        const qreal a = -M_PI / 2 + i * M_PI / 8;
        const QPointF pt(c.x() + r * qCos(a), c.y() + r * qSin(a));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    return star;
}

static unsigned grainHash(int x, int y, unsigned seed)
{
    unsigned h = unsigned(x) * 374761393u + unsigned(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

void addGrain(QImage &image, const QPainterPath &area, QPoint origin, int amplitude, unsigned seed)
{
    const QRect bounds = area.boundingRect().toAlignedRect().translated(-origin) & image.rect();
    for (int y = bounds.top(); y <= bounds.bottom(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = bounds.left(); x <= bounds.right(); ++x) {
            const int wx = x + origin.x(), wy = y + origin.y();
            if (!area.contains(QPointF(wx + 0.5, wy + 0.5)))
                continue;
            const int d = int(grainHash(wx, wy, seed) % unsigned(2 * amplitude + 1)) - amplitude;
            const QRgb px = line[x];
            line[x] = qRgba(qBound(0, qRed(px) + d, 255), qBound(0, qGreen(px) + d, 255),
                            qBound(0, qBlue(px) + d, 255), qAlpha(px));
        }
    }
}

void paintBackdrop(QImage &image, QPoint origin)
{
    const QRectF window(0, 0, 865, 682);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(-origin);
        QLinearGradient ground(window.topLeft(), window.bottomRight());
        ground.setColorAt(0, rgb(0xCFEBC6));
        ground.setColorAt(0.45, rgb(0xDDF3D6));
        ground.setColorAt(1, rgb(0xC8E6BE));
        p.fillRect(window, ground);

        // A faint lattice of eight-pointed stars joined by short bars.
        const qreal step = 58;
        p.setPen(QPen(rgb(Colour::darkGreen, 20), 1));
        p.setBrush(Qt::NoBrush);
        for (int row = 0; row * step < window.height() + step; ++row) {
            for (int col = 0; col * step < window.width() + step; ++col) {
                const QPointF c(col * step + (row % 2 ? step / 2 : 0), row * step);
                p.drawPath(eightPointedStar(c, 11));
                p.drawLine(c + QPointF(11, 0), c + QPointF(step - 11, 0));
            }
        }
    }
    QPainterPath all;
    all.addRect(window);
    addGrain(image, all, origin, 2, 7);
}

static QPainterPath dome(QPointF base, qreal halfWidth, qreal height)
{
    // An onion dome: swelling sides that narrow to a point.
    const qreal x = base.x(), y = base.y(), w = halfWidth, h = height;
    QPainterPath d;
    d.moveTo(x - w, y);
    d.cubicTo(x - w * 1.25, y - h * 0.45, x - w * 0.55, y - h * 0.7, x, y - h);
    d.cubicTo(x + w * 0.55, y - h * 0.7, x + w * 1.25, y - h * 0.45, x + w, y);
    d.closeSubpath();
    return d;
}

QPainterPath openBook(QPointF spine, qreal halfWidth, qreal height)
{
    const qreal x = spine.x(), y = spine.y(), w = halfWidth, h = height;
    QPainterPath book;
    book.moveTo(x, y + h);
    book.cubicTo(x - w * 0.4, y + h * 0.7, x - w * 0.8, y + h * 0.75, x - w, y + h * 0.85);
    book.lineTo(x - w, y);
    book.cubicTo(x - w * 0.7, y - h * 0.12, x - w * 0.3, y - h * 0.1, x, y + h * 0.12);
    book.cubicTo(x + w * 0.3, y - h * 0.1, x + w * 0.7, y - h * 0.12, x + w, y);
    book.lineTo(x + w, y + h * 0.85);
    book.cubicTo(x + w * 0.8, y + h * 0.75, x + w * 0.4, y + h * 0.7, x, y + h);
    book.closeSubpath();
    return book;
}

void leaf(QPainter &p, QPointF base, qreal angle, qreal length, qreal width)
{
    QPainterPath shape;
    shape.moveTo(0, 0);
    shape.cubicTo(length * 0.3, -width, length * 0.75, -width * 0.8, length, 0);
    shape.cubicTo(length * 0.75, width * 0.8, length * 0.3, width, 0, 0);
    QTransform t;
    t.translate(base.x(), base.y());
    t.rotate(-angle);
    const QPainterPath placed = t.map(shape);
    QLinearGradient fill(t.map(QPointF(0, -width)), t.map(QPointF(0, width)));
    fill.setColorAt(0, rgb(0x86CC5E));
    fill.setColorAt(1, rgb(0x3B8A2C));
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(placed, fill);
    p.strokePath(placed, QPen(rgb(0x2C6B22), 0.8));
    p.setPen(QPen(rgb(0xC8EBA8, 200), 0.7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(t.map(QPointF(length * 0.08, 0)), t.map(QPointF(length * 0.85, 0)));
    p.restore();
}

void paintEmblem(QPainter &p, const QRectF &box, bool small)
{
    const qreal s = qMin(box.width(), box.height());
    const QPointF c = box.center();
    const qreal R = s / 2 - (small ? 0.5 : 2);
    const qreal line = qMax<qreal>(1, s * 0.018);

    p.save();
    p.setRenderHint(QPainter::Antialiasing);

    if (!small) {
        QRadialGradient glow(c, R * 1.05);
        glow.setColorAt(0, QColor(255, 255, 255, 150));
        glow.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(c, R * 1.05, R * 1.05);
    }

    const QPainterPath star = eightPointedStar(c, R);
    QRadialGradient body(c - QPointF(R * 0.25, R * 0.3), R * 1.2);
    body.setColorAt(0, rgb(0x5B95E6));
    body.setColorAt(0.6, rgb(Colour::blue));
    body.setColorAt(1, rgb(Colour::deepBlue));
    p.fillPath(star, body);
    p.strokePath(star, QPen(rgb(Colour::deepBlue), line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.strokePath(eightPointedStar(c, R * 0.86), QPen(rgb(0xB8D2F5), line * 0.8));

    const qreal r = R * 0.56;
    p.setPen(QPen(rgb(Colour::deepBlue), line));
    p.setBrush(rgb(small ? 0xCFE0F8 : 0xEEF4FD));
    p.drawEllipse(c, r, r);
    if (!small) {
        p.setPen(QPen(rgb(Colour::skyBlue), line * 0.7));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, r * 0.9, r * 0.9);
        for (int i = 0; i < 8; ++i) {
            const qreal a = M_PI / 8 + i * M_PI / 4;
            p.setPen(Qt::NoPen);
            p.setBrush(rgb(0xEEF4FD));
            p.drawEllipse(QPointF(c.x() + R * 0.72 * qCos(a), c.y() + R * 0.72 * qSin(a)), line * 1.3, line * 1.3);
        }
    }

    // The dome stands on the book; a small finial with a crescent tops it.
    const QPointF base(c.x(), c.y() + r * 0.18);
    const QPainterPath domeShape = dome(base, r * 0.48, r * 0.72);
    QLinearGradient domeFill(base - QPointF(r * 0.5, 0), base + QPointF(r * 0.5, 0));
    domeFill.setColorAt(0, rgb(0x3B78D0));
    domeFill.setColorAt(1, rgb(Colour::deepBlue));
    p.fillPath(domeShape, domeFill);
    const QPointF tip(base.x(), base.y() - r * 0.72);
    p.setPen(QPen(rgb(Colour::deepBlue), line, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(tip, tip - QPointF(0, r * 0.14));
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(Colour::blue));
    p.drawEllipse(tip - QPointF(0, r * 0.19), r * 0.06, r * 0.06);

    const QPainterPath book = openBook(QPointF(c.x(), c.y() + r * 0.2), r * 0.78, r * 0.52);
    p.fillPath(book, Qt::white);
    p.strokePath(book, QPen(rgb(Colour::deepBlue), line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setPen(QPen(rgb(Colour::deepBlue), line * 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x(), c.y() + r * 0.3), QPointF(c.x(), c.y() + r * 0.68));
    if (!small) {
        p.setPen(QPen(rgb(Colour::skyBlue), line * 0.7, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i) {
            const qreal y = c.y() + r * (0.34 + i * 0.11);
            p.drawLine(QPointF(c.x() - r * 0.66, y + r * 0.02), QPointF(c.x() - r * 0.12, y + r * 0.05));
            p.drawLine(QPointF(c.x() + r * 0.12, y + r * 0.05), QPointF(c.x() + r * 0.66, y + r * 0.02));
        }
    }
    p.restore();
}

QPainterPath polygonPath(std::initializer_list<QPointF> corners)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(corners)));
    path.closeSubpath();
    return path;
}

} // namespace Pictures

