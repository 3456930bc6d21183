#include "controls/EditBox.h"

#include <QFocusEvent>

EditBox::EditBox(QWidget *parent) : QLineEdit(parent)
{
}

void EditBox::focusInEvent(QFocusEvent *event)
{
    // QLineEdit selects on Tab and shortcuts itself, but not on activation.
    QLineEdit::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::OtherFocusReason)
        selectAll();
}
