#include "app/Startup.h"
#include "app/Tmain.h"
#include "app/WindowLayout.h"
#include "controls/DBMemo.h"
#include "controls/DBText.h"
#include "controls/FlatButton.h"
#include "controls/Picture.h"
#include "editions/EditionProfile.h"
#include "support/DialogRecorder.h"
#include "support/TestDatabase.h"
#include "support/Typing.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTemporaryDir>
// Mouse events go through the window, so the control on top at the point gets them.
#define QTEST_QPA_MOUSE_HANDLING
#include <QTest>
#include <memory>

// The layout as the user meets it: places, looks, stacking, tab order, what a
// screen reader is told, and which control a click lands on.
class WindowTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<DialogRecorder> m_boxes;
    std::unique_ptr<Tmain> m_window;

    template <typename T = QWidget>
    T *find(const char *name) const
    {
        T *found = m_window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

    QPoint centreOf(const char *name) const
    {
        QWidget *control = find(name);
        return control->mapTo(m_window.get(), control->rect().center());
    }

    void click(const char *name) const
    {
        QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, centreOf(name));
    }

    void typeIntoFilter(const QString &text) const
    {
        auto *filter = find<QLineEdit>("Edit1");
        filter->setFocus(Qt::TabFocusReason);
        typeText(filter, text);
    }

    static QStringList namesOf(const QList<QWidget *> &widgets)
    {
        QStringList names;
        for (QWidget *w : widgets)
            names << w->objectName();
        return names;
    }

    // The widget a mouse press at `point` reaches, as Qt picks it.
    QWidget *hit(const QPoint &point) const
    {
        QWidget *w = m_window->childAt(point);
        return w ? w : m_window.get();
    }

    bool isInside(QWidget *w, const char *ancestor) const
    {
        for (; w; w = w->parentWidget())
            if (w->objectName() == QLatin1String(ancestor))
                return true;
        return false;
    }

