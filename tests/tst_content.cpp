#include "ContentFixture.h"
#include "DialogRecorder.h"
#include "TestDatabase.h"

#include "content/ContentData.h"
#include "content/DataError.h"
#include "content/Statements.h"
#include "controls/Dialogs.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <sqlite3.h>

namespace {

const QString kalamConnection = QStringLiteral(
    "Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=kalam.mdb;Mode=Share Deny None;"
    "Jet OLEDB:Database Password=\"\";Jet OLEDB:Engine Type=5");

const QStringList openingOrder{"ADOConnection1", "ADOTable1", "Qkolliyat", "ADOTable2", "Qmoghadamat",
                               "ADOTable3", "Qvajeb", "ADOTable4", "Qmostahab", "ADOTable5", "Qnamaz",
                               "ADOTable6", "Qmotefar", "ADOTable7", "qpnamaz"};

QStringList openAll(ContentData &content)
{
    QStringList reports;
    content.openAll([&](const QString &message) { reports << message; });
    return reports;
}

QByteArray fileHash(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

QString errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const DataError &e) {
        return e.message();
    }
    return {};
}

// A query of its own on the fixture, as the window's slots have.
struct OneQuery {
    Connection connection;
    Query query{&connection};
    explicit OneQuery(const QStringList &sql = {"SELECT *", "FROM kolliyat;"})
    {
        connection.setConnectionString(kalamConnection);
        query.setObjectName("Qkolliyat");
        query.setSql(sql);
        query.open();
    }
};

} // namespace

class ContentTest : public QObject
{
    Q_OBJECT
private slots:
    // --- opening -----------------------------------------------------------
    void opensEverythingInLayoutOrder()
    {
        TestDatabase db(contentFixtureSql());
        ContentData content(kalamConnection);
        QCOMPARE(openAll(content), QStringList());
        for (const SlotInfo &info : slotTable()) {
            QVERIFY(content.slot(info.slot).companion->isOpen());
            QCOMPARE(content.query(info.slot)->recordCount(), 3);
            QCOMPARE(content.query(info.slot)->sql(), initialStatement(info.slot));
            QCOMPARE(content.query(info.slot)->currentRow(), 0);
        }
        QCOMPARE(content.query(Slot::Vajeb)->fieldText("kholase"), QString("عنوان 1 elm"));
    }

    void badFileGivesFifteenReports_data()
    {
        QTest::addColumn<QByteArray>("content");   // file bytes; "<none>" for no file, "<dir>" for a folder
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QByteArray("<none>") << "there is no such file";
        QTest::newRow("folder") << QByteArray("<dir>") << "it is a folder";
        QTest::newRow("empty") << QByteArray() << "the file is empty";
        QTest::newRow("text file") << QByteArray("just some notes\n") << "the file is not a database";
        QTest::newRow("access file") << QByteArray("\x00\x01\x00\x00Standard Jet DB\x00\x01\x00\x00\x00", 24)
                                     << "Microsoft Access file";
        QTest::newRow("damaged")
            << QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\x5a') << "damaged";
    }
    void badFileGivesFifteenReports()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        if (content == "<dir>")
            QDir().mkdir("kalam.mdb");
        else if (content != "<none>") {
            QFile file("kalam.mdb");
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        const QByteArray before = content == "<none>" || content == "<dir>" ? QByteArray() : fileHash("kalam.mdb");
        QStringList reports;
        {
            ContentData data(kalamConnection);
            reports = openAll(data);
            for (const SlotInfo &info : slotTable())
                QCOMPARE(errorOf([&] { data.query(info.slot)->next(); }),
                         QString("%1: Cannot perform this operation on a closed dataset").arg(info.query));
        }
        const bool exists = QFileInfo::exists("kalam.mdb");
        const QByteArray after = exists && !QFileInfo("kalam.mdb").isDir() ? fileHash("kalam.mdb") : QByteArray();
        QDir::setCurrent(previous);

        QCOMPARE(reports.size(), 15);
        for (int i = 0; i < 15; ++i) {
            if (i > 0)
                QVERIFY2(reports[i].startsWith(openingOrder[i] + ": "), qPrintable(reports[i]));
            QVERIFY2(reports[i].contains("\"kalam.mdb\""), qPrintable(reports[i]));
            QVERIFY2(reports[i].contains(reason), qPrintable(reports[i]));
        }
        QCOMPARE(exists, content != "<none>");   // never created
        QCOMPARE(after, before);                 // never changed
    }

