#include "Background.h"
#include "Illustrations.h"
#include "Painting.h"

#include "app/WebSite.h"
#include "app/WindowLayout.h"
#include "content/SlotTable.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cstdio>
#include <functional>

namespace Pictures {

namespace {

struct EditionArt {
    const char *edition;
    QString title;
    QString questionCaption;
    QString answerCaption;
    std::function<void(QPainter &, const QRectF &)> illustration;
};

const std::vector<EditionArt> &editionArt()
{
    static const std::vector<EditionArt> art{
        {"moshaver", QStringLiteral("پرسش و پاسخ های مشاوره"), QStringLiteral("پرسش"), QStringLiteral("پاسخ"), handWithApple},
        {"kalam", QStringLiteral("پرسش و پاسخ های کلام"), QStringLiteral("پرسش"), QStringLiteral("پاسخ"), nullptr},
        {"ahkam", QStringLiteral("پرسش و پاسخ احکام"), QStringLiteral("پرسش"), QStringLiteral("پاسخ"), nullptr},
        {"quran", QStringLiteral("پرسش و پاسخ های قرآن"), QStringLiteral("پرسش"), QStringLiteral("پاسخ"), childReading},
        {"revayat", QStringLiteral("آیات و روایات ماه مبارک رمضان"), QStringLiteral("آیه / روایت"), QStringLiteral("ترجمه"), plantFromBook},
    };
    return art;
}

const EditionArt &artFor(const EditionProfile &e)
{
    for (const EditionArt &a : editionArt())
        if (e.name == QLatin1String(a.edition))
            return a;
    throw std::out_of_range("no artwork for edition " + e.name.toStdString());
}

QRectF around(const QRect &r, qreal margin)
{
    return QRectF(r).adjusted(-margin, -margin, margin, margin);
}

// Where the page, its boxes and the right-hand column go, worked out from the
// places of the controls they frame.
struct Geometry {
    QRectF page, titleField, titleTab;
    QRectF questionBox, answerBox, footnoteBox, toolsBox;
    qreal tabLeft, tabRight;
    QRectF emblem, titleArt, column, searchBox, searchHeading, filterWell, gridFrame, address;
    std::vector<QRectF> linkFrames;
    QRectF freeSpace;
    QRectF buttonRow;
    std::vector<qreal> buttonGaps;
    QRectF searchButtons;
    qreal searchButtonGap;
};

Geometry geometryFor(const EditionProfile &e)
{
    const auto controls = Layout::windowControls(e);
    auto rect = [&](const char *name) { return QRectF(Layout::control(controls, name).rect); };
    Geometry g;

    constexpr qreal boxMargin = 4;
    const qreal boxLeft = QRectF(Layout::answerMemo).left() - boxMargin;
    const qreal boxRight = QRectF(Layout::questionMemo).right() + boxMargin;
    auto box = [&](QRect memo) {
        QRectF r = around(memo, boxMargin);
        r.setLeft(boxLeft);
        r.setRight(boxRight);
        return r;
    };
    g.questionBox = box(Layout::questionMemo);
    g.answerBox = box(Layout::answerMemo);
    g.footnoteBox = box(Layout::footnoteMemo);

    QRectF buttons;
    for (const char *name : {"SpeedButton7", "SpeedButton4", "SpeedButton3", "SpeedButton1", "SpeedButton2"}) {
        const QRectF b = rect(name);
        if (!buttons.isNull())
            g.buttonGaps.push_back((buttons.right() + b.left()) / 2);
        buttons = buttons.isNull() ? b : buttons.united(b);
    }
    g.buttonRow = buttons;
    g.toolsBox = box(buttons.toRect());

    g.tabLeft = boxRight + 3;
    g.tabRight = g.tabLeft + 38;

    const QRectF title = QRectF(Layout::titleText(e));
    const QRectF label2 = rect("Label2");
    const qreal titleTop = qMin(title.top(), label2.top()) - 5;
    g.titleTab = QRectF(QPointF(label2.left() - 4, titleTop), QPointF(g.tabRight, g.questionBox.top() - 4));
    g.titleField = QRectF(QPointF(boxLeft, titleTop), QPointF(g.titleTab.left() - 3, g.titleTab.bottom()));

    g.page = QRectF(QPointF(boxLeft - 14, titleTop - 10), QPointF(g.tabRight + 10, g.toolsBox.bottom() + 8));

    // The emblem keeps clear of the page below it, inside the logo hotspot.
    g.emblem = rect("Shape4");
    g.emblem.setBottom(qMin(g.emblem.bottom(), g.page.top() - 3));

    QRectF search;
    for (const char *name : {"Edit1", "SpeedButton5", "Label8", "Label9", "SpeedButton6", "SpeedButton8"})
        search = search.isNull() ? rect(name) : search.united(rect(name));
    const QRectF grid = QRectF(Layout::titleGrid(e));
    g.searchHeading = QRectF(search.left() - 4, search.top() - 34, search.width() + 8, 28);
    g.searchBox = QRectF(QPointF(g.searchHeading.left(), g.searchHeading.top()),
                         QPointF(g.searchHeading.right(), grid.bottom() + 6));
    g.filterWell = around(Layout::control(controls, "Edit1").rect, 3);
    g.gridFrame = around(Layout::titleGrid(e), 2);
    g.searchButtons = rect("SpeedButton8").united(rect("SpeedButton6"));
    g.searchButtonGap = (rect("SpeedButton8").right() + rect("SpeedButton6").left()) / 2;

    g.column = QRectF(QPointF(g.searchBox.left() - 4, 52), QPointF(g.searchBox.right() + 4, g.searchBox.bottom() + 4));
    g.titleArt = QRectF(QPointF(rect("Shape4").right() + 10, 8), QPointF(g.column.left() - 8, g.page.top() - 6));

    for (const TopicLink &link : e.links) {
        const QRectF frame = QRectF(Layout::linkMarker(slotInfo(link.slot).markerTop));
        // The marker picture covers the frame of the selected link, caption and all.
        if (!frame.contains(QRectF(link.rect)))
            std::fprintf(stderr, "%s: %s sticks out of its frame\n", qPrintable(e.name), link.name);
        g.linkFrames.push_back(frame);
    }
    const qreal freeTop = g.linkFrames.back().bottom() + 8;
    g.freeSpace = QRectF(QPointF(g.column.left() + 8, freeTop), QPointF(g.column.right() - 8, g.searchBox.top() - 8));

    g.address = rect("Shape1");
    return g;
}

QPainterPath rounded(const QRectF &r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// A box whose interior matches the memo painted over it.
void memoBox(QPainter &p, const QRectF &r)
{
    const QPainterPath shape = rounded(r.adjusted(0.5, 0.5, -0.5, -0.5), 7);
    p.strokePath(shape.translated(0.8, 0.8), QPen(QColor(255, 255, 255, 200), 1.6));
    p.fillPath(shape, rgb(Colour::window));
    p.strokePath(shape, QPen(rgb(Colour::frameGreen), 1.4));
}

void captionTab(QPainter &p, const QRectF &r, const QString &caption)
{
    const QPainterPath shape = rounded(r.adjusted(0.5, 0.5, -0.5, -0.5), 7);
    softShadow(p, shape, {1, 1.5}, 40);
    p.fillPath(shape, verticalGradient(r, rgb(0xEEF9EA), rgb(0xCDEAC3)));
    p.strokePath(shape, QPen(rgb(Colour::frameGreen), 1.2));
    p.strokePath(rounded(r.adjusted(2.5, 2.5, -2.5, -2.5), 5), QPen(QColor(255, 255, 255, 150), 1));
    if (!caption.isEmpty()) {
        TextLook look{rgb(Colour::darkGreen), QColor(255, 255, 255, 170), 2.5};
        drawText(p, caption, calligraphyFont(15), r.adjusted(2, 3, -2, -3), look, r.width() - 4);
    }
}

void spiralBinding(QPainter &p, const QRectF &page)
{
    const qreal holeX = page.right() - 6;
    for (qreal y = page.top() + 16; y < page.bottom() - 8; y += 19) {
        p.setPen(Qt::NoPen);
        p.setBrush(rgb(0x6E8A68));
        p.drawEllipse(QPointF(holeX, y), 2.6, 2.6);
        QPainterPath coil;
        coil.moveTo(holeX, y);
        coil.cubicTo(holeX + 4, y - 8, holeX + 16, y - 9, holeX + 18, y - 2);
        coil.cubicTo(holeX + 19, y + 2, holeX + 16, y + 5, holeX + 12, y + 5);
        p.strokePath(coil.translated(0.8, 1.2), QPen(QColor(0, 40, 0, 60), 3.2, Qt::SolidLine, Qt::RoundCap));
        p.strokePath(coil, QPen(rgb(0x56615A), 3, Qt::SolidLine, Qt::RoundCap));
        p.strokePath(coil, QPen(rgb(0xC9D3CC), 1.1, Qt::SolidLine, Qt::RoundCap));
    }
}

void paintPage(QImage &image, const Geometry &g, const EditionArt &art)
{
    const QPainterPath page = rounded(g.page, 8);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        softShadow(p, page, {3, 4}, 70);
        p.fillPath(page, verticalGradient(g.page, rgb(0xF8FCF6), rgb(0xEEF8EA)));
    }
    addGrain(image, page, {0, 0}, 2, 11);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.strokePath(page, QPen(rgb(Colour::paleFrame), 1.2));
    // A faint margin line down the page, as on ruled paper.
    p.setPen(QPen(rgb(0xD77F7A, 110), 1));
    p.drawLine(QPointF(g.page.left() + 8, g.page.top() + 6), QPointF(g.page.left() + 8, g.page.bottom() - 6));

    const QPainterPath field = rounded(g.titleField.adjusted(0.5, 0.5, -0.5, -0.5), 7);
    softShadow(p, field, {1, 1.5}, 40);
    p.fillPath(field, verticalGradient(g.titleField, rgb(0xFBFEF9), rgb(Colour::panel)));
    p.strokePath(field, QPen(rgb(Colour::frameGreen), 1.4));
    const qreal midY = g.titleField.center().y();
    ornamentRule(p, QPointF(g.titleField.left() + 16, midY), QPointF(g.titleField.left() + 230, midY),
                 rgb(Colour::paleFrame));
    captionTab(p, g.titleTab, QString());

    struct Row { QRectF box; QString caption; };
    const Row rows[] = {
        {g.questionBox, art.questionCaption},
        {g.answerBox, art.answerCaption},
        {g.footnoteBox, QStringLiteral("منابع")},
        {g.toolsBox, QStringLiteral("ابزار")},
    };
    for (const Row &row : rows) {
        memoBox(p, row.box);
        captionTab(p, QRectF(QPointF(g.tabLeft, row.box.top()), QPointF(g.tabRight, row.box.bottom())), row.caption);
    }

    p.setPen(QPen(rgb(Colour::paleFrame), 1));
    for (qreal x : g.buttonGaps)
        p.drawLine(QPointF(x, g.buttonRow.top() + 4), QPointF(x, g.buttonRow.bottom() - 4));

    spiralBinding(p, g.page);
}

QPainterPath cartouche(const QRectF &r)
{
    const qreal l = r.left(), t = r.top(), rt = r.right(), b = r.bottom(), m = r.center().y();
    const qreal bend = qMin<qreal>(46, r.width() / 8);
    QPainterPath path;
    path.moveTo(l, m);
    path.cubicTo(l + bend * 0.3, t + r.height() * 0.1, l + bend * 0.55, t, l + bend, t);
    path.lineTo(rt - bend, t);
    path.cubicTo(rt - bend * 0.55, t, rt - bend * 0.3, t + r.height() * 0.1, rt, m);
    path.cubicTo(rt - bend * 0.3, b - r.height() * 0.1, rt - bend * 0.55, b, rt - bend, b);
    path.lineTo(l + bend, b);
    path.cubicTo(l + bend * 0.55, b, l + bend * 0.3, b - r.height() * 0.1, l, m);
    path.closeSubpath();
    return path;
}

void paintTitleArtwork(QPainter &p, const QRectF &area, const QString &title)
{
    const QRectF outer = area.adjusted(0, 4, 0, -4);
    const QPainterPath shape = cartouche(outer);
    softShadow(p, shape, {2, 3}, 60);
    p.fillPath(shape, verticalGradient(outer, rgb(0xFAFDF8), rgb(0xDDF2D5)));
    p.strokePath(shape, QPen(rgb(Colour::green), 2));
    p.strokePath(cartouche(outer.adjusted(6, 5, -6, -5)), QPen(rgb(Colour::softMaroon, 150), 1));

    const qreal m = outer.center().y();
    for (qreal x : {outer.left() + 26, outer.right() - 26}) {
        diamond(p, QPointF(x, m), 8, 6, rgb(Colour::maroon));
        diamond(p, QPointF(x, m), 3.5, 2.5, rgb(0xF2D9A0));
        diamond(p, QPointF(x + (x < m ? 1 : -1) * 0, m - 11), 2, 2, rgb(Colour::softMaroon));
        diamond(p, QPointF(x, m + 11), 2, 2, rgb(Colour::softMaroon));
    }

    const QRectF textBox = outer.adjusted(42, 8, -42, -8);
    int size = 40;
    QFont font = calligraphyFont(size);
    while (size > 20 && shapedText(title, font).boundingRect().width() > textBox.width() - 10)
        font = calligraphyFont(--size);
    QLinearGradient ink(textBox.topLeft(), textBox.bottomLeft());
    ink.setColorAt(0, rgb(0x1E7A2E));
    ink.setColorAt(1, rgb(Colour::darkGreen));
    drawText(p, title, font, textBox, TextLook{ink, QColor(255, 255, 255, 230), 5, rgb(Colour::darkGreen, 60), {2, 2}});
}

void paintColumn(QPainter &p, const Geometry &g, const EditionArt &art)
{
    const QPainterPath column = rounded(g.column, 10);
    p.fillPath(column, QColor(255, 255, 255, 70));
    p.strokePath(column, QPen(rgb(Colour::paleFrame), 1));

    const QRectF first = g.linkFrames.front();
    const QRectF heading(first.left() - 10, g.column.top() + 4, first.width() + 20, first.top() - g.column.top() - 16);
    drawText(p, QStringLiteral("عنوان های اصلی"), calligraphyFont(25), heading,
             TextLook{rgb(Colour::darkGreen), QColor(255, 255, 255, 200), 4, rgb(Colour::darkGreen, 50)});
    ornamentRule(p, QPointF(first.left() + 6, first.top() - 6), QPointF(first.right() - 6, first.top() - 6),
                 rgb(Colour::maroon));

    for (const QRectF &f : g.linkFrames) {
        const QPainterPath frame = rounded(f.adjusted(0.5, 0.5, -0.5, -0.5), 3);
        p.fillPath(frame, verticalGradient(f, rgb(0xF7FCF5), rgb(0xE6F5E1)));
        p.strokePath(frame, QPen(rgb(Colour::paleFrame), 1));
        for (qreal x : {f.left() + 7, f.right() - 7})
            diamond(p, QPointF(x, f.center().y()), 3, 3, rgb(Colour::softMaroon, 120));
    }

    if (art.illustration)
        art.illustration(p, g.freeSpace);
}

void magnifier(QPainter &p, QPointF lens, qreal r, const QColor &rim)
{
    p.setPen(QPen(rgb(Colour::maroon), r * 0.45, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(lens + QPointF(r * 0.7, r * 0.7), lens + QPointF(r * 1.7, r * 1.7));
    QRadialGradient glass(lens - QPointF(r * 0.3, r * 0.3), r);
    glass.setColorAt(0, Qt::white);
    glass.setColorAt(1, rgb(0xCFE6F5));
    p.setPen(QPen(rim, r * 0.28));
    p.setBrush(glass);
    p.drawEllipse(lens, r, r);
}

void paintSearchBox(QPainter &p, const Geometry &g)
{
    const QPainterPath shape = rounded(g.searchBox.adjusted(0.5, 0.5, -0.5, -0.5), 8);
    softShadow(p, shape, {1.5, 2}, 50);
    p.fillPath(shape, verticalGradient(g.searchBox, rgb(0xE6F6E1), rgb(0xDDF2D6)));

    QPainterPath band;
    band.addRoundedRect(g.searchHeading.adjusted(0.5, 0.5, -0.5, 0), 8, 8);
    band = band.intersected(shape);
    p.fillPath(band, verticalGradient(g.searchHeading, rgb(0xD3EDCA), rgb(0xB9E0AD)));
    p.setPen(QPen(rgb(Colour::frameGreen), 1));
    p.drawLine(QPointF(g.searchBox.left() + 1, g.searchHeading.bottom()), QPointF(g.searchBox.right() - 1, g.searchHeading.bottom()));
    drawText(p, QStringLiteral("جستجوی موضوعی"), calligraphyFont(20), g.searchHeading.adjusted(0, 2, 0, -2),
             TextLook{rgb(Colour::darkGreen), QColor(255, 255, 255, 170), 3});
    p.strokePath(shape, QPen(rgb(Colour::frameGreen), 1.4));

    const QPainterPath well = rounded(g.filterWell.adjusted(0.5, 0.5, -0.5, -0.5), 4);
    p.fillPath(well, rgb(Colour::panel));
    p.strokePath(well, QPen(rgb(Colour::frameGreen), 1.2));
    p.setPen(QPen(QColor(0, 60, 0, 40), 1));
    p.drawLine(QPointF(g.filterWell.left() + 3, g.filterWell.top() + 2), QPointF(g.filterWell.right() - 3, g.filterWell.top() + 2));
    magnifier(p, QPointF(g.filterWell.right() + 14, g.filterWell.center().y() - 3), 6, rgb(Colour::green));

    p.setPen(QPen(rgb(Colour::paleFrame), 1));
    const qreal rule = g.searchButtons.top() - 2;
    p.drawLine(QPointF(g.searchBox.left() + 10, rule), QPointF(g.searchBox.right() - 10, rule));
    p.drawLine(QPointF(g.searchButtonGap, g.searchButtons.top() + 5), QPointF(g.searchButtonGap, g.searchButtons.bottom() - 9));

    const QPainterPath grid = rounded(g.gridFrame.adjusted(0.5, 0.5, -0.5, -0.5), 2);
    p.fillPath(grid, Qt::white);
    p.strokePath(grid, QPen(rgb(Colour::frameGreen), 1.2));
}

void paintAddress(QPainter &p, const QRectF &hotspot)
{
    const QRectF plaque = hotspot.adjusted(1, 2, -1, -2);
    const QPainterPath shape = rounded(plaque.adjusted(0.5, 0.5, -0.5, -0.5), 9);
    softShadow(p, shape, {1, 1.5}, 40);
    p.fillPath(shape, verticalGradient(plaque, rgb(0xF6FCF3), rgb(0xD8F0D0)));
    p.strokePath(shape, QPen(rgb(Colour::frameGreen), 1.1));

    const QPointF globe(plaque.left() + 12, plaque.center().y());
    p.setPen(QPen(rgb(Colour::blue), 1.1));
    p.setBrush(rgb(0xDCE9FB));
    p.drawEllipse(globe, 6.5, 6.5);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(globe, 2.8, 6.5);
    p.drawLine(globe - QPointF(6.5, 0), globe + QPointF(6.5, 0));

    const QRectF text = plaque.adjusted(21, 0, -5, 0);
    QFont font = plainFont(13);
    font.setBold(true);
    while (font.pixelSize() > 9 && QFontMetricsF(font).horizontalAdvance(publisherSiteCaption) > text.width())
        font.setPixelSize(font.pixelSize() - 1);
    p.setFont(font);
    p.setPen(rgb(Colour::darkGreen));
    p.drawText(text, Qt::AlignCenter, publisherSiteCaption);
}

} // namespace

QImage background(const EditionProfile &e)
{
    const Geometry g = geometryFor(e);
    const EditionArt &art = artFor(e);

    QImage image(Layout::windowWidth, Layout::windowHeight, QImage::Format_RGB32);
    paintBackdrop(image, {0, 0});
    paintPage(image, g, art);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintEmblem(p, g.emblem, false);
    paintTitleArtwork(p, g.titleArt, art.title);
    paintColumn(p, g, art);
    paintSearchBox(p, g);
    paintAddress(p, g.address);
    return image;
}

} // namespace Pictures
