#pragma once

#include <initializer_list>

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QGradient>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

// Drawing helpers shared by every picture: colours, shaped Persian text,
// the backdrop, frames and the publisher's emblem.
namespace Pictures {

inline QColor rgb(unsigned value, int alpha = 255)
{
    QColor c = QColor::fromRgb(QRgb(value));
    c.setAlpha(alpha);
    return c;
}

namespace Colour {
constexpr unsigned window = 0xD9F1D1;     // memos and box interiors
constexpr unsigned panel = 0xECF8EC;      // edit boxes
constexpr unsigned paper = 0xF5FBF2;
constexpr unsigned darkGreen = 0x004000;
constexpr unsigned green = 0x2E7D32;
constexpr unsigned frameGreen = 0x5E9E52;
constexpr unsigned paleFrame = 0x9CC792;
constexpr unsigned maroon = 0x800000;
constexpr unsigned softMaroon = 0xA0443A;
constexpr unsigned blue = 0x2458B3;
constexpr unsigned deepBlue = 0x15397A;
constexpr unsigned skyBlue = 0x6FA3EC;
} // namespace Colour

QFont calligraphyFont(int pixelSize, bool bold = true);
QFont plainFont(int pixelSize);

// Outlines of a text shaped right to left, lines wrapped at wrapWidth (0: one
// line) and centred on one another. Winding fill, so joined letters stay solid.
QPainterPath shapedText(const QString &text, const QFont &font, qreal wrapWidth = 0);

struct TextLook {
    QBrush fill;
    QColor halo = Qt::transparent;
    qreal haloWidth = 0;
    QColor shadow = Qt::transparent;
    QPointF shadowOffset{1, 1};
};

// Draws the text with its ink centred in box; returns where the ink went.
QRectF drawText(QPainter &p, const QString &text, const QFont &font, const QRectF &box,
                const TextLook &look, qreal wrapWidth = 0);

QLinearGradient verticalGradient(const QRectF &r, const QColor &top, const QColor &bottom);

// A soft shadow under a shape, faked with a few widening translucent strokes.
void softShadow(QPainter &p, const QPainterPath &shape, QPointF offset, int strength);

void diamond(QPainter &p, QPointF centre, qreal halfWidth, qreal halfHeight, const QColor &colour);

// A horizontal rule with a diamond in its middle.
void ornamentRule(QPainter &p, QPointF from, QPointF to, const QColor &colour);

QPainterPath eightPointedStar(QPointF centre, qreal radius);

// A closed path through the given corners.
QPainterPath polygonPath(std::initializer_list<QPointF> corners);

// An open book seen from the front: spine at the top middle, pages curling up.
QPainterPath openBook(QPointF spine, qreal halfWidth, qreal height);

// A leaf from base pointing along angle (degrees, 0 = right, counter-clockwise).
void leaf(QPainter &p, QPointF base, qreal angle, qreal length, qreal width);

// Adds fine deterministic grain to the pixels of area; origin is where the
// image's top-left pixel lies in window coordinates, so that two pictures of
// the same spot of the window get the same grain.
void addGrain(QImage &image, const QPainterPath &area, QPoint origin, int amplitude, unsigned seed);

// The green ground of the window with its faint star lattice, for the part of
// the window that starts at origin.
void paintBackdrop(QImage &image, QPoint origin);

// The publisher's emblem: an eight-pointed star holding a dome over an open book.
void paintEmblem(QPainter &p, const QRectF &box, bool small);

} // namespace Pictures