private slots:
    void initTestCase()
    {
        prepareApplication();
    }

    void init()
    {
        m_db = std::make_unique<TestDatabase>();
        m_boxes = std::make_unique<DialogRecorder>();
        m_window = std::make_unique<Tmain>(edition(QStringLiteral("kalam")));
        showCentred(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    void cleanup()
    {
        QCOMPARE(m_boxes->texts(), QStringList());
        m_window.reset();
        m_boxes.reset();
        m_db.reset();
    }

    // Every control of the layout table, where the table puts it and as it looks.
    void layoutControls_data()
    {
        QTest::addColumn<QString>("name");
        for (const ControlItem &item : Layout::windowControls(edition(QStringLiteral("kalam"))))
            QTest::newRow(item.name) << QString::fromLatin1(item.name);
    }
    void layoutControls()
    {
        QFETCH(QString, name);
        const auto controls = Layout::windowControls(edition(QStringLiteral("kalam")));
        const ControlItem &item = Layout::control(controls, name.toLatin1().constData());
        QWidget *control = find(item.name);

        QCOMPARE(control->parentWidget()->objectName(), QLatin1String(item.parent ? item.parent : "main"));
        if (qobject_cast<QLabel *>(control)) {
            // Labels size themselves to their text and keep their right edge.
            QCOMPARE(control->x() + control->width(), item.rect.x() + item.rect.width());
            QCOMPARE(control->y(), item.rect.y());
            QCOMPARE(qobject_cast<QLabel *>(control)->text(), item.text);
        } else if (name == QLatin1String("Image2")) {
            // The topic marker's top in the layout is replaced by the start view.
            QCOMPARE(control->geometry(), item.rect.translated(0, 107 - item.rect.y()));
        } else {
            QCOMPARE(control->geometry(), item.rect);
        }
        if (auto *button = qobject_cast<QAbstractButton *>(control))
            QCOMPARE(button->text(), item.text);
        if (auto *edit = qobject_cast<QLineEdit *>(control)) {
            QCOMPARE(edit->text(), item.text);
            QVERIFY(!edit->hasFrame());
            QCOMPARE(edit->palette().color(QPalette::Base), QColor(QRgb(item.background)));
        }
        if (item.font.family) {
            QCOMPARE(control->font().family(), QLatin1String(item.font.family));
            QCOMPARE(control->font().pixelSize(), item.font.pixelHeight);
            if (!item.font.windowText)
                QCOMPARE(control->palette().color(QPalette::Text), QColor(QRgb(item.font.rgb)));
        } else {
            QCOMPARE(control->font(), m_window->font());
        }
        QCOMPARE(control->isVisibleTo(m_window.get()), !item.hidden && !item.parent);
        QCOMPARE(control->cursor().shape() == Qt::PointingHandCursor, item.handCursor);
    }

    void layoutSpotChecks()
    {
        QCOMPARE(find("Label9")->x() + find("Label9")->width(), 681);
        QCOMPARE(find("Edit1")->geometry(), QRect(704, 376, 106, 19));
        QCOMPARE(find("SpeedButton8")->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(find("SpeedButton5")->palette().color(QPalette::ButtonText), QColor(0xFF, 0, 0));
        QCOMPARE(find("Panel1")->geometry(), QRect(610, 315, 255, 368));
        QVERIFY(find<QAbstractButton>("RadioButton1")->isChecked());
        QVERIFY(!find<QAbstractButton>("RadioButton2")->isChecked());
        QCOMPARE(find("Image4")->height(), 41);
    }

    void topicLinks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("rightEdge");
        QTest::addColumn<int>("top");
        QTest::newRow("Label1") << "Label1" << ".: روزه :." << 759 << 111;
        QTest::newRow("Label3") << "Label3" << ".: شب قدر :." << 776 << 147;
        QTest::newRow("Label6") << "Label6" << ".: امام علي (ع) :." << 794 << 179;
        QTest::newRow("Label4") << "Label4" << ".: ابتلا و توسل :." << 785 << 213;
        QTest::newRow("Label5") << "Label5" << ".: شيطان :." << 770 << 246;
        QTest::newRow("Label7") << "Label7" << ".: فلسفه احکام :." << 792 << 281;
    }
    void topicLinks()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(int, rightEdge);
        QFETCH(int, top);
        auto *link = find<QLabel>(name.toLatin1().constData());
        QCOMPARE(link->text(), caption);
        QCOMPARE(link->x() + link->width(), rightEdge);
        QCOMPARE(link->y(), top);
        QCOMPARE(link->font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(link->font().pixelSize(), 13);
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0x80, 0, 0));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(link->isVisible());
    }

    void topicViewLooks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<bool>("scrollBar");
        QTest::newRow("question") << "Memopovajeb" << QRect(40, 152, 513, 97) << QColor(0, 0, 0x80) << false;
        QTest::newRow("answer") << "Memopavajeb" << QRect(32, 272, 521, 201) << QColor(0x80, 0, 0) << true;
        QTest::newRow("footnote") << "Memomavajeb" << QRect(40, 496, 513, 97) << QColor(0x80, 0x80, 0) << true;
        QTest::newRow("kolliyat footnote") << "Memomankolliyat" << QRect(40, 496, 513, 97) << QColor(0x80, 0x80, 0)
                                           << true;
        QTest::newRow("search answer") << "Memopapnamaz" << QRect(32, 272, 521, 201) << QColor(0x80, 0, 0) << true;
    }
    void topicViewLooks()
    {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        QFETCH(QColor, colour);
        QFETCH(bool, scrollBar);
        auto *memo = find<QPlainTextEdit>(name.toLatin1().constData());
        QCOMPARE(memo->geometry(), rect);
        QCOMPARE(memo->font().family(), QStringLiteral("B Badr"));
        QCOMPARE(memo->font().pixelSize(), 16);
        QCOMPARE(memo->palette().color(QPalette::Text), colour);
        QCOMPARE(memo->palette().color(QPalette::Base), QColor(0xD9, 0xF1, 0xD1));
        QCOMPARE(memo->frameShape(), QFrame::NoFrame);
        QCOMPARE(memo->verticalScrollBarPolicy(), scrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        QVERIFY(!memo->isReadOnly());
    }

    void titleTextAndGrids()
    {
        auto *title = find("DBTextmotefar");
        QCOMPARE(title->geometry(), QRect(288, 113, 217, 28));
        QCOMPARE(title->font().family(), QStringLiteral("B Badr"));
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor(0x80, 0, 0));
        for (const char *name : {"DBkolliyat", "DBmoghadamat", "DBvajeb", "DBmostahab", "DBnamaz", "DBmotefar"}) {
            QCOMPARE(find(name)->geometry(), QRect(656, 456, 169, 211));
            QCOMPARE(find(name)->parentWidget(), m_window.get());
        }
        QCOMPARE(find("DBpnamaz")->geometry(), QRect(41, 192, 189, 160));
        QCOMPARE(find("DBpnamaz")->parentWidget()->objectName(), QStringLiteral("Panel1"));
        QVERIFY(!find("DBpnamaz")->isHidden());
    }

    void otherEditionsTakeTheirValues()
    {
        m_window.reset();
        TestDatabase revayatDb(TestDatabase::sampleSql(), QStringLiteral("revayat.mdb"));
        Tmain revayat(edition(QStringLiteral("revayat")));
        auto child = [&](const char *name) { return revayat.findChild<QWidget *>(QLatin1String(name)); };
        QVERIFY(child("Label1") && child("Label3"));
        for (const char *absent : {"Label6", "Label4", "Label5", "Label7"})
            QVERIFY2(!child(absent), absent);
        QVERIFY(child("Memopamotefar"));
        QCOMPARE(static_cast<QPlainTextEdit *>(child("Memopomoghadamat"))->verticalScrollBarPolicy(),
                 Qt::ScrollBarAlwaysOn);
        QCOMPARE(child("Image4")->height(), 49);
        QCOMPARE(child("DBTextkolliyat")->geometry(), QRect(288, 113, 217, 25));
    }

    // The titles keep the column's Tahoma -12 in every edition, also where the
    // edition gives the grid a font of its own (B Badr in ahkam).
    void gridTitlesKeepTheColumnFont_data()
    {
        QTest::addColumn<QString>("edition");
        QTest::addColumn<QString>("file");
        QTest::newRow("kalam") << "kalam" << "kalam.mdb";
        QTest::newRow("ahkam") << "ahkam" << "ramezan.mdb";
    }
    void gridTitlesKeepTheColumnFont()
    {
        QFETCH(QString, edition);
        QFETCH(QString, file);
        m_window.reset();
        TestDatabase db(TestDatabase::sampleSql(), file);
        Tmain window(::edition(edition));
        for (const char *name : {"DBkolliyat", "DBpnamaz"}) {
            auto *grid = window.findChild<QTableView *>(QLatin1String(name));
            QVERIFY(grid);
            const QModelIndex cell = grid->model()->index(0, 0);
            QFont tahoma12(QStringLiteral("Tahoma"));
            tahoma12.setPixelSize(12);
            QStyleOptionViewItem asTheGridDraws;
            asTheGridDraws.initFrom(grid);  // carries the grid's own font
            QStyleOptionViewItem inTahoma12 = asTheGridDraws;
            inTahoma12.font = tahoma12;
            // A cell measures as a plain cell drawn in Tahoma -12 does.
            QCOMPARE(grid->itemDelegate()->sizeHint(asTheGridDraws, cell),
                     QStyledItemDelegate().sizeHint(inTahoma12, cell));

            grid->setCurrentIndex(cell);
            grid->setFocus();
            QTest::keyClick(grid, Qt::Key_F2);
            auto *editor = grid->findChild<QLineEdit *>();
            QVERIFY(editor);
            QCOMPARE(editor->font().family(), QStringLiteral("Tahoma"));
            QCOMPARE(editor->font().pixelSize(), 12);
            QTest::keyClick(editor, Qt::Key_Escape);
        }
    }

    // Bottom to top among the window's own controls: painted ones in layout
    // order, then windowed ones in layout order.
    void stackingOrder()
    {
        QStringList expected{"Image1", "Image4", "Image2", "Label2", "Label1", "Label3", "Label6", "Label4", "Label5",
                             "Label7", "DBTextkolliyat", "Label8", "Label9", "SpeedButton1", "SpeedButton2",
                             "SpeedButton3", "SpeedButton4", "SpeedButton6", "SpeedButton5", "SpeedButton7",
                             "DBTextmoghadamat", "DBTextvajeb", "DBTextmostahab", "DBTextnamaz", "DBTextmotefar",
                             "SpeedButton8", "DBTextpnamaz", "Shape1", "Shape2", "Shape3", "Shape4",
                             "DBkolliyat", "Memopokolliyat", "Memopakolliyat", "Memomankolliyat", "Edit1"};
        for (const char *s : {"moghadamat", "vajeb", "mostahab", "namaz", "motefar"})
            expected << QStringLiteral("Memopo%1").arg(s) << QStringLiteral("Memopa%1").arg(s)
                     << QStringLiteral("Memoma%1").arg(s) << QStringLiteral("DB%1").arg(s);
        expected << "Panel1" << "Memopopnamaz" << "Memomapnamaz" << "Memopapnamaz";
        QCOMPARE(namesOf(m_window->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)), expected);

        QCOMPARE(namesOf(find("Panel1")->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)),
                 QStringList({"Image3", "DBpnamaz", "GroupBox1", "ebarat"}));
        QCOMPARE(namesOf(find("GroupBox1")->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)),
                 QStringList({"SpeedButton9", "SpeedButton10", "RadioButton1", "RadioButton2"}));
    }

    void dataObjectsAreNamedChildren()
    {
        for (const char *name : {"ADOConnection1", "ADOTable1", "DataSource1", "Qkolliyat", "Dqkolliyat",
                                 "ADOTable7", "DataSource7", "qpnamaz", "Dqpnamaz", "Qmotefar", "Dmotefar"})
            QVERIFY2(m_window->findChild<QObject *>(QLatin1String(name)), name);
    }

    // The tab positions of the layout, as one chain through the window.
    void tabChain()
    {
        QStringList expected{"Edit1", "DBkolliyat", "Memopokolliyat", "Memopakolliyat", "Memomankolliyat"};
        for (const char *s : {"moghadamat", "vajeb", "mostahab", "namaz", "motefar"})
            expected << QStringLiteral("Memopo%1").arg(s) << QStringLiteral("Memopa%1").arg(s)
                     << QStringLiteral("Memoma%1").arg(s) << QStringLiteral("DB%1").arg(s);
        expected << "ebarat" << "DBpnamaz" << "RadioButton1" << "RadioButton2" << "Memopopnamaz" << "Memopapnamaz"
                 << "Memomapnamaz";

        QStringList chain;
        for (QWidget *w = m_window->nextInFocusChain(); w != m_window.get(); w = w->nextInFocusChain())
            if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
                chain << w->objectName();
        QCOMPARE(chain, expected);
    }

    void tabKeyFollowsTheChain()
    {
        QCOMPARE(QApplication::focusWidget(), find("Edit1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), find("DBkolliyat"));
        find("Memopokolliyat")->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), find("Memopakolliyat"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), find("Memomankolliyat"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), find("Edit1"));
        QCOMPARE(find<QLineEdit>("Edit1")->selectedText(), find<QLineEdit>("Edit1")->text());
    }

    // A switch that hides the focused memo leaves the focus with the window;
    // Tab and a new activation both start again at the filter box.
    void focusAfterSwitchHidesFocusedControl()
    {
        QTest::mouseClick(find("Memopakolliyat")->findChild<QWidget *>(QStringLiteral("qt_scrollarea_viewport")),
                          Qt::LeftButton, {}, QPoint(100, 20));
        QCOMPARE(QApplication::focusWidget(), find("Memopakolliyat"));
        click("Label3");
        QCOMPARE(QApplication::focusWidget(), m_window.get());
        QTest::keyClick(m_window.get(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), find("Edit1"));
        QVERIFY(find<QLineEdit>("Edit1")->hasSelectedText());
    }

    void countKeepsItsRightEdge_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("one digit") << "ن";
        QTest::newRow("two digits") << "روزه";
        QTest::newRow("nothing found") << "ۀۀۀ";
    }
    void countKeepsItsRightEdge()
    {
        QFETCH(QString, typed);
        auto *count = find<QLabel>("Label9");
        typeIntoFilter(typed);
        const QString expected = QString::number(
            m_db->count(QStringLiteral("SELECT count(*) FROM kolliyat WHERE kholase LIKE '%%1%'").arg(typed)));
        QCOMPARE(count->text(), expected);
        QCOMPARE(count->x() + count->width(), 681);
        QCOMPARE(count->width(), count->fontMetrics().horizontalAdvance(expected));

        click("SpeedButton5");
        QCOMPARE(count->text(), QString());
        QCOMPARE(count->x() + count->width(), 681);
    }

    // While the search panel is shown it takes the clicks over the filter box,
    // the title grids and the buttons beside them; the bottom row stays reachable.
    void searchPanelCovers_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("covered");
        for (const char *name : {"Edit1", "SpeedButton5", "SpeedButton6", "SpeedButton8", "Label9"})
            QTest::newRow(name) << name << true;
        QTest::newRow("title grid") << "DBkolliyat" << true;
        for (const char *name : {"SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4", "SpeedButton7",
                                 "Label1", "Label7", "Shape1", "Shape2", "Shape3", "Shape4"})
            QTest::newRow(name) << name << false;
    }
    void searchPanelCovers()
    {
        QFETCH(QString, target);
        QFETCH(bool, covered);
        QWidget *control = find(target.toLatin1().constData());
        QRect area = control->geometry();
        if (area.isEmpty())  // an empty count: test where its text would go
            area = QRect(area.topLeft() - QPoint(8, 0), QSize(8, area.height()));
        const QPoint point = area.center();

        QVERIFY(!isInside(hit(point), "Panel1"));
        click("SpeedButton8");
        QVERIFY(find("Panel1")->isVisible());
        QCOMPARE(isInside(hit(point), "Panel1"), covered);
        if (!covered)
            QCOMPARE(hit(point), control);
    }

    void navigationReachesSearchResultsThroughPanel()
    {
        click("SpeedButton8");
        auto *title = find<DBText>("DBTextpnamaz");
        const QString first = title->text();
        click("SpeedButton2");
        QVERIFY(title->text() != first);
        click("SpeedButton3");
        QCOMPARE(title->text(), first);

        // A click over the hidden filter box lands on the panel: the box keeps its text and gets no focus.
        QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, find("Edit1")->geometry().center());
        QVERIFY(!find("Edit1")->hasFocus());
    }

    // Topic links lie above the marker for the mouse as for drawing.
    void linksAboveMarker()
    {
        QCOMPARE(hit(centreOf("Label1")), find("Label1"));
        click("Label7");
        QCOMPARE(find("Image2")->pos(), QPoint(658, 277));
        QCOMPARE(hit(centreOf("Label7")), find("Label7"));
        QVERIFY(find("Memopamotefar")->isVisible());
    }

    void accessibility_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("caption") << "Label2" << int(QAccessible::StaticText) << "موضوع";
        QTest::newRow("record-count caption") << "Label8" << int(QAccessible::StaticText) << "تعداد رکورد هاي يافت شده";
        QTest::newRow("topic link") << "Label1" << int(QAccessible::Link) << ".: روزه :.";
        QTest::newRow("flat button") << "SpeedButton1" << int(QAccessible::Button) << "سوال قبلي";
        QTest::newRow("cancel filter") << "SpeedButton5" << int(QAccessible::Button) << "لغو ";
        QTest::newRow("close") << "Shape2" << int(QAccessible::Button) << "بستن";
        QTest::newRow("minimise") << "Shape3" << int(QAccessible::Button) << "کوچک کردن";
        QTest::newRow("address") << "Shape1" << int(QAccessible::Button) << "وب‌گاه";
        QTest::newRow("logo") << "Shape4" << int(QAccessible::Button) << "وب‌گاه";
        QTest::newRow("background") << "Image1" << int(QAccessible::Graphic) << "تصویر زمینه";
        QTest::newRow("filter box") << "Edit1" << int(QAccessible::EditableText) << "جستجو";
        QTest::newRow("search term") << "ebarat" << int(QAccessible::EditableText) << "عبارت جستجو";
        QTest::newRow("title") << "DBTextkolliyat" << int(QAccessible::StaticText) << "عنوان";
        QTest::newRow("question") << "Memopokolliyat" << int(QAccessible::EditableText) << "پرسش";
        QTest::newRow("answer") << "Memopakolliyat" << int(QAccessible::EditableText) << "پاسخ";
        QTest::newRow("footnotes") << "Memomankolliyat" << int(QAccessible::EditableText) << "منابع";
        QTest::newRow("title grid") << "DBkolliyat" << int(QAccessible::Table) << "عنوان پرسش ها";
        QTest::newRow("radio button") << "RadioButton2" << int(QAccessible::RadioButton) << "جستجو در پاسخ";
        QTest::newRow("search button") << "SpeedButton9" << int(QAccessible::Button) << "جستجو";
    }
    void accessibility()
    {
        QFETCH(QString, name);
        QFETCH(int, role);
        QFETCH(QString, spoken);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(find(name.toLatin1().constData()));
        QVERIFY(iface);
        QCOMPARE(int(iface->role()), role);
        QCOMPARE(iface->text(QAccessible::Name), spoken);
    }

    void accessibleValuesAndStates()
    {
        auto iface = [this](const char *name) { return QAccessible::queryAccessibleInterface(find(name)); };
        QCOMPARE(iface("Edit1")->text(QAccessible::Value), QStringLiteral("جستجو...."));
        QVERIFY(iface("Edit1")->state().focused);
        QVERIFY(!iface("Memopakolliyat")->state().invisible);
        QVERIFY(iface("Memopamoghadamat")->state().invisible);
        QVERIFY(iface("Panel1")->state().invisible);
        QCOMPARE(iface("DBTextkolliyat")->text(QAccessible::Value), find<DBText>("DBTextkolliyat")->text());
        QCOMPARE(iface("Memopakolliyat")->text(QAccessible::Value),
                 find<QPlainTextEdit>("Memopakolliyat")->toPlainText());
        QVERIFY(!iface("Memopakolliyat")->text(QAccessible::Value).isEmpty());
        QVERIFY(iface("RadioButton1")->state().checked);
        QVERIFY(!iface("RadioButton2")->state().checked);

        // The grid tells its titles and which row is the current record.
        click("SpeedButton2");
        QAccessibleTableInterface *table = iface("DBkolliyat")->tableInterface();
        QVERIFY(table);
        QAccessibleInterface *cell = table->cellAt(1, 0);
        QVERIFY(cell);
        QCOMPARE(cell->text(QAccessible::Name),
                 m_db->scalar("SELECT kholase FROM kolliyat ORDER BY rowid LIMIT 1 OFFSET 1"));
        QVERIFY(cell->state().selected);
        QVERIFY(!table->cellAt(0, 0)->state().selected);

        // Pressing a hotspot or a link through the screen reader acts like the mouse.
        iface("Label3")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(find("Memopamoghadamat")->isVisible());
    }
};

