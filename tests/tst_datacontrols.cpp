#include "DialogRecorder.h"
#include "TestDatabase.h"

#include "content/Connection.h"
#include "content/DataError.h"
#include "content/DataSource.h"
#include "content/Query.h"
#include "controls/AccessibleControls.h"
#include "controls/DBGrid.h"
#include "controls/DBMemo.h"
#include "controls/DBText.h"

#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <memory>

namespace {

struct Record {
    QString title, question, answer, notes;  // a null QString is NULL in the table
};

// Record 1 has CR LF breaks, record 3 a lone LF and NULLs, record 4 starts with Latin letters.
const QList<Record> records{
    {"عنوان یک", "پرسش یک", "پاسخ یک\r\nسطر دوم\r\nسطر سوم", "منبع یک"},
    {"عنوان دو", "پرسش دو", "پاسخ دو", "منبع دو"},
    {"عنوان سه", QString(), "خط یک\nخط دو", QString()},
    {"Windows 10.", "Windows 10.", "پاسخ چهار", "منبع چهار"},
};

QString literal(const QString &text)
{
    if (text.isNull())
        return QStringLiteral("NULL");
    return QLatin1Char('\'') + QString(text).replace(QLatin1Char('\''), QLatin1String("''")) + QLatin1Char('\'');
}

QString contentSql()
{
    QString sql = QStringLiteral("CREATE TABLE t (id INTEGER PRIMARY KEY, kholase TEXT, porsesh TEXT, "
                                 "pasokh TEXT, pavaraghi TEXT);\n");
    for (int i = 0; i < records.size(); ++i) {
        const Record &r = records[i];
        sql += QStringLiteral("INSERT INTO t VALUES (%1, %2, %3, %4, %5);\n")
                   .arg(i + 1)
                   .arg(literal(r.title), literal(r.question), literal(r.answer), literal(r.notes));
    }
    return sql;
}

// Keys and text go to whatever has the keyboard focus, as a user's would.
void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(static_cast<QWidget *>(nullptr), k, modifiers);
}

void type(const QString &text)
{
    for (QChar c : text) {
        if (c == QLatin1Char('\n'))
            key(Qt::Key_Return);
        else
            QTest::sendKeyEvent(QTest::Click, static_cast<QWidget *>(nullptr), Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
    }
}

// A window with one slot's five controls on a query of table t, laid out
// right to left like the reader's window, shown and active.
struct Reader {
    explicit Reader(const QString &sql = contentSql(), const QString &onlyField = {})
        : db(sql, QStringLiteral("reader.mdb"))
    {
        connection.setConnectionString(QStringLiteral("Data Source=reader.mdb"));
        query.setObjectName(QStringLiteral("Qt"));
        query.setSql({QStringLiteral("SELECT *"), QStringLiteral("FROM t;")});

        window.setLayoutDirection(Qt::RightToLeft);
        window.resize(600, 420);
        auto field = [&](const char *name) { return onlyField.isEmpty() ? QString::fromLatin1(name) : onlyField; };
        title = make<DBText>("DBTextt", {10, 10, 217, 28});
        title->bind(&source, field("kholase"));
        question = make<DBMemo>("Memopot", {10, 50, 300, 80});
        question->bind(&source, field("porsesh"));
        answer = make<DBMemo>("Memopat", {10, 140, 300, 100});
        answer->bind(&source, field("pasokh"));
        notes = make<DBMemo>("Memomat", {10, 250, 300, 80});
        notes->bind(&source, field("pavaraghi"));
        grid = make<DBGrid>("DBt", {350, 10, 169, 80});
        grid->bind(&source, field("kholase"), QStringLiteral("عنوان پرسش ها"));
        elsewhere = make<QLineEdit>("elsewhere", {350, 200, 169, 22});

        try {
            query.open();
        } catch (const DataError &e) {
            openError = e.message();
        }
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("the test window did not become active");
    }

    template <typename W>
    W *make(const char *name, QRect geometry)
    {
        auto *widget = new W(&window);
        widget->setObjectName(QLatin1String(name));
        widget->setGeometry(geometry);
        return widget;
    }

    QString file(const QString &column, int id) const
    {
        return db.scalar(QStringLiteral("SELECT %1 FROM t WHERE id = %2").arg(column).arg(id));
    }
    int currentId() const { return query.fieldText(QStringLiteral("id")).toInt(); }
    QModelIndex cell(int row) const { return grid->model()->index(row, 0); }
    void clickRow(int row) const
    {
        grid->scrollTo(cell(row));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell(row)).center());
    }
    // "append": Down on the last record; "insert": Insert on the second.
    void startNewRecord(const QString &made) const
    {
        clickRow(made == QLatin1String("append") ? 3 : 1);
        key(made == QLatin1String("append") ? Qt::Key_Down : Qt::Key_Insert);
    }
    QString mark(int row) const { return grid->model()->headerData(row, Qt::Vertical).toString(); }
    QList<int> markedRows() const
    {
        QList<int> rows;
        for (int r = 0; r < grid->model()->rowCount(); ++r)
            if (!mark(r).isEmpty())
                rows << r;
        return rows;
    }
    QList<int> selectedRows() const
    {
        QList<int> rows;
        for (const QModelIndex &index : grid->selectionModel()->selectedRows())
            rows << index.row();
        return rows;
    }

    TestDatabase db;
    Connection connection;
    Query query{&connection};
    DataSource source{&query};
    QWidget window;
    DBText *title;
    DBMemo *question, *answer, *notes;
    DBGrid *grid;
    QLineEdit *elsewhere;
    QString openError;
};

enum Operation { Next, Last, NextAtLast, PriorAtFirst, MoveTo, Reopen, ReopenEmpty, Close };

QString ink(const QImage &image, QRgb background, QRect *bounds)
{
    QRect found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                found |= QRect(x, y, 1, 1);
    *bounds = found;
    return found.isEmpty() ? QStringLiteral("no ink") : QString();
}

} // namespace

class DataControlsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { installDataAwareAccessibility(); }

    // --- following the current record -----------------------------------------

    void controlsFollowTheCurrentRecord_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("shown");  // 1-based record shown, 0 for none
        QTest::addColumn<int>("rows");
        QTest::newRow("next") << int(Next) << 2 << 4;
        QTest::newRow("last") << int(Last) << 4 << 4;
        QTest::newRow("next on the last") << int(NextAtLast) << 4 << 4;
        QTest::newRow("prior on the first") << int(PriorAtFirst) << 1 << 4;
        QTest::newRow("move to a record with NULLs") << int(MoveTo) << 3 << 4;
        QTest::newRow("reopened with a new statement") << int(Reopen) << 3 << 2;
        QTest::newRow("reopened, nothing found") << int(ReopenEmpty) << 0 << 0;
        QTest::newRow("closed") << int(Close) << 0 << 0;
    }
    void controlsFollowTheCurrentRecord()
    {
        QFETCH(int, operation);
        QFETCH(int, shown);
        QFETCH(int, rows);
        Reader reader;
        QCOMPARE(reader.openError, QString());
        Query &query = reader.query;
        query.next();  // start off the first record
        switch (Operation(operation)) {
        case Next: break;
        case Last: query.last(); break;
        case NextAtLast: query.last(); query.next(); break;
        case PriorAtFirst: query.first(); query.prior(); break;
        case MoveTo: query.moveTo(2); break;
        case Reopen: query.replaceStatement("SELECT * FROM t WHERE id >= 3"); break;
        case ReopenEmpty: query.replaceStatement("SELECT * FROM t WHERE id > 99"); break;
        case Close: query.close(); break;
        }

        const Record expected = shown ? records[shown - 1] : Record{};
        QCOMPARE(reader.title->text(), expected.title);
        QCOMPARE(reader.question->storedText(), QString(expected.question));
        QCOMPARE(reader.answer->storedText(), QString(expected.answer));
        QCOMPARE(reader.notes->storedText(), QString(expected.notes));
        QCOMPARE(reader.grid->model()->rowCount(), rows);
        const int row = query.currentRow();
        QCOMPARE(reader.grid->currentIndex().row(), row);
        QCOMPARE(reader.selectedRows(), row < 0 ? QList<int>() : QList<int>{row});
        QCOMPARE(reader.markedRows(), row < 0 ? QList<int>() : QList<int>{row});
        if (row >= 0) {
            QCOMPARE(reader.grid->model()->data(reader.cell(row)).toString(), expected.title);
            QVERIFY(reader.grid->viewport()->rect().contains(reader.grid->visualRect(reader.cell(row))));
        }
        // Showing a record is not editing it.
        QCOMPARE(query.state(), operation == Close ? Dataset::State::Inactive : Dataset::State::Browse);
        QVERIFY(!reader.answer->document()->isModified());
    }

    void titleTextFollowsEditsOfItsFieldMadeElsewhere()
    {
        Reader reader;
        reader.source.setText("kholase", "عنوان تازه");
        QCOMPARE(reader.title->text(), QString("عنوان تازه"));
        QCOMPARE(reader.grid->model()->data(reader.cell(0)).toString(), QString("عنوان تازه"));
        reader.query.cancel();
        QCOMPARE(reader.title->text(), records[0].title);
    }

    // --- title text ----------------------------------------------------------------

    void titleTextDrawsOneTransparentRightAlignedLine_data()
    {
        QTest::addColumn<Qt::LayoutDirection>("windowDirection");
        QTest::addColumn<QString>("text");
        QTest::newRow("Persian") << Qt::RightToLeft << "عنوان";
        QTest::newRow("Latin first") << Qt::RightToLeft << "Qt پرسش";
        QTest::newRow("left-to-right window") << Qt::LeftToRight << "عنوان";
    }
    void titleTextDrawsOneTransparentRightAlignedLine()
    {
        QFETCH(Qt::LayoutDirection, windowDirection);
        QFETCH(QString, text);
        const QString sql = QStringLiteral("CREATE TABLE t (kholase TEXT); INSERT INTO t VALUES (%1), (%2);")
                                .arg(literal(text), literal(QString("خیلی بلند ").repeated(30)));
        TestDatabase db(sql, "title.mdb");
        Connection connection;
        connection.setConnectionString("Data Source=title.mdb");
        Query query(&connection);
        query.setSql({"SELECT * FROM t"});
        DataSource source(&query);

        QWidget window;
        window.setLayoutDirection(windowDirection);
        window.setAutoFillBackground(true);
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, Qt::yellow);
        palette.setColor(QPalette::WindowText, Qt::black);
        window.setPalette(palette);
        window.resize(300, 100);
        auto *title = new DBText(&window);
        title->setObjectName("DBTextt");
        title->setGeometry(20, 10, 217, 60);
        title->bind(&source, "kholase");
        query.open();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const QRgb background = QColor(Qt::yellow).rgb();
        QRect bounds;
        // Grabbed from the window, so that what lies beneath the control shows.
        QImage image = window.grab(title->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(ink(image, background, &bounds), QString());
        QCOMPARE(image.pixel(0, image.height() - 1), background);  // the window shows through
        QVERIFY2(bounds.right() >= image.width() - 4, qPrintable(QString("text ends at %1").arg(bounds.right())));
        QVERIFY2(bounds.left() > 10, "short text should leave the left side empty");

        query.next();  // a title far wider than the control stays on one clipped line
        image = window.grab(title->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(ink(image, background, &bounds), QString());
        QVERIFY(bounds.left() <= 6);
        QVERIFY(bounds.right() >= image.width() - 3);
        QVERIFY2(bounds.bottom() <= title->fontMetrics().height() + 1, "the title wrapped");
    }

    // --- memos ---------------------------------------------------------------------

    void memoShowsCrLfTextAsLines()
    {
        Reader reader;
        QCOMPARE(reader.answer->blockCount(), 3);
        QCOMPARE(reader.answer->toPlainText(), QString("پاسخ یک\nسطر دوم\nسطر سوم"));
        QCOMPARE(reader.answer->storedText(), records[0].answer);
        QCOMPARE(reader.answer->textCursor().position(), 0);
        QVERIFY(!reader.answer->isReadOnly());
    }

    void memoReadsRightToLeft_data()
    {
        QTest::addColumn<int>("record");
        QTest::newRow("Persian") << 2;
        QTest::newRow("Latin first") << 4;
    }
    void memoReadsRightToLeft()
    {
        QFETCH(int, record);
        Reader reader;
        reader.query.moveTo(record - 1);
        const QTextBlock block = reader.question->document()->firstBlock();
        QCOMPARE(block.text(), records[record - 1].question);
        QCOMPARE(block.textDirection(), Qt::RightToLeft);
        const QTextLine line = block.layout()->lineAt(0);
        const QRectF drawn = line.naturalTextRect();
        QVERIFY2(drawn.right() >= line.width() - 1, "the line is not right-aligned");
        QVERIFY(drawn.left() > 10);
        if (record == 4)  // the closing period of a right-to-left line goes to its left end
            QVERIFY(line.cursorToX(0) > drawn.left() + 1);
    }

    void memoWritesBackWhatWasTyped_data()
    {
        QTest::addColumn<int>("record");
        QTest::addColumn<int>("line");    // the caret goes to the start of this line, or -1 for the end
        QTest::addColumn<QString>("typed");  // \n is Return, \b is Backspace
        QTest::addColumn<QString>("stored");
        QTest::newRow("new line in CR LF text") << 1 << -1 << "\nآخر"
                                                << records[0].answer + "\r\nآخر";
        QTest::newRow("letters inside CR LF text") << 1 << 1 << "ب "
                                                   << "پاسخ یک\r\nب سطر دوم\r\nسطر سوم";
        QTest::newRow("backspace joins CR LF lines") << 1 << 2 << "\b"
                                                     << "پاسخ یک\r\nسطر دومسطر سوم";
        QTest::newRow("new line in lone LF text") << 3 << -1 << "\nسه" << "خط یک\nخط دو\nسه";
        QTest::newRow("new line in text without breaks") << 2 << -1 << "\nادامه" << "پاسخ دو\r\nادامه";
    }
    void memoWritesBackWhatWasTyped()
    {
        QFETCH(int, record);
        QFETCH(int, line);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        Reader reader;
        reader.query.moveTo(record - 1);
        DBMemo *memo = reader.answer;
        memo->setFocus();
        QTextCursor cursor(memo->document());
        if (line < 0)
            cursor.movePosition(QTextCursor::End);
        else
            cursor.setPosition(memo->document()->findBlockByNumber(line).position());
        memo->setTextCursor(cursor);
        for (QChar c : typed) {
            if (c == QLatin1Char('\b'))
                key(Qt::Key_Backspace);
            else
                type(QString(c));
        }

        QCOMPARE(memo->storedText(), stored);
        QCOMPARE(reader.query.state(), Dataset::State::Edit);
        QCOMPARE(reader.file("pasokh", record), records[record - 1].answer);  // not written yet
        reader.query.next();
        QCOMPARE(reader.file("pasokh", record), stored);
        reader.query.moveTo(record - 1);
        QCOMPARE(memo->storedText(), stored);
    }

    void memoTypingIntoANullFieldWritesTheText()
    {
        Reader reader;
        reader.query.moveTo(2);
        reader.question->setFocus();
        type("پرسش\nتازه");
        reader.query.first();
        QCOMPARE(reader.file("porsesh", 3), QString("پرسش\r\nتازه"));
        QCOMPARE(reader.db.count("SELECT count(*) FROM t WHERE pavaraghi IS NULL"), 1);  // untouched NULL stays
    }

    void memoStartsAtTheTopOnEveryRecord()
    {
        Reader reader;
        QString longText;
        for (int i = 0; i < 60; ++i)
            longText += QStringLiteral("سطر %1\r\n").arg(i);
        reader.db.exec(QStringLiteral("UPDATE t SET pasokh = %1").arg(literal(longText)));
        reader.query.replaceStatement("SELECT * FROM t");
        DBMemo *memo = reader.answer;
        for (int record : {1, 2}) {
            memo->moveCursor(QTextCursor::End);
            memo->verticalScrollBar()->setValue(memo->verticalScrollBar()->maximum());
            QVERIFY(memo->verticalScrollBar()->value() > 0);
            reader.query.moveTo(record);  // the next record has the very same text
            QCOMPARE(memo->verticalScrollBar()->value(), 0);
            QCOMPARE(memo->textCursor().position(), 0);
            QCOMPARE(memo->storedText(), longText);
        }
        QCOMPARE(reader.query.state(), Dataset::State::Browse);
    }

    void memoSelectsByStoredPositions_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        const QString &stored = records[0].answer;
        QTest::newRow("inside the first line") << 0 << 4;
        QTest::newRow("across a CR LF") << int(stored.indexOf("سطر دوم")) - 3 << 8;
        QTest::newRow("after two CR LFs") << int(stored.indexOf("سطر سوم")) << 7;
    }
    void memoSelectsByStoredPositions()
    {
        QFETCH(int, start);
        QFETCH(int, length);
        Reader reader;
        reader.answer->selectStored(start, length);
        const QString expected =
            records[0].answer.mid(start, length).replace("\r\n", QString(QChar(QChar::ParagraphSeparator)));
        QCOMPARE(reader.answer->textCursor().selectedText(), expected);
        QCOMPARE(reader.query.state(), Dataset::State::Browse);
    }

    void refusedWriteKeepsTheMemoTextInEditing()
    {
        Reader reader;
        DialogRecorder dialogs;
        reader.answer->setFocus();
        reader.answer->moveCursor(QTextCursor::End);
        type(" افزوده");
        reader.db.exec("UPDATE t SET pavaraghi = 'changed meanwhile' WHERE id = 1");
        reader.grid->setFocus();
        key(Qt::Key_Down);

        QCOMPARE(dialogs.boxes.size(), 1);
        QCOMPARE(dialogs.boxes[0].title, QString("Ostravel"));
        QCOMPARE(dialogs.boxes[0].icon, QMessageBox::Critical);
        QCOMPARE(reader.query.currentRow(), 0);
        QCOMPARE(reader.query.state(), Dataset::State::Edit);
        QCOMPARE(reader.answer->storedText(), records[0].answer + " افزوده");
        QCOMPARE(reader.grid->currentIndex().row(), 0);
        QCOMPARE(reader.file("pasokh", 1), records[0].answer);
    }

    // --- title grid: moves ------------------------------------------------------------

    void gridKeysMove_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("to");  // -2: from + rows in sight, -3: from - rows in sight
        QTest::addColumn<int>("rows");
        QTest::addColumn<Dataset::State>("state");
        const auto none = Qt::KeyboardModifiers();
        const auto browse = Dataset::State::Browse;
        QTest::newRow("Down") << 0 << Qt::Key_Down << none << 1 << 4 << browse;
        QTest::newRow("Up") << 2 << Qt::Key_Up << none << 1 << 4 << browse;
        QTest::newRow("Up on the first") << 0 << Qt::Key_Up << none << 0 << 4 << browse;
        QTest::newRow("Tab") << 1 << Qt::Key_Tab << none << 2 << 4 << browse;
        QTest::newRow("Shift+Tab") << 1 << Qt::Key_Backtab << Qt::KeyboardModifiers(Qt::ShiftModifier) << 0 << 4
                                   << browse;
        QTest::newRow("Page Down") << 0 << Qt::Key_PageDown << none << -2 << 4 << browse;
        QTest::newRow("Page Up") << 3 << Qt::Key_PageUp << none << -3 << 4 << browse;
        QTest::newRow("Home") << 3 << Qt::Key_Home << none << 0 << 4 << browse;
        QTest::newRow("End") << 0 << Qt::Key_End << none << 3 << 4 << browse;
        QTest::newRow("Down on the last appends") << 3 << Qt::Key_Down << none << 4 << 5 << Dataset::State::Insert;
        QTest::newRow("Tab on the last appends") << 3 << Qt::Key_Tab << none << 4 << 5 << Dataset::State::Insert;
        QTest::newRow("Insert") << 1 << Qt::Key_Insert << none << 1 << 5 << Dataset::State::Insert;
    }
    void gridKeysMove()
    {
        QFETCH(int, from);
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, to);
        QFETCH(int, rows);
        QFETCH(Dataset::State, state);
        Reader reader;
        DialogRecorder dialogs;
        reader.query.moveTo(from);
        reader.grid->setFocus();

        // Rows in sight: those the viewport shows whole.
        int inSight = 0;
        for (int r = 0; r < reader.grid->model()->rowCount(); ++r)
            if (reader.grid->viewport()->rect().contains(reader.grid->visualRect(reader.cell(r))))
                ++inSight;
        QVERIFY(inSight >= 1 && inSight < 3);
        if (to == -2)
            to = std::min(from + inSight, 3);
        if (to == -3)
            to = std::max(from - inSight, 0);

        ::key(key, modifiers);
        QCOMPARE(reader.query.currentRow(), to);
        QCOMPARE(reader.query.rowCount(), rows);
        QCOMPARE(reader.query.state(), state);
        QCOMPARE(reader.grid->model()->rowCount(), rows);
        QCOMPARE(reader.grid->currentIndex().row(), to);
        QCOMPARE(reader.selectedRows(), QList<int>{to});
        QCOMPARE(reader.markedRows(), QList<int>{to});
        QVERIFY(reader.grid->viewport()->rect().contains(reader.grid->visualRect(reader.cell(to))));
        QVERIFY(reader.grid->hasFocus());
        QCOMPARE(dialogs.boxes.size(), 0);
        QStringList titles;
        for (const Record &r : records)
            titles << r.title;
        if (state == Dataset::State::Insert) {
            titles.insert(to, QString());
            QCOMPARE(reader.title->text(), QString());
            QCOMPARE(reader.answer->storedText(), QString());
        }
        QStringList shown;
        for (int r = 0; r < rows; ++r)
            shown << reader.grid->model()->data(reader.cell(r)).toString();
        QCOMPARE(shown, titles);
    }

    void gridClicksMoveAndOpenTheCell()
    {
        Reader reader;
        reader.clickRow(2);
        QCOMPARE(reader.query.currentRow(), 2);
        QCOMPARE(reader.title->text(), records[2].title);
        QVERIFY(!reader.grid->titleEditor());

        reader.clickRow(2);  // the current record's cell
        QVERIFY(reader.grid->titleEditor());
        QCOMPARE(reader.grid->titleEditor()->text(), records[2].title);
        QVERIFY(reader.grid->titleEditor()->hasFocus());
        QCOMPARE(reader.query.state(), Dataset::State::Browse);  // opening alone changes nothing

        // The indicator column moves too.
        const int y = reader.grid->visualRect(reader.cell(1)).center().y();
        QTest::mouseClick(reader.grid->verticalHeader()->viewport(), Qt::LeftButton, {}, QPoint(4, y));
        QCOMPARE(reader.query.currentRow(), 1);
        QCOMPARE(reader.selectedRows(), QList<int>{1});
        QVERIFY(!reader.grid->titleEditor());
    }

    // --- title grid: editing --------------------------------------------------------------

    void gridTitleTypedIsWrittenByTheNextMove_data()
    {
        QTest::addColumn<QString>("opening");
        QTest::addColumn<QString>("finish");
        QTest::newRow("click on the current cell, Down") << "click" << "Down";
        QTest::newRow("F2, Down") << "F2" << "Down";
        QTest::newRow("Enter, Enter again, Down") << "Enter" << "Enter";
        QTest::newRow("typing, focus elsewhere, next") << "type" << "focus";
    }
    void gridTitleTypedIsWrittenByTheNextMove()
    {
        QFETCH(QString, opening);
        QFETCH(QString, finish);
        Reader reader;
        DialogRecorder dialogs;
        reader.clickRow(1);
        if (opening == "click")
            reader.clickRow(1);
        else if (opening == "F2")
            key(Qt::Key_F2);
        else if (opening == "Enter")
            key(Qt::Key_Return);
        type("عنوان نو");  // replaces the whole title: opened with it selected, or by the first letter
        QVERIFY(reader.grid->titleEditor());
        QCOMPARE(reader.grid->titleEditor()->text(), QString("عنوان نو"));
        QCOMPARE(reader.query.state(), Dataset::State::Edit);

        if (finish != "Down") {
            // The editor closes and the record keeps the text, still unwritten.
            if (finish == "Enter")
                key(Qt::Key_Return);
            else
                QTest::mouseClick(reader.elsewhere, Qt::LeftButton);
            QVERIFY(!reader.grid->titleEditor());
            QCOMPARE(reader.title->text(), QString("عنوان نو"));
            QCOMPARE(reader.query.state(), Dataset::State::Edit);
        }
        QCOMPARE(reader.file("kholase", 2), records[1].title);
        if (finish == "focus")
            reader.query.next();
        else
            key(Qt::Key_Down);
        QCOMPARE(reader.query.currentRow(), 2);
        QCOMPARE(reader.file("kholase", 2), QString("عنوان نو"));
        QCOMPARE(reader.grid->model()->data(reader.cell(1)).toString(), QString("عنوان نو"));
        QCOMPARE(dialogs.boxes.size(), 0);
    }

    void typingIntoAnEmptyResultAddsARecord_data()
    {
        QTest::addColumn<bool>("inGrid");
        QTest::newRow("title typed into the grid") << true;
        QTest::newRow("answer typed into the memo") << false;
    }
    void typingIntoAnEmptyResultAddsARecord()
    {
        QFETCH(bool, inGrid);
        Reader reader;
        DialogRecorder dialogs;
        reader.query.replaceStatement("SELECT * FROM t WHERE id > 99");
        QCOMPARE(reader.grid->model()->rowCount(), 0);
        (inGrid ? static_cast<QWidget *>(reader.grid) : reader.answer)->setFocus();
        type("نو");
        QCOMPARE(reader.query.state(), Dataset::State::Insert);
        QCOMPARE(reader.query.rowCount(), 1);
        QCOMPARE(reader.selectedRows(), QList<int>{0});
        if (!inGrid)
            QCOMPARE(reader.answer->toPlainText(), QString("نو"));
        reader.query.first();
        QCOMPARE(reader.db.count("SELECT count(*) FROM t"), 5);
        QCOMPARE(reader.db.scalar(QString("SELECT %1 FROM t WHERE id = 5").arg(inGrid ? "kholase" : "pasokh")),
                 QString("نو"));
        QCOMPARE(dialogs.boxes.size(), 0);
    }

    void gridMarksTheCurrentRecordByState()
    {
        Reader reader;
        reader.query.moveTo(1);
        const QString browsing = reader.mark(1);
        reader.notes->setFocus();
        type("x");
        const QString editing = reader.mark(1);
        reader.query.cancel();
        QCOMPARE(reader.mark(1), browsing);
        reader.query.insert();
        const QString inserting = reader.mark(1);
        QCOMPARE(reader.markedRows(), QList<int>{1});
        QCOMPARE(QSet<QString>({browsing, editing, inserting}).size(), 3);
        QVERIFY(!browsing.isEmpty() && !editing.isEmpty() && !inserting.isEmpty());
    }

    void gridEscape_data()
    {
        QTest::addColumn<bool>("memoTyped");
        QTest::addColumn<bool>("titleTyped");
        QTest::addColumn<int>("escapes");
        QTest::addColumn<bool>("memoKept");
        QTest::newRow("undoes the title typed") << false << true << 1 << false;
        QTest::newRow("undoes only the title, the memo's change stays") << true << true << 1 << true;
        QTest::newRow("then drops the memo's change") << true << true << 2 << false;
        QTest::newRow("drops changes typed into a memo") << true << false << 1 << false;
    }
    void gridEscape()
    {
        QFETCH(bool, memoTyped);
        QFETCH(bool, titleTyped);
        QFETCH(int, escapes);
        QFETCH(bool, memoKept);
        Reader reader;
        const QString typedAnswer = records[0].answer + " چیز دیگر";
        if (memoTyped) {
            reader.answer->setFocus();
            reader.answer->moveCursor(QTextCursor::End);
            type(" چیز دیگر");
        }
        reader.grid->setFocus();
        if (titleTyped) {
            key(Qt::Key_F2);
            type("عنوان دیگر");
            QCOMPARE(reader.title->text(), QString("عنوان دیگر"));
        }
        for (int i = 0; i < escapes; ++i)
            key(Qt::Key_Escape);

        QVERIFY(!reader.grid->titleEditor());
        QCOMPARE(reader.query.state(), memoKept ? Dataset::State::Edit : Dataset::State::Browse);
        QCOMPARE(reader.query.rowCount(), 4);
        QCOMPARE(reader.query.currentRow(), 0);
        QCOMPARE(reader.title->text(), records[0].title);
        QCOMPARE(reader.grid->model()->data(reader.cell(0)).toString(), records[0].title);
        QCOMPARE(reader.answer->storedText(), memoKept ? typedAnswer : records[0].answer);
        QCOMPARE(reader.selectedRows(), QList<int>{0});
        reader.query.next();
        QCOMPARE(reader.file("kholase", 1), records[0].title);
        QCOMPARE(reader.file("pasokh", 1), memoKept ? typedAnswer : records[0].answer);
    }

    void gridEscapeOnANewRecord_data()
    {
        QTest::addColumn<int>("row");  // where Insert starts it
        QTest::newRow("first") << 0;
        QTest::newRow("second") << 1;
        QTest::newRow("appended") << 4;
    }
    void gridEscapeOnANewRecord()
    {
        QFETCH(int, row);
        Reader reader;
        DialogRecorder dialogs;
        if (row == 4) {
            reader.clickRow(3);
            key(Qt::Key_Down);
        } else {
            reader.clickRow(row);
            key(Qt::Key_Insert);
        }
        type("عنوان نو");
        QCOMPARE(reader.query.currentRow(), row);

        key(Qt::Key_Escape);  // the title typed goes; the new record stays, empty
        QVERIFY(!reader.grid->titleEditor());
        QCOMPARE(reader.query.state(), Dataset::State::Insert);
        QCOMPARE(reader.query.rowCount(), 5);
        QCOMPARE(reader.query.currentRow(), row);
        QCOMPARE(reader.grid->model()->data(reader.cell(row)).toString(), QString());
        QCOMPARE(reader.title->text(), QString());
        QCOMPARE(reader.markedRows(), QList<int>{row});

        key(Qt::Key_Escape);  // and then the new record itself
        QCOMPARE(reader.query.state(), Dataset::State::Browse);
        QCOMPARE(reader.query.rowCount(), 4);
        QCOMPARE(reader.grid->model()->rowCount(), 4);
        QCOMPARE(reader.query.currentRow(), std::min(row, 3));
        QCOMPARE(reader.selectedRows(), QList<int>{std::min(row, 3)});
        QCOMPARE(reader.db.count("SELECT count(*) FROM t"), 4);
        QCOMPARE(dialogs.boxes.size(), 0);
    }

    void gridTitleTypedIsWrittenByAMoveFromElsewhere()
    {
        // The navigation buttons take no focus: the editor is still open when they move.
        Reader reader;
        reader.clickRow(3);
        key(Qt::Key_Down);
        type("پرسش آخر");
        QVERIFY(reader.grid->titleEditor());
        reader.query.first();
        QCOMPARE(reader.db.scalar("SELECT kholase FROM t WHERE id = 5"), QString("پرسش آخر"));
        QCOMPARE(reader.query.currentRow(), 0);
        QVERIFY(!reader.grid->titleEditor());
        QCOMPARE(reader.selectedRows(), QList<int>{0});

        reader.clickRow(1);
        key(Qt::Key_F2);
        type("عنوان دو تازه");
        reader.query.next();
        QCOMPARE(reader.file("kholase", 2), QString("عنوان دو تازه"));
        QCOMPARE(reader.selectedRows(), QList<int>{2});
    }

    void gridNewRecordDroppedWhileItsEditorIsOpen_data()
    {
        QTest::addColumn<bool>("emptyList");
        QTest::newRow("after the last record") << false;
        QTest::newRow("the only record of an empty list") << true;
    }
    void gridNewRecordDroppedWhileItsEditorIsOpen()
    {
        QFETCH(bool, emptyList);
        Reader reader;
        DialogRecorder dialogs;
        if (emptyList) {
            reader.query.replaceStatement("SELECT * FROM t WHERE id > 99");
            reader.grid->setFocus();
        } else {
            reader.clickRow(3);
            key(Qt::Key_Down);
        }
        key(Qt::Key_F2);
        QVERIFY(reader.grid->titleEditor());
        QVERIFY(reader.grid->titleEditor()->hasFocus());
        QCOMPARE(reader.query.state(), Dataset::State::Insert);
        reader.query.first();  // drops the empty new record under the editor
        const int rows = emptyList ? 0 : 4;
        QCOMPARE(reader.query.state(), Dataset::State::Browse);
        QCOMPARE(reader.query.rowCount(), rows);
        QCOMPARE(reader.grid->model()->rowCount(), rows);
        QCOMPARE(reader.query.currentRow(), emptyList ? -1 : 0);
        QVERIFY(!reader.grid->titleEditor());
        QVERIFY(reader.grid->hasFocus());
        QCOMPARE(reader.selectedRows(), emptyList ? QList<int>() : QList<int>{0});
        QCOMPARE(dialogs.boxes.size(), 0);
    }

    void gridDropsANewRecordLeftEmpty_data()
    {
        QTest::addColumn<QString>("made");  // as Reader::startNewRecord takes it
        QTest::addColumn<QString>("leftBy");
        QTest::addColumn<int>("current");
        QTest::newRow("appended, Up") << "append" << "Up" << 3;
        QTest::newRow("appended, focus elsewhere") << "append" << "focus" << 3;
        QTest::newRow("appended, click on a row") << "append" << "click 0" << 0;
        QTest::newRow("appended, Home") << "append" << "Home" << 0;
        QTest::newRow("inserted, Up") << "insert" << "Up" << 0;
        QTest::newRow("inserted, Down") << "insert" << "Down" << 1;
        QTest::newRow("inserted, click on a row below") << "insert" << "click 3" << 2;
        QTest::newRow("inserted, focus elsewhere") << "insert" << "focus" << 1;
    }
    void gridDropsANewRecordLeftEmpty()
    {
        QFETCH(QString, made);
        QFETCH(QString, leftBy);
        QFETCH(int, current);
        Reader reader;
        DialogRecorder dialogs;
        reader.startNewRecord(made);
        QCOMPARE(reader.query.state(), Dataset::State::Insert);
        if (made == "append") {
            key(Qt::Key_Down);  // nothing follows an empty new record
            QCOMPARE(reader.query.rowCount(), 5);
            QCOMPARE(reader.query.currentRow(), 4);
        }

        if (leftBy == "Up")
            key(Qt::Key_Up);
        else if (leftBy == "Down")
            key(Qt::Key_Down);
        else if (leftBy == "Home")
            key(Qt::Key_Home);
        else if (leftBy == "focus")
            QTest::mouseClick(reader.elsewhere, Qt::LeftButton);
        else
            reader.clickRow(leftBy.section(' ', 1).toInt());

        QCOMPARE(reader.query.state(), Dataset::State::Browse);
        QCOMPARE(reader.query.rowCount(), 4);
        QCOMPARE(reader.grid->model()->rowCount(), 4);
        QCOMPARE(reader.query.currentRow(), current);
        QCOMPARE(reader.title->text(), records[current].title);
        QCOMPARE(reader.selectedRows(), QList<int>{current});
        QCOMPARE(reader.db.count("SELECT count(*) FROM t"), 4);
        QCOMPARE(dialogs.boxes.size(), 0);
    }

    // Insert in the grid, then the question typed into its memo: the text
    // goes into the new record, never into the record beside it.
    void newRecordIsFilledInThroughAMemo_data()
    {
        QTest::addColumn<QString>("made");
        QTest::newRow("inserted") << "insert";
        QTest::newRow("appended") << "append";
    }
    void newRecordIsFilledInThroughAMemo()
    {
        QFETCH(QString, made);
        Reader reader;
        DialogRecorder dialogs;
        reader.startNewRecord(made);
        QTest::mouseClick(reader.question->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(reader.question->hasFocus());
        QCOMPARE(reader.query.state(), Dataset::State::Insert);
        QCOMPARE(reader.question->storedText(), QString());
        type("پرسش تازه");
        reader.query.first();

        QCOMPARE(reader.db.count("SELECT count(*) FROM t"), 5);
        QCOMPARE(reader.db.count("SELECT count(*) FROM t WHERE porsesh = 'پرسش تازه' AND kholase IS NULL"), 1);
        for (const Record &r : records)
            QCOMPARE(reader.db.count(QString("SELECT count(*) FROM t WHERE kholase = %1 AND porsesh IS %2")
                                         .arg(literal(r.title), literal(r.question))),
                     1);
        QCOMPARE(dialogs.boxes.size(), 0);
    }

    void gridNewRecordWithATitleIsAdded()
    {
        Reader reader;
        reader.clickRow(3);
        key(Qt::Key_Down);
        type("پرسش تازه");
        key(Qt::Key_Up);
        QCOMPARE(reader.query.currentRow(), 3);
        QCOMPARE(reader.query.rowCount(), 5);
        QCOMPARE(reader.db.count("SELECT count(*) FROM t"), 5);
        QCOMPARE(reader.db.scalar("SELECT kholase FROM t WHERE id = 5"), QString("پرسش تازه"));
        QCOMPARE(reader.grid->model()->data(reader.cell(4)).toString(), QString("پرسش تازه"));
    }

    void gridCtrlDeleteAsksFirst()
    {
        Reader reader;
        DialogRecorder dialogs;
        reader.clickRow(1);
        dialogs.answer = QMessageBox::Cancel;
        key(Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(dialogs.boxes.size(), 1);
        QCOMPARE(dialogs.boxes[0].title, QString("Confirm"));
        QCOMPARE(dialogs.boxes[0].text, QString("Delete record?"));
        QCOMPARE(dialogs.boxes[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(reader.db.count("SELECT count(*) FROM t WHERE id = 2"), 1);
        QCOMPARE(reader.grid->model()->rowCount(), 4);

        dialogs.answer = QMessageBox::Ok;
        key(Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(dialogs.boxes.size(), 2);
        QCOMPARE(reader.db.count("SELECT count(*) FROM t WHERE id = 2"), 0);
        QCOMPARE(reader.db.count("SELECT count(*) FROM t"), 3);
        QCOMPARE(reader.grid->model()->rowCount(), 3);
        QCOMPARE(reader.query.currentRow(), 1);
        QCOMPARE(reader.title->text(), records[2].title);
        QCOMPARE(reader.grid->model()->data(reader.cell(1)).toString(), records[2].title);
        QCOMPARE(reader.selectedRows(), QList<int>{1});
        QCOMPARE(reader.markedRows(), QList<int>{1});
    }

    void gridRefusedWriteStaysPut_data()
    {
        QTest::addColumn<QString>("move");
        QTest::newRow("click on another row") << "click";
        QTest::newRow("Down") << "Down";
        QTest::newRow("Page Down") << "PageDown";
    }
    void gridRefusedWriteStaysPut()
    {
        QFETCH(QString, move);
        Reader reader;
        DialogRecorder dialogs;
        reader.clickRow(0);
        type("عنوان رد شده");
        reader.db.exec("UPDATE t SET porsesh = 'changed meanwhile' WHERE id = 1");
        if (move == "click")
            reader.clickRow(2);
        else
            key(move == "Down" ? Qt::Key_Down : Qt::Key_PageDown);

        QCOMPARE(dialogs.boxes.size(), 1);
        QCOMPARE(dialogs.boxes[0].icon, QMessageBox::Critical);
        QCOMPARE(reader.query.currentRow(), 0);
        QCOMPARE(reader.query.state(), Dataset::State::Edit);
        QCOMPARE(reader.grid->currentIndex().row(), 0);
        QCOMPARE(reader.selectedRows(), QList<int>{0});
        QCOMPARE(reader.grid->model()->data(reader.cell(0)).toString(), QString("عنوان رد شده"));
        QCOMPARE(reader.title->text(), QString("عنوان رد شده"));
        QCOMPARE(reader.file("kholase", 1), records[0].title);
    }

    void gridDeleteRefusedShowsTheError()
    {
        Reader reader;
        DialogRecorder dialogs;
        reader.clickRow(1);
        reader.db.exec("DELETE FROM t WHERE id = 2");
        key(Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(dialogs.boxes.size(), 2);  // the question, then the error
        QCOMPARE(dialogs.boxes[1].icon, QMessageBox::Critical);
        QCOMPARE(reader.grid->model()->rowCount(), 4);
        QCOMPARE(reader.selectedRows(), QList<int>{1});
    }

    void gridOnAClosedQueryIgnoresKeys()
    {
        Reader reader;
        DialogRecorder dialogs;
        reader.query.close();
        reader.grid->setFocus();
        for (Qt::Key k : {Qt::Key_Down, Qt::Key_Insert, Qt::Key_F2, Qt::Key_Escape})
            key(k);
        type("x");
        QCOMPARE(dialogs.boxes.size(), 0);
        QVERIFY(!reader.query.isOpen());
        QCOMPARE(reader.grid->model()->rowCount(), 0);
        QVERIFY(reader.answer->isReadOnly());  // nothing to type into
    }

    // --- title grid: layout -------------------------------------------------------------------

    void gridRowsAreOneLineHigh()
    {
        Reader reader;
        DBGrid *grid = reader.grid;
        for (int pixels : {12, 20}) {
            QFont font = grid->font();
            font.setPixelSize(pixels);
            grid->setFont(font);
            const int expected = QFontMetrics(font).height() + 3 + 1;
            for (int r = 0; r < 4; ++r)
                QCOMPARE(grid->rowHeight(r), expected);
        }
        // Under right to left the indicator column is at the right edge.
        QVERIFY(grid->verticalHeader()->geometry().left() > grid->viewport()->geometry().right());
        QVERIFY(grid->verticalHeader()->isVisible());
        QCOMPARE(grid->model()->headerData(0, Qt::Horizontal).toString(), QString("عنوان پرسش ها"));
    }

    // Twenty thousand titles: the grid keeps one cell widget at most, moves by
    // keys to the far ends, and keeps every row one line high.
    void gridWithManyRows()
    {
        const QString sql = "CREATE TABLE t (id INTEGER PRIMARY KEY, kholase TEXT, porsesh TEXT, pasokh TEXT, "
                            "pavaraghi TEXT);"
                            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000) "
                            "INSERT INTO t SELECT i, 'عنوان شماره ' || i, 'پرسش', 'پاسخ', 'منبع' FROM n;";
        Reader reader(sql);
        reader.grid->setFocus();
        key(Qt::Key_End);
        QCOMPARE(reader.query.currentRow(), 19999);
        QCOMPARE(reader.title->text(), QString("عنوان شماره 20000"));
        key(Qt::Key_Home);
        QCOMPARE(reader.query.currentRow(), 0);
        reader.query.replaceStatement("SELECT * FROM t");
        QCoreApplication::processEvents();
        QCOMPARE(reader.grid->model()->rowCount(), 20000);
        QCOMPARE(reader.grid->rowHeight(19999), reader.grid->rowHeight(0));
        QVERIFY(reader.grid->findChildren<QWidget *>().size() < 30);  // no widget per row
    }

    // --- a field the result lacks -----------------------------------------------------------

    void missingFieldShowsNothing()
    {
        Reader reader(contentSql(), "onvan");
        DialogRecorder dialogs;
        QCOMPARE(reader.openError, QString("DBTextt: Field 'onvan' not found"));
        QCOMPARE(reader.title->text(), QString());
        QCOMPARE(reader.answer->storedText(), QString());
        QVERIFY(reader.answer->isReadOnly());
        QCOMPARE(reader.grid->model()->rowCount(), 4);
        QCOMPARE(reader.grid->model()->data(reader.cell(0)).toString(), QString());
        reader.clickRow(1);
        reader.clickRow(1);
        type("x");
        QVERIFY(!reader.grid->titleEditor());
        QCOMPARE(reader.query.currentRow(), 1);
        QCOMPARE(reader.query.state(), Dataset::State::Browse);
        QCOMPARE(dialogs.boxes.size(), 0);
    }

    // --- screen readers ---------------------------------------------------------------------------

    void titleTextIsStaticTextNamedByItsText()
    {
        Reader reader;
        QAccessibleInterface *title = QAccessible::queryAccessibleInterface(reader.title);
        QVERIFY(title);
        QCOMPARE(title->role(), QAccessible::StaticText);
        QCOMPARE(title->text(QAccessible::Name), records[0].title);
        QCOMPARE(title->text(QAccessible::Value), records[0].title);
        reader.query.next();
        QCOMPARE(title->text(QAccessible::Name), records[1].title);

        reader.title->setAccessibleName("عنوان پرسش");  // the window's name wins
        QCOMPARE(title->text(QAccessible::Name), QString("عنوان پرسش"));
        QCOMPARE(title->text(QAccessible::Value), records[1].title);
    }

    void memoAndGridAreReadable()
    {
        Reader reader;
        reader.query.moveTo(2);
        QAccessibleInterface *memo = QAccessible::queryAccessibleInterface(reader.answer);
        QVERIFY(memo);
        QCOMPARE(memo->role(), QAccessible::EditableText);
        QCOMPARE(memo->text(QAccessible::Value), QString("خط یک\nخط دو"));

        QAccessibleInterface *grid = QAccessible::queryAccessibleInterface(reader.grid);
        QVERIFY(grid);
        QCOMPARE(grid->role(), QAccessible::Table);
        QAccessibleTableInterface *table = grid->tableInterface();
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 4);
        QCOMPARE(table->columnCount(), 1);
        QAccessibleInterface *cell = table->cellAt(3, 0);
        QVERIFY(cell);
        QCOMPARE(cell->text(QAccessible::Name), records[3].title);
        QCOMPARE(table->selectedRows(), QList<int>{2});
    }
};

QTEST_MAIN(DataControlsTest)
#include "tst_datacontrols.moc"
