#pragma once

#include <QLineEdit>

// A one-line edit box whose whole text is selected when the focus comes into
// it from the keyboard or when its window is activated with no control
// focused, but not when it is clicked (a click places the caret) and not when
// its window is merely activated again while the box still held the focus:
// coming back to the window never exposes a typed text to being replaced.
class EditBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit EditBox(QWidget *parent = nullptr);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool m_leftWithItsWindow = false;
};
