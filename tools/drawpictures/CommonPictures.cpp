#include "CommonPictures.h"
#include "Painting.h"

#include "app/WindowLayout.h"

#include <QPainter>
#include <functional>

namespace Pictures {

namespace {

constexpr int headerPictureHeight = 47;

const std::vector<ControlItem> &controls()
{
    static const auto all = Layout::windowControls(allEditions().front());
    return all;
}

QRectF controlRect(const char *name)
{
    return QRectF(Layout::control(controls(), name).rect);
}

QPainterPath rounded(const QRectF &r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

void greenButton(QPainter &p, QPointF c, qreal r)
{
    QRadialGradient face(c - QPointF(r * 0.35, r * 0.45), r * 1.4);
    face.setColorAt(0, rgb(0xA6E596));
    face.setColorAt(0.5, rgb(0x43A047));
    face.setColorAt(1, rgb(0x1E6B26));
    p.setPen(QPen(rgb(0x1B5E20), qMax<qreal>(0.8, r * 0.1)));
    p.setBrush(face);
    p.drawEllipse(c, r, r);
}

QPainterPath triangle(QPointF tip, QPointF a, QPointF b)
{
    const QPainterPath t = polygonPath({{tip}, {a}, {b}});
    return t;
}

} // namespace

QImage headerStrip()
{
    const QRectF strip = controlRect("Image4");
    const QPointF origin = strip.topLeft();
    QImage image(int(strip.width()), headerPictureHeight, QImage::Format_RGB32);
    // The same ground as the background beneath: in revayat the strip shows all
    // its rows and the window continues seamlessly below it.
    paintBackdrop(image, origin.toPoint());

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(-origin);

    // The tab hangs from the top edge; its lower edge stays above row 41, where
    // most editions cut the strip, and only a faint shadow falls below it.
    const qreal tabBottom = strip.top() + 37.5;
    const QRectF tab(QPointF(strip.left() + 3.5, strip.top() - 12), QPointF(strip.right() + 12, tabBottom));
    const QPainterPath shape = rounded(tab, 12);
    softShadow(p, shape, {0, 1.5}, 55);
    p.fillPath(shape, verticalGradient(tab, rgb(0xFFFFFF), rgb(0xDDF2D6)));
    p.strokePath(shape, QPen(rgb(Colour::frameGreen), 1.2));
    p.strokePath(rounded(tab.adjusted(3, 3, -3, -3), 9), QPen(QColor(255, 255, 255, 180), 1));

    const QRectF minimise = controlRect("Shape3");
    const QRectF close = controlRect("Shape2");
    diamond(p, QPointF(strip.left() + 30, minimise.center().y()), 5, 4, rgb(Colour::softMaroon));
    ornamentRule(p, QPointF(strip.left() + 12, minimise.center().y()), QPointF(strip.left() + 48, minimise.center().y()),
                 rgb(Colour::softMaroon, 160));

    const qreal r = minimise.width() / 2 - 0.3;
    greenButton(p, minimise.center(), r);
    p.fillRect(QRectF(minimise.center().x() - r * 0.55, minimise.center().y() - r * 0.15, r * 1.1, r * 0.3), Qt::white);

    greenButton(p, close.center(), close.width() / 2 - 0.3);
    const QPointF c = close.center();
    const QPainterPath house = polygonPath({{c.x(), c.y() - 5}, {c.x() + 5, c.y() - 0.5},
        {c.x() + 3.4, c.y() - 0.5}, {c.x() + 3.4, c.y() + 4.2}, {c.x() - 3.4, c.y() + 4.2},
        {c.x() - 3.4, c.y() - 0.5}, {c.x() - 5, c.y() - 0.5}});
    p.fillPath(house, Qt::white);
    p.fillRect(QRectF(c.x() - 1, c.y() + 1.2, 2, 3), rgb(0x2E7D32));
    return image;
}

QImage topicMarker()
{
    const QRectF marker = QRectF(Layout::linkMarker(0));
    QImage image(marker.size().toSize(), QImage::Format_RGB32);
    image.fill(rgb(0xE4F4DF));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0, 0, marker.width(), marker.height());
    const QPainterPath bar = rounded(r.adjusted(0.75, 0.75, -0.75, -0.75), 3);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, rgb(0xEEFAEA));
    fill.setColorAt(0.5, rgb(0xD2EFC8));
    fill.setColorAt(1, rgb(0xB9E3AC));
    p.fillPath(bar, fill);
    p.strokePath(bar, QPen(rgb(0x3C8C3C), 1.5));
    p.strokePath(rounded(r.adjusted(2.5, 2.5, -2.5, -2.5), 2), QPen(QColor(255, 255, 255, 160), 1));
    for (qreal x : {r.left() + 7, r.right() - 7}) {
        diamond(p, QPointF(x, r.center().y()), 3.5, 4.5, rgb(Colour::maroon));
        diamond(p, QPointF(x, r.center().y()), 1.2, 1.6, rgb(0xF2D9A0));
    }
    return image;
}

