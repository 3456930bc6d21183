#include "WindowFixture.h"

#include "app/Startup.h"
#include "controls/DBText.h"
#include "editions/EditionProfile.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QHeaderView>

WindowFixture::WindowFixture(const QString &sql) : db(sql)
{
    open();
}

WindowFixture::~WindowFixture() = default;

void WindowFixture::open()
{
    prepareApplication();
    window = std::make_unique<Tmain>(edition(QStringLiteral("kalam")));
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qFatal("window not exposed");
    window->activateWindow();
    QApplication::processEvents();
}

void WindowFixture::reopen()
{
    window.reset();
    open();
}

bool WindowFixture::shown(const QString &name) const
{
    QWidget *widget = find(name);
    return widget->isVisibleTo(window.get());
}

void WindowFixture::click(const QString &name, Qt::MouseButton button)
{
    QWidget *widget = find(name);
    QTest::mouseClick(widget, button, Qt::NoModifier, widget->rect().center());
}

void WindowFixture::doubleClick(const QString &name)
{
    QWidget *widget = find(name);
    const QPoint centre = widget->rect().center();
    // A real double-click: press, release, double-click press, release.
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, centre);
}

void WindowFixture::clickInto(const QString &name)
{
    QWidget *widget = find(name);
    if (auto *area = qobject_cast<QAbstractScrollArea *>(widget))
        widget = area->viewport();
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
}

void WindowFixture::clickRow(const QString &grid, int row)
{
    auto *view = find<QAbstractItemView>(grid);
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(index).center());
}

QString WindowFixture::titleShown(const QString &slotSuffix) const
{
    return find<DBText>(QStringLiteral("DBText") + slotSuffix)->text();
}

int WindowFixture::gridRows(const QString &grid) const
{
    return find<QAbstractItemView>(grid)->model()->rowCount();
}

int WindowFixture::gridCurrentRow(const QString &grid) const
{
    return find<QAbstractItemView>(grid)->currentIndex().row();
}
