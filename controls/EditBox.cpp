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
    const bool returning = reason == Qt::ActiveWindowFocusReason && m_leftWithItsWindow;
    m_leftWithItsWindow = false;
    if (!returning && (reason == Qt::ActiveWindowFocusReason || reason == Qt::OtherFocusReason))
        selectAll();
}

void EditBox::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    m_leftWithItsWindow = event->reason() == Qt::ActiveWindowFocusReason;
}
