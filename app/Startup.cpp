#include "app/Startup.h"
#include "app/WindowLayout.h"
#include "controls/Dialogs.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QScreen>
#include <QWidget>

void prepareApplication()
{
    // The layout names Windows fonts; these installed faces carry Persian.
    QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                               {QStringLiteral("Noto Sans Arabic"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("B Badr"),
                               {QStringLiteral("Noto Naskh Arabic"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));

    QApplication::setApplicationDisplayName(Dialogs::applicationTitle());
    QApplication::setWindowIcon(QIcon(Layout::programIcon));
    QApplication::setLayoutDirection(Qt::RightToLeft);
}

void showCentred(QWidget *window)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
    window->show();
    window->activateWindow();
}
