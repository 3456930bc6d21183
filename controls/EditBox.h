#pragma once

#include <QLineEdit>

// A one-line edit box whose whole text is selected when it receives the focus
// from the keyboard or when its window is activated, but not when it is
// clicked: a click places the caret.
class EditBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit EditBox(QWidget *parent = nullptr);

protected:
    void focusInEvent(QFocusEvent *event) override;
};