// The flat button and the picture, alone with small fixtures.
class ControlsTest : public QObject
{
    Q_OBJECT
private:
    static QString writeGlyph(const QTemporaryDir &dir)
    {
        // Magenta ground (the bottom-left pixel), a blue 4 x 4 square in the middle.
        QImage glyph(16, 16, QImage::Format_RGB16);
        glyph.fill(QColor(255, 0, 255));
        for (int y = 6; y < 10; ++y)
            for (int x = 6; x < 10; ++x)
                glyph.setPixelColor(x, y, Qt::blue);
        const QString path = dir.filePath(QStringLiteral("glyph.bmp"));
        glyph.save(path);
        return path;
    }

private slots:
    void initTestCase()
    {
        prepareApplication();
    }

    void glyphAndCaptionCentredTogether_data()
    {
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::addColumn<bool>("above");
        QTest::newRow("right to left") << Qt::RightToLeft << false;
        QTest::newRow("left to right") << Qt::LeftToRight << false;
        QTest::newRow("glyph above") << Qt::RightToLeft << true;
    }
    void glyphAndCaptionCentredTogether()
    {
        QFETCH(Qt::LayoutDirection, direction);
        QFETCH(bool, above);
        QTemporaryDir dir;
        FlatButton button;
        button.setLayoutDirection(direction);
        button.resize(97, 40);
        button.setText(QStringLiteral("سوال بعدي"));
        button.setGlyph(writeGlyph(dir));
        button.setGlyphAbove(above);

        const QRect glyph = button.glyphRect(), caption = button.captionRect();
        QCOMPARE(glyph.size(), QSize(16, 16));
        const QRect both = glyph.united(caption);
        QVERIFY(qAbs(both.center().x() - button.rect().center().x()) <= 1);
        QVERIFY(qAbs(both.center().y() - button.rect().center().y()) <= 1);
        if (above) {
            QCOMPARE(caption.top() - glyph.bottom() - 1, 4);
        } else if (direction == Qt::RightToLeft) {
            QCOMPARE(glyph.left() - caption.right() - 1, 4);
        } else {
            QCOMPARE(caption.left() - glyph.right() - 1, 4);
        }
    }

