#pragma once

#include <QFont>
#include <QMessageBox>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

// Every message box and modal dialog of the program is shown through here, so
// that tests can record and answer them instead of a person.
namespace Dialogs {

struct Box {
    QMessageBox::Icon icon;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

using BoxHandler = std::function<QMessageBox::StandardButton(QWidget *parent, const Box &box)>;
using FontHandler = std::function<std::optional<QFont>(QWidget *parent, const QFont &initial)>;

QMessageBox::StandardButton show(QWidget *parent, const Box &box);
// Runs the modal font dialog; nothing when the user cancels.
std::optional<QFont> chooseFont(QWidget *parent, const QFont &initial);

// Test hooks: an empty handler brings back the real dialogs.
void setBoxHandler(BoxHandler handler);
void setFontHandler(FontHandler handler);

// The task-bar text of every edition and the caption of its error box.
inline QString applicationTitle() { return QStringLiteral("Ostravel"); }

// The application's default error box: the message under the application
// title, error icon, one OK button.
void showError(QWidget *parent, const QString &message);
// A period is added when the last character sorts after '.'.
QString errorText(const QString &message);

// "Delete record?" with OK and Cancel; true for OK.
bool confirmDelete(QWidget *parent);

// Runs an event handler; an error it raises ends it and is shown in the error box.
template <typename F>
bool guarded(QWidget *parent, F &&handler)
{
    try {
        handler();
        return true;
    } catch (const std::exception &e) {
        showError(parent, QString::fromUtf8(e.what()));
        return false;
    }
}

} // namespace Dialogs
