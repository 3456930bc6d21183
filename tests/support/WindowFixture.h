#pragma once

#include "DialogRecorder.h"
#include "TestDatabase.h"
#include "Typing.h"

#include "app/Tmain.h"

#include <QTest>
#include <memory>

class QAbstractItemView;

// The kalam window on a scratch copy of the sample database (or on given
// SQL), shown and exposed, with every message box recorded and answered.
class WindowFixture
{
public:
    explicit WindowFixture(const QString &sql = TestDatabase::sampleSql());
    ~WindowFixture();

    TestDatabase db;
    DialogRecorder boxes;
    std::unique_ptr<Tmain> window;

    // Destroys the window and opens a fresh one on the same file.
    void reopen();

    template <typename T = QWidget>
    T *find(const QString &name) const
    {
        T *widget = window->findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    bool shown(const QString &name) const;  // visible on the window
    void click(const QString &name, Qt::MouseButton button = Qt::LeftButton);
    void doubleClick(const QString &name);
    // Clicks into a control's text area (a memo's viewport), giving it the focus.
    void clickInto(const QString &name);
    // Clicks a row of a title grid as the user would.
    void clickRow(const QString &grid, int row);
    QString titleShown(const QString &slotSuffix) const;  // DBText + suffix
    int gridRows(const QString &grid) const;
    int gridCurrentRow(const QString &grid) const;

private:
    void open();
};
