#include "WindowFixture.h"

#include "content/Query.h"
#include "controls/DBMemo.h"

#include <QAbstractItemView>
#include <QLineEdit>

namespace {

const QStringList viewPrefixes{"DBText", "Memopo", "Memopa", "Memoma", "DB"};

QString memoName(const QString &prefix, const QString &suffix)
{
    return prefix == "Memoma" && suffix == "kolliyat" ? QString("Memomankolliyat") : prefix + suffix;
}

const QStringList topicSuffixes{"kolliyat", "moghadamat", "vajeb", "mostahab", "namaz", "motefar"};

} // namespace

// Topic switching, record navigation and editing, driven through the real window.
class BrowseTest : public QObject
{
    Q_OBJECT

    // Exactly the views of `suffix` are visible (pnamaz: its four controls and the panel).
    void verifyOnlyShown(WindowFixture &f, const QString &suffix)
    {
        for (const QString &s : topicSuffixes + QStringList{"pnamaz"})
            for (const QString &prefix : viewPrefixes) {
                if (prefix == "DB" && s == "pnamaz")
                    continue;  // inside the panel, shown with it
                QCOMPARE_NE(f.shown(memoName(prefix, s)), s != suffix);
            }
        QCOMPARE(f.shown("Panel1"), suffix == "pnamaz");
    }

private slots:
    void topicLinks_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<int>("markerTop");
        QTest::newRow("Label1") << "Label1" << "kolliyat" << 107;
        QTest::newRow("Label3") << "Label3" << "moghadamat" << 142;
        QTest::newRow("Label6") << "Label6" << "vajeb" << 176;
        QTest::newRow("Label4") << "Label4" << "mostahab" << 210;
        QTest::newRow("Label5") << "Label5" << "namaz" << 243;
        QTest::newRow("Label7") << "Label7" << "motefar" << 277;
    }
    void topicLinks()
    {
        QFETCH(QString, link);
        QFETCH(QString, suffix);
        QFETCH(int, markerTop);
        WindowFixture f;
        verifyOnlyShown(f, "kolliyat");
        f.click("Label7");  // from another topic
        f.click(link);
        verifyOnlyShown(f, suffix);
        QCOMPARE(f.find("Image2")->pos(), QPoint(658, markerTop));
        QVERIFY(!f.shown("Label8"));
        const QString table = f.find<Query>(QString("Q") + suffix)->sql().last().section(' ', 1, 1).remove(';');
        QCOMPARE(f.titleShown(suffix), f.db.scalar(QString("SELECT kholase FROM %1 LIMIT 1").arg(table)));
        QVERIFY(f.boxes.boxes.isEmpty());
    }

    void eachSlotKeepsItsRecordAndList()
    {
        WindowFixture f;
        f.click("SpeedButton2");
        f.click("SpeedButton2");
        const QString third = f.titleShown("kolliyat");
        QCOMPARE(third, f.db.scalar("SELECT kholase FROM kolliyat LIMIT 1 OFFSET 2"));
        f.click("Label3");
        f.click("SpeedButton4");
        const QString lastEjaz = f.titleShown("moghadamat");
        f.click("Label1");
        QCOMPARE(f.titleShown("kolliyat"), third);
        QCOMPARE(f.gridCurrentRow("DBkolliyat"), 2);
        f.click("Label1");  // the shown slot's own link changes nothing
        QCOMPARE(f.titleShown("kolliyat"), third);
        f.click("Label3");
        QCOMPARE(f.titleShown("moghadamat"), lastEjaz);
    }

    void focusLeftNowhereThenTabToFilterBox()
    {
        WindowFixture f;
        QWidget *answer = f.find("Memopakolliyat");
        f.clickInto("Memopakolliyat");
        QTRY_VERIFY(answer->hasFocus());
        f.click("Label3");
        QWidget *focused = QApplication::focusWidget();
        QVERIFY2(!focused || focused == f.window.get(), focused ? qPrintable(focused->objectName()) : "");
        QTest::keyClick(f.window.get(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), f.find("Edit1"));
    }

    // Coming back to the window keeps what was typed in the filter box: the
    // next key adds to it. With no control focused, coming back selects the
    // box's whole text, as at start-up.
    void activatingAgainKeepsTheTypedFilter()
    {
        WindowFixture f;
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        auto *filter = f.find<QLineEdit>("Edit1");
        typeText(filter, QStringLiteral("روز"));

        QWidget other;
        auto switchAwayAndBack = [&] {
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            f.window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        };
        switchAwayAndBack();
        QCOMPARE(QApplication::focusWidget(), filter);
        QVERIFY(!filter->hasSelectedText());
        typeText(filter, QStringLiteral("ه"));
        QCOMPARE(filter->text(), QStringLiteral("روزه"));

        f.clickInto("Memopakolliyat");
        f.click("Label3");
        QCOMPARE(QApplication::focusWidget(), f.window.get());  // the focused memo was hidden
        switchAwayAndBack();
        QCOMPARE(QApplication::focusWidget(), filter);
        QCOMPARE(filter->selectedText(), QStringLiteral("روزه"));
        QCOMPARE(f.boxes.texts(), QStringList());
    }

    void searchViewOpensAndClosesAroundTopics()
    {
        WindowFixture f;
        f.click("Label6");
        f.click("SpeedButton8");
        verifyOnlyShown(f, "pnamaz");
        QCOMPARE(f.find("Image2")->pos(), QPoint(658, 176));
        QCOMPARE(QApplication::focusWidget(), f.find("ebarat"));
        f.click("SpeedButton10");
        verifyOnlyShown(f, "kolliyat");
        QCOMPARE(f.find("Image2")->pos(), QPoint(658, 107));

        f.click("SpeedButton8");
        f.click("Label7");  // a link closes the search view
        verifyOnlyShown(f, "motefar");
        QCOMPARE(f.find("Image2")->pos(), QPoint(658, 277));
    }

    void navigationButtons_data()
    {
        QTest::addColumn<QString>("clicks");  // 1 previous, 2 next, 3 first, 4 last, D double-click on next
        QTest::addColumn<QString>("row");     // expected row, or "last" / "last-1"
        QTest::newRow("next") << "2" << "1";
        QTest::newRow("next, last, next") << "242" << "last";
        QTest::newRow("previous at the start") << "1" << "0";
        QTest::newRow("previous after first") << "231" << "0";
        QTest::newRow("first on the first") << "3" << "0";
        QTest::newRow("last then previous") << "41" << "last-1";
        QTest::newRow("double-click moves twice") << "D" << "2";
    }
    void navigationButtons()
    {
        QFETCH(QString, clicks);
        QFETCH(QString, row);
        WindowFixture f;
        for (QChar c : clicks) {
            if (c == 'D')
                f.doubleClick("SpeedButton2");
            else
                f.click(QString("SpeedButton") + c);
        }
        const int count = f.db.count("SELECT count(*) FROM kolliyat");
        const int expected = row == "last" ? count - 1 : row == "last-1" ? count - 2 : row.toInt();
        QCOMPARE(f.gridCurrentRow("DBkolliyat"), expected);
        QCOMPARE(f.titleShown("kolliyat"), f.db.scalar(QString("SELECT kholase FROM kolliyat LIMIT 1 OFFSET %1").arg(expected)));
        QCOMPARE(f.find<DBMemo>("Memopakolliyat")->storedText(),
                 f.db.scalar(QString("SELECT pasokh FROM kolliyat LIMIT 1 OFFSET %1").arg(expected)));
        QVERIFY(f.boxes.boxes.isEmpty());
    }

    void navigationInTheSearchResults()
    {
        WindowFixture f;
        f.click("SpeedButton8");
        f.click("SpeedButton2");
        f.click("SpeedButton2");
        QCOMPARE(f.gridCurrentRow("DBpnamaz"), 2);
        QCOMPARE(f.titleShown("pnamaz"), f.db.scalar("SELECT kholase FROM pnabovat LIMIT 1 OFFSET 2"));
        QCOMPARE(f.find<Query>("Qkolliyat")->currentRow(), 0);
    }

    void navigationOnAnEmptyOrClosedQuery()
    {
        WindowFixture f;
        typeText(f.find("Edit1"), "ژژژژ");
        QCOMPARE(f.gridRows("DBkolliyat"), 0);
        for (const char *button : {"SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4"})
            f.click(button);
        QVERIFY(f.boxes.boxes.isEmpty());

        f.db.exec("ALTER TABLE kolliyat RENAME TO kolliyat_old;");
        QTest::keyClick(f.find("Edit1"), Qt::Key_Backspace);  // the filter fails: the query stays closed
        QCOMPARE(f.boxes.texts().size(), 1);
        f.boxes.clear();
        f.click("SpeedButton2");
        QCOMPARE(f.boxes.texts(), QStringList{"Qkolliyat: Cannot perform this operation on a closed dataset."});
    }

    void memoEditIsWrittenByTheNextMove()
    {
        WindowFixture f;
        auto *answer = f.find<DBMemo>("Memopakolliyat");
        answer->setFocus();
        QTest::keyClick(answer, Qt::Key_End, Qt::ControlModifier);
        typeText(answer, " افزوده");
        QTest::keyClick(answer, Qt::Key_Return);
        typeText(answer, "سطر تازه");
        const QString typed = answer->storedText();
        QVERIFY(typed.endsWith(" افزوده\r\nسطر تازه"));
        QVERIFY(f.db.scalar("SELECT pasokh FROM kolliyat LIMIT 1") != typed);  // not yet written
        f.click("SpeedButton2");
        QCOMPARE(f.db.scalar("SELECT pasokh FROM kolliyat LIMIT 1"), typed);
        f.reopen();
        QCOMPARE(f.find<DBMemo>("Memopakolliyat")->storedText(), typed);
    }

    void refusedWriteKeepsTheRecordInEditing()
    {
        WindowFixture f;
        auto *question = f.find<DBMemo>("Memopokolliyat");
        question->setFocus();
        typeText(question, "متن من ");
        const QString typed = question->storedText();
        f.db.exec("UPDATE kolliyat SET porsesh = 'دیگری' WHERE rowid = (SELECT rowid FROM kolliyat LIMIT 1)");
        f.click("SpeedButton2");
        QCOMPARE(f.boxes.boxes.size(), 1);
        QVERIFY(f.boxes.texts().first().contains("changed or deleted by someone else"));
        QCOMPARE(f.gridCurrentRow("DBkolliyat"), 0);
        QCOMPARE(question->storedText(), typed);
        QCOMPARE(f.find<Query>("Qkolliyat")->state(), Dataset::State::Edit);
        QCOMPARE(f.db.scalar("SELECT porsesh FROM kolliyat LIMIT 1"), QString("دیگری"));
    }

    void gridTitleEditIsWrittenByAMove()
    {
        WindowFixture f;
        auto *grid = f.find<QAbstractItemView>("DBkolliyat");
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_F2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
        typeText(QApplication::focusWidget(), " (ویرایش)");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        const QString title = f.db.scalar("SELECT kholase FROM kolliyat LIMIT 1") + " (ویرایش)";
        QCOMPARE(f.titleShown("kolliyat"), title);
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(f.db.scalar("SELECT kholase FROM kolliyat LIMIT 1"), title);
        f.reopen();
        QCOMPARE(f.titleShown("kolliyat"), title);
    }

    void gridDeleteAsksFirst()
    {
        WindowFixture f;
        const int count = f.db.count("SELECT count(*) FROM kolliyat");
        const QString second = f.db.scalar("SELECT kholase FROM kolliyat LIMIT 1 OFFSET 1");
        f.clickRow("DBkolliyat", 1);
        auto *grid = f.find<QAbstractItemView>("DBkolliyat");
        f.boxes.answer = QMessageBox::Cancel;
        QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(f.boxes.boxes.size(), 1);
        QCOMPARE(f.boxes.boxes[0].title, QString("Confirm"));
        QCOMPARE(f.boxes.boxes[0].text, QString("Delete record?"));
        QCOMPARE(f.db.count("SELECT count(*) FROM kolliyat"), count);
        QCOMPARE(f.titleShown("kolliyat"), second);

        f.boxes.answer = QMessageBox::Ok;
        QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(f.db.count("SELECT count(*) FROM kolliyat"), count - 1);
        QCOMPARE(f.db.count(QString("SELECT count(*) FROM kolliyat WHERE kholase = '%1'").arg(QString(second).replace("'", "''"))), 0);
        QCOMPARE(f.gridRows("DBkolliyat"), count - 1);
    }

    void newRecordFromTheLastRow()
    {
        WindowFixture f;
        const int count = f.db.count("SELECT count(*) FROM kolliyat");
        auto *grid = f.find<QAbstractItemView>("DBkolliyat");
        f.click("SpeedButton4");
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(f.gridRows("DBkolliyat"), count + 1);
        QCOMPARE(f.titleShown("kolliyat"), QString());
        QTest::keyClick(grid, Qt::Key_Up);  // left empty: dropped
        QCOMPARE(f.gridRows("DBkolliyat"), count);
        QCOMPARE(f.db.count("SELECT count(*) FROM kolliyat"), count);

        QTest::keyClick(grid, Qt::Key_Down);
        typeText(grid, "پ");  // typing starts the editor, which takes the rest
        typeText(QApplication::focusWidget(), "رسش نو");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        f.click("SpeedButton3");
        QCOMPARE(f.db.count("SELECT count(*) FROM kolliyat"), count + 1);
        QCOMPARE(f.db.count("SELECT count(*) FROM kolliyat WHERE kholase = 'پرسش نو'"), 1);
    }
};

QTEST_MAIN(BrowseTest)
#include "tst_browse.moc"
