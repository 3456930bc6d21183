#pragma once

#include "controls/Dialogs.h"

#include <QList>
#include <QMessageBox>

// Records every message box the program shows and answers it, in place of a
// person. Boxes are answered with `answer` (OK by default).
class DialogRecorder
{
public:
    DialogRecorder();
    ~DialogRecorder();

    QList<Dialogs::Box> boxes;
    QMessageBox::StandardButton answer = QMessageBox::Ok;

    QStringList texts() const;
    void clear() { boxes.clear(); }
};
