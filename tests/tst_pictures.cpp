// The committed pictures as the window loads them: from the resources, at the
// sizes the layout places them, with the transparency the controls rely on.

#include "app/WindowLayout.h"
#include "editions/EditionProfile.h"

#include <QImage>
#include <QtTest>

namespace {

const std::vector<ControlItem> &kalamControls()
{
    static const auto controls = Layout::windowControls(edition(QStringLiteral("kalam")));
    return controls;
}

QSize controlSize(const char *name)
{
    return Layout::control(kalamControls(), name).rect.size();
}

int colourDistance(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
}

} // namespace

class PicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void loadsAtLayoutSize_data();
    void loadsAtLayoutSize();
    void iconIsTransparentAroundTheEmblem();
    void glyphBackgroundIsTheTransparentColour_data();
    void glyphBackgroundIsTheTransparentColour();
};

void PicturesTest::loadsAtLayoutSize_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("size");

    for (const EditionProfile &e : allEditions())
        QTest::newRow(qPrintable("background " + e.name))
            << e.backgroundResource << QSize(Layout::windowWidth, Layout::windowHeight);
    // The strip is taller than its control in most editions; revayat shows it all.
    QTest::newRow("header strip") << Layout::headerStrip << QSize(controlSize("Image4").width(), 47);
    QTest::newRow("topic marker") << Layout::topicMarker << controlSize("Image2");
    QTest::newRow("search panel") << Layout::searchPanel << controlSize("Panel1");
    QTest::newRow("icon") << Layout::programIcon << QSize(48, 48);
}

void PicturesTest::loadsAtLayoutSize()
{
    QFETCH(QString, resource);
    QFETCH(QSize, size);
    const QImage image(resource);
    QVERIFY2(!image.isNull(), qPrintable(resource + " does not load"));
    QCOMPARE(image.size(), size);
}

void PicturesTest::iconIsTransparentAroundTheEmblem()
{
    const QImage icon(Layout::programIcon);
    QVERIFY(icon.hasAlphaChannel());
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(icon.pixel(icon.width() / 2, icon.height() / 2)), 255);
}

void PicturesTest::glyphBackgroundIsTheTransparentColour_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<int>("side");

    const struct { const char *button; int side; } glyphs[] = {
        {"SpeedButton1", 16}, {"SpeedButton2", 16}, {"SpeedButton3", 16},
        {"SpeedButton4", 16}, {"SpeedButton7", 16}, {"SpeedButton8", 24},
    };
    for (const auto &g : glyphs)
        QTest::newRow(g.button) << Layout::control(kalamControls(), g.button).picture << g.side;
}

// A flat button cuts out every pixel of its glyph's bottom-left colour: the
// corners must be that colour, the drawing must not, and no edge pixel may be
// a near miss, which would show as a coloured fringe.
void PicturesTest::glyphBackgroundIsTheTransparentColour()
{
    QFETCH(QString, resource);
    QFETCH(int, side);
    const QImage glyph(resource);
    QVERIFY2(!glyph.isNull(), qPrintable(resource + " does not load"));
    QCOMPARE(glyph.size(), QSize(side, side));

    const QRgb key = glyph.pixel(0, side - 1);
    QCOMPARE(glyph.pixel(0, 0), key);
    QCOMPARE(glyph.pixel(side - 1, 0), key);
    QCOMPARE(glyph.pixel(side - 1, side - 1), key);

    int drawn = 0;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const int d = colourDistance(glyph.pixel(x, y), key);
            QVERIFY2(d == 0 || d > 120, qPrintable(QStringLiteral("fringe pixel at %1,%2").arg(x).arg(y)));
            drawn += d > 0;
        }
    QVERIFY2(drawn > side * side / 3, "the drawing itself is cut out");
}

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