    // The face is transparent and so is the glyph's ground; only hover and press draw a frame.
    void faceFrameAndGlyphGround()
    {
        QTemporaryDir dir;
        QWidget ground;
        ground.setAutoFillBackground(true);
        QPalette palette = ground.palette();
        palette.setColor(QPalette::Window, QColor(0x12, 0x34, 0x56));
        ground.setPalette(palette);
        ground.resize(200, 100);
        auto *button = new FlatButton(&ground);
        button->setGeometry(50, 30, 97, 28);
        button->setGlyph(writeGlyph(dir));
        ground.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ground));

        auto image = [&] { return ground.grab(button->geometry()).toImage(); };
        const QColor groundColour(0x12, 0x34, 0x56);
        const QRect glyph = button->glyphRect();
        QImage idle = image();
        QCOMPARE(idle.pixelColor(0, 0), groundColour);
        QCOMPARE(idle.pixelColor(glyph.topLeft()), groundColour);
        QCOMPARE(idle.pixelColor(glyph.center()), QColor(Qt::blue));

        QTest::mouseMove(button, QPoint(5, 5));
        QTRY_VERIFY(button->underMouse());
        const QImage hovered = image();
        QVERIFY(hovered.pixelColor(0, 0) != groundColour);

        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
        const QImage pressed = image();
        QVERIFY(pressed.pixelColor(0, 0) != groundColour);
        QVERIFY(pressed.pixelColor(0, 0) != hovered.pixelColor(0, 0));
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
    }

    void pictureAtNaturalSizeClipped()
    {
        QTemporaryDir dir;
        QImage source(20, 30, QImage::Format_RGB32);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 20; ++x)
                source.setPixelColor(x, y, QColor(x * 10, y * 8, 100));
        const QString path = dir.filePath(QStringLiteral("p.png"));
        source.save(path);

        Picture picture;
        picture.resize(25, 20);
        picture.load(path);
        const QImage shown = picture.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.copy(0, 0, 20, 20), source.copy(0, 0, 20, 20));

        picture.load(QStringLiteral(":/no/such/picture.jpg"));
        QVERIFY(picture.pixmap().isNull());
        picture.grab();  // draws nothing, and does not fail
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    int status = 0;
    {
        WindowTest window;
        status |= QTest::qExec(&window, argc, argv);
    }
    {
        ControlsTest controls;
        status |= QTest::qExec(&controls, argc, argv);
    }
    return status;
}

#include "tst_window.moc"
