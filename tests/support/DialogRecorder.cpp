#include "DialogRecorder.h"

DialogRecorder::DialogRecorder()
{
    Dialogs::setBoxHandler([this](QWidget *, const Dialogs::Box &box) {
        boxes.append(box);
        return answer;
    });
}

DialogRecorder::~DialogRecorder()
{
    Dialogs::setBoxHandler({});
}

QStringList DialogRecorder::texts() const
{
    QStringList result;
    for (const Dialogs::Box &box : boxes)
        result << box.text;
    return result;
}
