#include "app/Startup.h"
#include "app/Tmain.h"
#include "editions/EditionProfile.h"

#include <QApplication>

int main(int argc, char **argv)
{
    Q_UNUSED(argc);
    // The program reads no command line: Qt is not shown the arguments either.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    prepareApplication();
    Tmain window(edition(QStringLiteral(OSTRAVEL_EDITION)));
    showCentred(&window);
    return app.exec();
}
