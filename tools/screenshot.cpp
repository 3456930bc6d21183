// screenshot EDITION OUT.png
// Renders the main window of an edition, on the database in the current
// folder, to a PNG file. Run it headless with QT_QPA_PLATFORM=offscreen.
// Error boxes are not shown; their texts go to standard error.
#include "app/Startup.h"
#include "app/Tmain.h"
#include "controls/Dialogs.h"
#include "editions/EditionProfile.h"

#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <stdexcept>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: screenshot EDITION OUT.png\n");
        return 2;
    }
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    prepareApplication();
    Dialogs::setBoxHandler([](QWidget *, const Dialogs::Box &box) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(box.title), qPrintable(box.text));
        return QMessageBox::Ok;
    });

    const EditionProfile *profile = nullptr;
    try {
        profile = &edition(QString::fromLocal8Bit(argv[1]));
    } catch (const std::out_of_range &e) {
        std::fprintf(stderr, "screenshot: %s\n", e.what());
        return 2;
    }
    Tmain window(*profile);
    showCentred(&window);
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    if (!window.grab().save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "screenshot: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