namespace {

void bird(QPainter &p, QPointF at)
{
    p.save();
    p.translate(at);
    QPainterPath twig;
    twig.moveTo(-2, 24);
    twig.cubicTo(10, 21, 22, 22, 36, 18);
    p.strokePath(twig, QPen(rgb(0x6B4423), 2, Qt::SolidLine, Qt::RoundCap));
    leaf(p, QPointF(28, 19.5), 60, 9, 3.2);
    leaf(p, QPointF(5, 23), 120, 8, 3);

    const QPainterPath tail = polygonPath({{8, 14}, {0, 21}, {3, 22}, {11, 17}});
    p.fillPath(tail, rgb(0x6E3B24));
    QPainterPath body;
    body.moveTo(8, 16);
    body.cubicTo(8, 9, 14, 7, 20, 8);
    body.cubicTo(24, 6, 28, 7, 28, 11);
    body.cubicTo(28, 18, 21, 21, 14, 20);
    body.cubicTo(11, 20, 9, 19, 8, 16);
    body.closeSubpath();
    QLinearGradient plumage(QPointF(0, 7), QPointF(0, 21));
    plumage.setColorAt(0, rgb(0xA0583A));
    plumage.setColorAt(0.55, rgb(0xC98A5E));
    plumage.setColorAt(1, rgb(0xF2DDBB));
    p.fillPath(body, plumage);
    p.strokePath(body, QPen(rgb(0x5A2E1A), 0.7));
    QPainterPath wing;
    wing.moveTo(11, 14);
    wing.cubicTo(14, 10, 19, 10, 22, 13);
    wing.cubicTo(19, 16, 14, 17, 11, 14);
    p.fillPath(wing, rgb(0x7A3E26));
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(0x2A1208));
    p.drawEllipse(QPointF(24.6, 9.8), 1, 1);
    p.fillPath(triangle(QPointF(32, 11), QPointF(27.5, 9.4), QPointF(27.8, 12)), rgb(0xE0A030));
    p.setPen(QPen(rgb(0x5A2E1A), 0.8));
    p.drawLine(QPointF(17, 20), QPointF(16, 22.5));
    p.drawLine(QPointF(20, 20), QPointF(20, 22));
    p.restore();
}

} // namespace

