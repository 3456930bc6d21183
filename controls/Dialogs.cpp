#include "controls/Dialogs.h"

#include <QFontDialog>
#include <QPushButton>

namespace Dialogs {
namespace {

BoxHandler &boxHandler()
{
    static BoxHandler handler;
    return handler;
}

FontHandler &fontHandler()
{
    static FontHandler handler;
    return handler;
}

QMessageBox::StandardButton realBox(QWidget *parent, const Box &box)
{
    QMessageBox message(box.icon, box.title, box.text, box.buttons, parent);
    message.setObjectName(QStringLiteral("messageBox"));
    if (box.defaultButton != QMessageBox::NoButton)
        message.setDefaultButton(box.defaultButton);
    // The texts of the boxes are English: keep them left to right in the mirrored window.
    message.setLayoutDirection(Qt::LeftToRight);
    return QMessageBox::StandardButton(message.exec());
}

} // namespace

QMessageBox::StandardButton show(QWidget *parent, const Box &box)
{
    if (boxHandler())
        return boxHandler()(parent, box);
    return realBox(parent, box);
}

std::optional<QFont> chooseFont(QWidget *parent, const QFont &initial)
{
    if (fontHandler())
        return fontHandler()(parent, initial);
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, parent, QString(),
                                            QFontDialog::DontUseNativeDialog);
    return ok ? std::optional<QFont>(font) : std::nullopt;
}

void setBoxHandler(BoxHandler handler) { boxHandler() = std::move(handler); }
void setFontHandler(FontHandler handler) { fontHandler() = std::move(handler); }

QString errorText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void showError(QWidget *parent, const QString &message)
{
    show(parent, {QMessageBox::Critical, applicationTitle(), errorText(message), QMessageBox::Ok,
                  QMessageBox::Ok});
}

bool confirmDelete(QWidget *parent)
{
    return show(parent, {QMessageBox::Question, QStringLiteral("Confirm"), QStringLiteral("Delete record?"),
                         QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel})
        == QMessageBox::Ok;
}

} // namespace Dialogs
