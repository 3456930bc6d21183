// Draws every picture of the reader from the layout values and writes them
// into the source tree: drawpictures <source folder>.

#include "drawpictures/Background.h"
#include "drawpictures/CommonPictures.h"

#include "editions/EditionProfile.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

namespace {

bool write(const QImage &image, const QString &path, const char *format, int quality = -1)
{
    QImageWriter writer(path, format);
    if (quality >= 0)
        writer.setQuality(quality);
    if (!writer.write(image)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: drawpictures <source folder>\n");
        return 2;
    }
    const QDir source(QString::fromLocal8Bit(argv[1]));
    if (!source.exists(QStringLiteral("assets")) || !source.exists(QStringLiteral("editions"))) {
        std::fprintf(stderr, "%s holds no assets/ and editions/ folders\n", argv[1]);
        return 2;
    }

    bool ok = true;
    for (const EditionProfile &e : allEditions()) {
        source.mkpath("editions/" + e.name);
        ok &= write(Pictures::background(e), source.filePath("editions/" + e.name + "/background.jpg"), "jpeg", 90);
    }

    const QDir assets(source.filePath(QStringLiteral("assets")));
    ok &= write(Pictures::headerStrip(), assets.filePath("header.jpg"), "jpeg", 92);
    ok &= write(Pictures::topicMarker(), assets.filePath("marker.jpg"), "jpeg", 92);
    ok &= write(Pictures::searchPanel(), assets.filePath("searchpanel.jpg"), "jpeg", 92);
    ok &= write(Pictures::programIcon(), assets.filePath("icon.png"), "png");
    for (const Pictures::Glyph &g : Pictures::buttonGlyphs())
        ok &= write(g.image, assets.filePath(g.file), "bmp");
    return ok ? 0 : 1;
}