QImage searchPanel()
{
    const QRectF panel(QPointF(0, 0), controlRect("Image3").size());
    QImage image(panel.size().toSize(), QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(panel, verticalGradient(panel, rgb(0xEEF9EB), rgb(0xD5EFCD)));
    const QPainterPath border = rounded(panel.adjusted(1, 1, -1, -1), 6);
    p.strokePath(border, QPen(rgb(0x2F6E2F), 2));
    p.strokePath(rounded(panel.adjusted(4.5, 4.5, -4.5, -4.5), 4), QPen(rgb(Colour::paleFrame), 1));
    for (QPointF corner : {QPointF(10, 10), QPointF(panel.right() - 10, 10), QPointF(10, panel.bottom() - 10),
                           QPointF(panel.right() - 10, panel.bottom() - 10)})
        diamond(p, corner, 3, 3, rgb(Colour::softMaroon, 140));

    const QRectF field = controlRect("ebarat");
    const QRectF group = controlRect("GroupBox1");
    const QRectF grid = QRectF(Layout::searchGrid);

    // Magnifying glass in the top left corner, the heading beside it.
    const QPointF lens(24, 24);
    p.setPen(QPen(rgb(Colour::maroon), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(lens + QPointF(8, 8), lens + QPointF(17, 17));
    p.setPen(QPen(rgb(0xD9A441), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(lens + QPointF(9.5, 9.5), lens + QPointF(11.5, 11.5));
    QRadialGradient glass(lens - QPointF(4, 4), 12);
    glass.setColorAt(0, Qt::white);
    glass.setColorAt(1, rgb(0xBFE0F2));
    p.setPen(QPen(rgb(Colour::green), 3));
    p.setBrush(glass);
    p.drawEllipse(lens, 11, 11);
    p.setPen(QPen(QColor(255, 255, 255, 220), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(lens.x() - 7, lens.y() - 7, 14, 14), 100 * 16, 70 * 16);

    const QRectF heading(QPointF(50, 8), QPointF(panel.right() - 8, field.top() - 12));
    drawText(p, QStringLiteral("جستجوی پیشرفته"), calligraphyFont(26), heading,
             TextLook{rgb(Colour::darkGreen), QColor(255, 255, 255, 220), 4, rgb(Colour::darkGreen, 60)});
    ornamentRule(p, QPointF(heading.left() + 10, field.top() - 9), QPointF(heading.right() - 4, field.top() - 9),
                 rgb(Colour::maroon));

    // The ornamented frame around the search-term box; the box itself has no border.
    const QRectF frame = field.adjusted(-5, -5, 5, 5);
    const QPainterPath outer = rounded(frame.adjusted(0.5, 0.5, -0.5, -0.5), 6);
    softShadow(p, outer, {1, 1.5}, 45);
    p.fillPath(outer, rgb(0xFBFEF9));
    p.strokePath(outer, QPen(rgb(Colour::green), 1.6));
    const QPainterPath inner = rounded(field.adjusted(-2, -2, 2, 2), 3);
    p.fillPath(inner, rgb(Colour::panel));
    p.strokePath(inner, QPen(rgb(Colour::softMaroon, 150), 0.8));
    for (int side : {-1, 1}) {
        const qreal x = side < 0 ? frame.left() : frame.right();
        const qreal y = frame.center().y();
        diamond(p, QPointF(x + side * 7, y), 6, 5, rgb(Colour::maroon));
        diamond(p, QPointF(x + side * 7, y), 2.2, 1.8, rgb(0xF2D9A0));
        diamond(p, QPointF(x + side * 15, y), 2.2, 2.2, rgb(Colour::softMaroon));
        diamond(p, QPointF(x + side * 2, frame.top() - 3), 1.8, 1.8, rgb(Colour::softMaroon));
        diamond(p, QPointF(x + side * 2, frame.bottom() + 3), 1.8, 1.8, rgb(Colour::softMaroon));
    }

    // Places of the group box and the result grid, which paint their own faces.
    const QPainterPath groupPlace = rounded(group.adjusted(-3, -3, 3, 3), 5);
    p.fillPath(groupPlace, rgb(Colour::window));
    p.strokePath(groupPlace, QPen(rgb(Colour::paleFrame), 1));
    const QPainterPath gridPlace = rounded(grid.adjusted(-2.5, -2.5, 2.5, 2.5), 3);
    p.fillPath(gridPlace, Qt::white);
    p.strokePath(gridPlace, QPen(rgb(Colour::frameGreen), 1.2));

    bird(p, QPointF(4, panel.bottom() - 42));
    return image;
}

QImage programIcon()
{
    QImage image(48, 48, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    paintEmblem(p, QRectF(0, 0, 48, 48), true);
    return image;
}

namespace {

// Glyph edges are blended toward the light green the buttons stand on, never
// toward the key colour, so no magenta fringe shows once the key is cut out.
QImage glyph(int size, const std::function<void(QPainter &)> &draw)
{
    QImage art(size, size, QImage::Format_ARGB32);
    art.fill(Qt::transparent);
    {
        QPainter p(&art);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p);
    }
    const QColor ground = rgb(Colour::window);
    QImage flat(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb px = art.pixel(x, y);
            const int a = qAlpha(px);
            if (a < 60) {
                flat.setPixel(x, y, glyphKey);
                continue;
            }
            auto mix = [a](int c, int g) { return (c * a + g * (255 - a) + 127) / 255; };
            flat.setPixel(x, y, qRgb(mix(qRed(px), ground.red()), mix(qGreen(px), ground.green()),
                                     mix(qBlue(px), ground.blue())));
        }
    }
    return flat;
}

void roundButton(QPainter &p, const std::function<void(QPainter &)> &sign)
{
    greenButton(p, QPointF(8, 8), 7.2);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    sign(p);
}

void gear(QPainter &p)
{
    const QPointF c(8, 8);
    QPainterPath wheel;
    wheel.setFillRule(Qt::WindingFill);
    wheel.addEllipse(c, 5.4, 5.4);
    for (int i = 0; i < 8; ++i) {
        QPainterPath tooth;
        tooth.addRoundedRect(QRectF(-1.5, -7.6, 3, 4), 0.6, 0.6);
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(i * 45);
        wheel.addPath(t.map(tooth));
    }
    wheel = wheel.simplified();
    QPainterPath hole;
    hole.addEllipse(c, 2.2, 2.2);
    wheel = wheel.subtracted(hole);
    QRadialGradient metal(c - QPointF(2, 2.5), 9);
    metal.setColorAt(0, rgb(0x9CC2F5));
    metal.setColorAt(0.55, rgb(0x3D72CC));
    metal.setColorAt(1, rgb(0x1A438F));
    p.fillPath(wheel, metal);
    p.strokePath(wheel, QPen(rgb(0x143677), 0.8));
}

void folderWithLens(QPainter &p)
{
    const QPainterPath back = polygonPath({{1.5, 5}, {8, 5}, {10, 7}, {19.5, 7}, {19.5, 19.5}, {1.5, 19.5}});
    p.fillPath(back, rgb(0x2E62B8));
    p.strokePath(back, QPen(rgb(0x1A3F80), 1));
    const QPainterPath front = polygonPath({{1.5, 19.5}, {5, 10.5}, {22.5, 10.5}, {19.5, 19.5}});
    p.fillPath(front, verticalGradient(front.boundingRect(), rgb(0x9CC4F7), rgb(0x4F86DA)));
    p.strokePath(front, QPen(rgb(0x1A3F80), 1));

    const QPointF lens(15.5, 15);
    p.setPen(QPen(rgb(0x6A1010), 2.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(lens + QPointF(3, 3), lens + QPointF(6.5, 6.5));
    p.setPen(QPen(rgb(0x1A2A4A), 1.5));
    p.setBrush(rgb(0xE6F4FB));
    p.drawEllipse(lens, 4, 4);
    p.setPen(QPen(Qt::white, 1, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(lens.x() - 2.5, lens.y() - 2.5, 5, 5), 100 * 16, 70 * 16);
}

} // namespace

std::vector<Glyph> buttonGlyphs()
{
    auto sign = [](std::function<void(QPainter &)> s) { return glyph(16, [s](QPainter &p) { roundButton(p, s); }); };
    return {
        {"previous.bmp", sign([](QPainter &p) {
             p.drawPath(triangle({4.3, 8}, {10.6, 4.4}, {10.6, 11.6}));
         })},
        {"next.bmp", sign([](QPainter &p) {
             p.drawPath(triangle({11.7, 8}, {5.4, 4.4}, {5.4, 11.6}));
         })},
        {"first.bmp", sign([](QPainter &p) {
             p.drawPath(triangle({9.6, 8}, {4.2, 4.6}, {4.2, 11.4}));
             p.drawRect(QRectF(10.2, 4.6, 1.9, 6.8));
         })},
        {"last.bmp", sign([](QPainter &p) {
             p.drawRect(QRectF(3.9, 4.6, 1.9, 6.8));
             p.drawPath(triangle({6.4, 8}, {11.8, 4.6}, {11.8, 11.4}));
         })},
        {"settings.bmp", glyph(16, gear)},
        {"advanced.bmp", glyph(24, folderWithLens)},
    };
}

} // namespace Pictures