    // The start of the file is sound, so the connection opens; the damage
    // shows only when a table is read, and the message still names the file.
    void damageFurtherInNamesTheFile()
    {
        TestDatabase db;
        const int page = db.count("PRAGMA page_size");
        const int root = db.count("SELECT rootpage FROM sqlite_master WHERE name = 'kolliyat'");
        QVERIFY(root > 1);
        {
            QFile file(db.path());
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.seek(qint64(root - 1) * page));
            file.write(QByteArray(page, '\xff'));
        }
        Connection connection;
        connection.setConnectionString(kalamConnection);
        Query query(&connection);
        query.setObjectName("Qkolliyat");
        query.setSql({"SELECT * FROM kolliyat"});
        const QString error = errorOf([&] { query.open(); });
        QVERIFY2(error.startsWith("Qkolliyat: the database \"kalam.mdb\" is damaged"), qPrintable(error));
        QVERIFY(!query.isOpen());
    }

    void missingObjectsReportOnceEach_data()
    {
        QTest::addColumn<QStringList>("without");
        QTest::addColumn<QStringList>("reports");
        QTest::newRow("companion object") << QStringList{"Qpayambaran"} << QStringList{"ADOTable4: no such table: Qpayambaran"};
        QTest::newRow("content table") << QStringList{"mohamad"} << QStringList{"Qmotefar: no such table: mohamad"};
        QTest::newRow("both") << QStringList{"Qpayambaran", "mohamad"}
                              << QStringList{"ADOTable4: no such table: Qpayambaran", "Qmotefar: no such table: mohamad"};
    }
    void missingObjectsReportOnceEach()
    {
        QFETCH(QStringList, without);
        QFETCH(QStringList, reports);
        TestDatabase db(contentFixtureSql(without));
        ContentData content(kalamConnection);
        QCOMPARE(openAll(content), reports);
        // A slot whose companion object is missing works normally.
        QCOMPARE(content.query(Slot::Mostahab)->recordCount(), 3);
        content.query(Slot::Mostahab)->replaceStatement(filterStatement(Slot::Mostahab, "2"));
        QCOMPARE(content.query(Slot::Mostahab)->recordCount(), 1);
    }

    void missingFieldNamesControlAndField()
    {
        TestDatabase db(contentFixtureSql({"kolliyat"}) +
                        "CREATE TABLE kolliyat (id INTEGER PRIMARY KEY, kholase TEXT, porsesh TEXT, pasokh TEXT);");
        ContentData content(kalamConnection);
        content.source(Slot::Kolliyat)->bind("DBTextkolliyat", "kholase");
        content.source(Slot::Kolliyat)->bind("Memomankolliyat", "pavaraghi");
        QCOMPARE(openAll(content), QStringList{"Memomankolliyat: Field 'pavaraghi' not found"});
    }

    // --- moving --------------------------------------------------------------
    void moves_data()
    {
        QTest::addColumn<QString>("moves");  // f=first p=prior n=next l=last
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("current");
        QTest::newRow("next from the start") << "n" << 3 << 1;
        QTest::newRow("next past the end stays") << "nnnnn" << 3 << 2;
        QTest::newRow("prior at the start stays") << "p" << 3 << 0;
        QTest::newRow("prior after first stays") << "fp" << 3 << 0;
        QTest::newRow("last then next stays") << "ln" << 3 << 2;
        QTest::newRow("last then prior") << "lp" << 3 << 1;
        QTest::newRow("end then back") << "nnnpp" << 3 << 0;
        QTest::newRow("single record") << "nlpf" << 1 << 0;
        QTest::newRow("empty result") << "nlpf" << 0 << -1;
    }
    void moves()
    {
        QFETCH(QString, moves);
        QFETCH(int, rows);
        QFETCH(int, current);
        TestDatabase db(contentFixtureSql({}, rows));
        OneQuery q;
        for (QChar m : moves) {
            if (m == 'f') q.query.first();
            if (m == 'p') q.query.prior();
            if (m == 'n') q.query.next();
            if (m == 'l') q.query.last();
        }
        QCOMPARE(q.query.currentRow(), current);
        QCOMPARE(q.query.fieldText("kholase"), current < 0 ? QString() : QString("عنوان %1 kolliyat").arg(current + 1));
    }

    void replacingTheStatementStartsAtTheFirstMatch()
    {
        TestDatabase db(contentFixtureSql({}, 12));
        OneQuery q;
        QSignalSpy moved(&q.query, &Dataset::currentChanged);
        q.query.last();
        q.query.replaceStatement(filterStatement(Slot::Kolliyat, "1"));  // 1, 10, 11, 12
        QCOMPARE(q.query.sql(), QStringList{filterStatement(Slot::Kolliyat, "1")});
        QCOMPARE(q.query.recordCount(), 4);
        QCOMPARE(q.query.currentRow(), 0);
        QCOMPARE(q.query.fieldText("kholase"), QString("عنوان 1 kolliyat"));
        QVERIFY(moved.count() >= 2);
        q.query.replaceStatement(filterStatement(Slot::Kolliyat, "هیچ"));
        QCOMPARE(q.query.recordCount(), 0);
        QCOMPARE(q.query.fieldText("kholase"), QString());
    }

    void failedStatementLeavesTheQueryClosed()
    {
        TestDatabase db(contentFixtureSql());
        OneQuery q;
        db.exec("DROP TABLE kolliyat;");
        const QString error = errorOf([&] { q.query.replaceStatement(filterStatement(Slot::Kolliyat, "x")); });
        QCOMPARE(error, QString("Qkolliyat: no such table: kolliyat"));
        QVERIFY(!q.query.isOpen());
        QCOMPARE(errorOf([&] { q.query.recordCount(); }), QString("Qkolliyat: Cannot perform this operation on a closed dataset"));
        db.exec(contentFixtureSql({"ejaz", "elm", "payambaran", "vahy", "mohamad", "pnabovat", "Qkolliyat", "Qejaz",
                                   "Qelm", "Qpayambaran", "Qvahy", "Qmohamad", "Qpnabovat"}));
        q.query.replaceStatement(cancelStatement(Slot::Kolliyat));  // the next run opens it again
        QCOMPARE(q.query.recordCount(), 3);
    }

    // --- only reading statements -----------------------------------------------
    void statementsThatWriteAreRefused_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::newRow("delete") << "DELETE FROM kolliyat";
        QTest::newRow("two statements") << "SELECT * FROM kolliyat; DELETE FROM kolliyat";
        QTest::newRow("update") << "UPDATE kolliyat SET kholase = 'x'";
        QTest::newRow("drop") << "DROP TABLE kolliyat";
        QTest::newRow("attach creates a file") << "ATTACH 'other.db' AS other";
        QTest::newRow("pragma") << "PRAGMA journal_mode = WAL";
        QTest::newRow("transaction") << "BEGIN EXCLUSIVE";
        QTest::newRow("with ... delete") << "WITH x AS (SELECT 1) DELETE FROM kolliyat";
        QTest::newRow("create") << "CREATE TABLE t (a)";
        QTest::newRow("vacuum into") << "VACUUM INTO 'copy.db'";
    }
    void statementsThatWriteAreRefused()
    {
        QFETCH(QString, statement);
        TestDatabase db(contentFixtureSql());
        const QByteArray before = fileHash(db.path());
        {
            OneQuery q;
            const QString error = errorOf([&] { q.query.replaceStatement(statement); });
            QVERIFY2(error.startsWith("Qkolliyat: "), qPrintable(error));
            QVERIFY(!q.query.isOpen());
        }
        QCOMPARE(fileHash(db.path()), before);
        QCOMPARE(QDir(db.folder()).entryList(QDir::Files), QStringList{"kalam.mdb"});
    }

    void hostileTextStaysInsideThePattern_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("matches");
        QTest::newRow("closing quote and drop") << "x'; DROP TABLE kolliyat; --" << 0;
        QTest::newRow("or true") << "' OR '1'='1" << 0;
        QTest::newRow("quote only") << "'" << 1;
        QTest::newRow("percent") << "%" << 4;
        QTest::newRow("underscore") << "_" << 4;
        QTest::newRow("backslash and double quote") << "\\\"" << 0;
    }
    void hostileTextStaysInsideThePattern()
    {
        QFETCH(QString, text);
        QFETCH(int, matches);
        TestDatabase db(contentFixtureSql());
        db.exec("INSERT INTO kolliyat (kholase) VALUES ('it''s');");
        const QByteArray before = fileHash(db.path());
        {
            OneQuery q;
            q.query.replaceStatement(filterStatement(Slot::Kolliyat, text));
            QCOMPARE(q.query.recordCount(), matches);
        }
        QCOMPARE(fileHash(db.path()), before);
        QCOMPARE(db.count("SELECT count(*) FROM kolliyat"), 4);
    }

    // --- editing ---------------------------------------------------------------
    void editIsWrittenByTheNextMove_data()
    {
        QTest::addColumn<QString>("move");
        QTest::newRow("next") << "next";
        QTest::newRow("prior that does not move") << "prior";
        QTest::newRow("first that does not move") << "first";
        QTest::newRow("last") << "last";
    }
    void editIsWrittenByTheNextMove()
    {
        QFETCH(QString, move);
        TestDatabase db(contentFixtureSql());
        OneQuery q;
        const QString answer = "پاسخ تازه\r\nبا دو سطر";
        q.query.setFieldText("pasokh", answer);
        QCOMPARE(q.query.state(), Dataset::State::Edit);
        QCOMPARE(db.scalar("SELECT pasokh FROM kolliyat WHERE id = 1"), QString("پاسخ 1\r\nسطر دوم"));
        if (move == "next") q.query.next();
        if (move == "prior") q.query.prior();
        if (move == "first") q.query.first();
        if (move == "last") q.query.last();
        QCOMPARE(q.query.state(), Dataset::State::Browse);
        QCOMPARE(db.scalar("SELECT pasokh FROM kolliyat WHERE id = 1"), answer);
        QCOMPARE(db.scalar("SELECT kholase FROM kolliyat WHERE id = 1"), QString("عنوان 1 kolliyat"));
        OneQuery fresh;
        QCOMPARE(fresh.query.fieldText("pasokh"), answer);
    }

    void replacingTheStatementDropsAnUnwrittenEdit()
    {
        TestDatabase db(contentFixtureSql());
        OneQuery q;
        q.query.setFieldText("pasokh", "از دست می‌رود");
        q.query.replaceStatement(filterStatement(Slot::Kolliyat, "عنوان"));
        QCOMPARE(db.scalar("SELECT pasokh FROM kolliyat WHERE id = 1"), QString("پاسخ 1\r\nسطر دوم"));
        QCOMPARE(q.query.fieldText("pasokh"), QString("پاسخ 1\r\nسطر دوم"));
    }

    void revertedFieldIsWrittenAsRead()
    {
        TestDatabase db(contentFixtureSql());
        db.exec("UPDATE kolliyat SET kholase = NULL WHERE id = 1");
        OneQuery q;
        q.query.setFieldText("pasokh", "پاسخ تازه");
        q.query.setFieldText("kholase", "عنوان موقت");
        q.query.revertField("kholase");
        QVERIFY(!q.query.isFieldChanged("kholase"));
        q.query.next();
        QCOMPARE(db.count("SELECT count(*) FROM kolliyat WHERE id = 1 AND kholase IS NULL"), 1);
        QCOMPARE(db.scalar("SELECT pasokh FROM kolliyat WHERE id = 1"), QString("پاسخ تازه"));
    }

    void conflictingChangeIsNotOverwritten_data()
    {
        QTest::addColumn<QString>("otherChange");
        QTest::addColumn<QString>("expected");
        QTest::newRow("changed by another program") << "UPDATE kolliyat SET porsesh = 'دیگری' WHERE id = 1" << "دیگری";
        QTest::newRow("deleted by another program") << "DELETE FROM kolliyat WHERE id = 1" << "";
    }
    void conflictingChangeIsNotOverwritten()
    {
        QFETCH(QString, otherChange);
        QFETCH(QString, expected);
        TestDatabase db(contentFixtureSql());
        OneQuery q;
        q.query.setFieldText("porsesh", "متن من");
        db.exec(otherChange);
        const QString error = errorOf([&] { q.query.next(); });
        QVERIFY2(error.startsWith("Qkolliyat: Cannot save the record: it was changed or deleted by someone else"),
                 qPrintable(error));
        QCOMPARE(q.query.currentRow(), 0);
        QCOMPARE(q.query.state(), Dataset::State::Edit);
        QCOMPARE(q.query.fieldText("porsesh"), QString("متن من"));
        QCOMPARE(db.scalar("SELECT porsesh FROM kolliyat WHERE id = 1"), expected);
    }

    void lockedFileRefusesTheWriteAndKeepsTheText()
    {
        TestDatabase db(contentFixtureSql());
        OneQuery q;
        q.connection.setBusyTimeout(100);
        q.query.setFieldText("pasokh", "متن من");

        sqlite3 *other = nullptr;
        QCOMPARE(sqlite3_open_v2(db.path().toUtf8(), &other, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        const QString error = errorOf([&] { q.query.next(); });
        QVERIFY2(error.contains("locked by another program"), qPrintable(error));
        QCOMPARE(q.query.state(), Dataset::State::Edit);
        QCOMPARE(q.query.fieldText("pasokh"), QString("متن من"));

        sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(other);
        q.query.next();  // the next move tries again
        QCOMPARE(q.query.currentRow(), 1);
        QCOMPARE(db.scalar("SELECT pasokh FROM kolliyat WHERE id = 1"), QString("متن من"));
    }

    void readOnlyFileRefusesTheWrite()
    {
        TestDatabase db(contentFixtureSql());
        // Root writes through permission bits; the immutable attribute stops root too.
        const bool root = geteuid() == 0;
        if (root && QProcess::execute("chattr", {"+i", db.path()}) != 0)
            QSKIP("no way to make a file read-only for root here");
        if (!root)
            QFile::setPermissions(db.path(), QFileDevice::ReadOwner);
        const auto writable = qScopeGuard([&] {
            if (root)
                QProcess::execute("chattr", {"-i", db.path()});
        });
        OneQuery q;
        q.query.setFieldText("pasokh", "متن من");
        const QString error = errorOf([&] { q.query.next(); });
        QVERIFY2(error.contains("read-only"), qPrintable(error));
        QCOMPARE(q.query.state(), Dataset::State::Edit);
        QCOMPARE(q.query.currentRow(), 0);
        QCOMPARE(q.query.fieldText("pasokh"), QString("متن من"));
        QCOMPARE(db.scalar("SELECT pasokh FROM kolliyat WHERE id = 1"), QString("پاسخ 1\r\nسطر دوم"));
    }

    void rowsWithoutKeyAndWithExtraColumns()
    {
        TestDatabase db("CREATE TABLE kolliyat (kholase TEXT, porsesh TEXT, pasokh TEXT, pavaraghi TEXT, "
                        "vazn REAL, tasvir BLOB, shomare INTEGER);"
                        "INSERT INTO kolliyat VALUES ('یک', 'پ', 'پاسخ', NULL, 1.5, x'00ff', 7);"
                        "INSERT INTO kolliyat VALUES ('یک', 'پ', 'پاسخ', NULL, 1.5, x'00ff', 7);"
                        "INSERT INTO kolliyat VALUES ('دو', 'پ', 'پاسخ', NULL, 2.5, NULL, 8);");
        OneQuery q;
        q.query.next();
        q.query.setFieldText("pasokh", "تغییر");
        q.query.last();
        QCOMPARE(db.count("SELECT count(*) FROM kolliyat WHERE pasokh = 'تغییر'"), 1);
        QCOMPARE(db.count("SELECT count(*) FROM kolliyat WHERE pasokh = 'پاسخ' AND kholase = 'یک'"), 1);
        QCOMPARE(db.scalar("SELECT hex(tasvir) FROM kolliyat WHERE pasokh = 'تغییر'"), QString("00FF"));
        q.query.setFieldText("kholase", "سه");
        q.query.first();
        QCOMPARE(db.scalar("SELECT kholase FROM kolliyat WHERE shomare = 8"), QString("سه"));
    }

    // A column that compares without regard to case still tells Ab from ab:
    // the write goes to the row that was read, and a change of case made by
    // someone else is a change.
    void rowsThatDifferOnlyInCase()
    {
        TestDatabase db("CREATE TABLE kolliyat (kholase TEXT COLLATE NOCASE, porsesh TEXT, pasokh TEXT, "
                        "pavaraghi TEXT);"
                        "INSERT INTO kolliyat VALUES ('Ab', 'p', 'x', NULL);"
                        "INSERT INTO kolliyat VALUES ('ab', 'p', 'x', NULL);");
        OneQuery q;
        q.query.next();
        q.query.setFieldText("pasokh", "edited");
        q.query.first();
        QCOMPARE(db.scalar("SELECT pasokh FROM kolliyat WHERE kholase = 'ab' COLLATE BINARY"), QString("edited"));
        QCOMPARE(db.scalar("SELECT pasokh FROM kolliyat WHERE kholase = 'Ab' COLLATE BINARY"), QString("x"));

        db.exec("UPDATE kolliyat SET kholase = 'AB' WHERE kholase = 'Ab' COLLATE BINARY");
        q.query.setFieldText("pasokh", "mine");
        QVERIFY(!errorOf([&] { q.query.next(); }).isEmpty());
        QCOMPARE(q.query.state(), Dataset::State::Edit);
        QCOMPARE(db.count("SELECT count(*) FROM kolliyat WHERE pasokh = 'mine'"), 0);
    }

    void resultNotFromOneTableCannotBeWritten()
    {
        TestDatabase db(contentFixtureSql());
        OneQuery q({"SELECT k.kholase, e.porsesh, k.pasokh, k.pavaraghi FROM kolliyat k JOIN ejaz e ON e.id = k.id"});
        q.query.setFieldText("pasokh", "x");
        QVERIFY(errorOf([&] { q.query.next(); }).contains("does not come from a single table"));
        QCOMPARE(q.query.state(), Dataset::State::Edit);
    }

    void newRecords()
    {
        TestDatabase db(contentFixtureSql());
        OneQuery q;
        q.query.append();
        QCOMPARE(q.query.rowCount(), 4);
        q.query.first();  // left unchanged: dropped
        QCOMPARE(q.query.rowCount(), 3);
        QCOMPARE(db.count("SELECT count(*) FROM kolliyat"), 3);

        q.query.last();
        q.query.append();
        q.query.setFieldText("kholase", "عنوان نو");
        q.query.prior();
        QCOMPARE(db.count("SELECT count(*) FROM kolliyat"), 4);
        QCOMPARE(db.scalar("SELECT id FROM kolliyat WHERE kholase = 'عنوان نو'"), QString("4"));
        QCOMPARE(q.query.text(3, q.query.fieldIndex("id")), QString("4"));

        q.query.last();  // the new record can be edited again, found by its assigned key
        q.query.setFieldText("pasokh", "پاسخ نو");
        q.query.first();
        QCOMPARE(db.scalar("SELECT pasokh FROM kolliyat WHERE id = 4"), QString("پاسخ نو"));
    }

    void movingOffAnEmptyNewRecordSkipsNothing_data()
    {
        QTest::addColumn<QString>("where");  // a = appended at the end, i = inserted before row 1
        QTest::addColumn<QString>("move");
        QTest::addColumn<int>("row");
        QTest::newRow("appended, previous") << "a" << "prior" << 2;
        QTest::newRow("appended, next") << "a" << "next" << 2;
        QTest::newRow("inserted, previous") << "i" << "prior" << 0;
        QTest::newRow("inserted, next") << "i" << "next" << 1;
        QTest::newRow("inserted, page down") << "i" << "page" << 2;
    }
    void movingOffAnEmptyNewRecordSkipsNothing()
    {
        QFETCH(QString, where);
        QFETCH(QString, move);
        QFETCH(int, row);
        TestDatabase db(contentFixtureSql());
        OneQuery q;
        if (where == "a") {
            q.query.last();
            q.query.append();
        } else {
            q.query.next();
            q.query.insert();
        }
        if (move == "prior") q.query.prior();
        if (move == "next") q.query.next();
        if (move == "page") q.query.moveBy(2);
        QCOMPARE(q.query.rowCount(), 3);
        QCOMPARE(q.query.currentRow(), row);
        QCOMPARE(q.query.fieldText("kholase"), QString("عنوان %1 kolliyat").arg(row + 1));
    }

    void deleteRemovesTheRowFromTheFile()
    {
        TestDatabase db(contentFixtureSql());
        OneQuery q;
        q.query.next();
        q.query.deleteRecord();
        QCOMPARE(q.query.rowCount(), 2);
        QCOMPARE(q.query.fieldText("kholase"), QString("عنوان 3 kolliyat"));
        QCOMPARE(db.count("SELECT count(*) FROM kolliyat WHERE id = 2"), 0);
        db.exec("UPDATE kolliyat SET kholase = 'دیگری' WHERE id = 3");
        QVERIFY(errorOf([&] { q.query.deleteRecord(); }).contains("changed or deleted by someone else"));
        QCOMPARE(db.count("SELECT count(*) FROM kolliyat"), 2);
    }

    void twoConnectionsShareTheFile()
    {
        TestDatabase db(contentFixtureSql());
        OneQuery first, second;
        first.query.setFieldText("kholase", "از اولی");
        first.query.next();
        QCOMPARE(second.query.fieldText("kholase"), QString("عنوان 1 kolliyat"));  // a snapshot until reopened
        second.query.replaceStatement(cancelStatement(Slot::Kolliyat));
        QCOMPARE(second.query.fieldText("kholase"), QString("از اولی"));
    }

    // --- the error box -----------------------------------------------------------
    void errorBoxText_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "no such table: kolliyat" << "no such table: kolliyat.";
        QTest::newRow("period") << "Done." << "Done.";
        QTest::newRow("exclamation sorts before the period") << "Stop!" << "Stop!";
        QTest::newRow("closing parenthesis") << "(x)" << "(x)";
        QTest::newRow("slash sorts after") << "a/" << "a/.";
        QTest::newRow("persian letter") << "پرونده پیدا نشد" << "پرونده پیدا نشد.";
        QTest::newRow("empty") << "" << "";
    }
    void errorBoxText()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        DialogRecorder recorder;
        Dialogs::showError(nullptr, message);
        QCOMPARE(recorder.boxes.size(), 1);
        QCOMPARE(recorder.boxes[0].text, shown);
        QCOMPARE(recorder.boxes[0].title, QString("Ostravel"));
        QCOMPARE(recorder.boxes[0].icon, QMessageBox::Critical);
        QCOMPARE(recorder.boxes[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
};

QTEST_MAIN(ContentTest)
#include "tst_content.moc"
