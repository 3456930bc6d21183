#include "controls/DataAwareText.h"

#include <QTest>

// A memo's document has one break where the stored text may have CR LF: how
// positions and typed changes are carried back into the stored form.
class StoredTextTest : public QObject
{
    Q_OBJECT
private slots:
    void lineBreak_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("lineBreak");
        QTest::newRow("CR LF") << "a\r\nb" << "\r\n";
        QTest::newRow("lone LF") << "a\nb\nc" << "\n";
        QTest::newRow("lone CR") << "a\rb" << "\r";
        QTest::newRow("no breaks") << "ab" << "\r\n";
        QTest::newRow("empty") << "" << "\r\n";
        QTest::newRow("first break decides") << "a\nb\r\nc" << "\n";
    }
    void lineBreak()
    {
        QFETCH(QString, stored);
        QFETCH(QString, lineBreak);
        QCOMPARE(StoredText::lineBreak(stored), lineBreak);
    }

    void positions_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("index");
        QTest::newRow("before a CR LF") << "ab\r\ncd" << 2 << 2;
        QTest::newRow("after a CR LF") << "ab\r\ncd" << 3 << 4;
        QTest::newRow("after two CR LFs") << "a\r\n\r\nb" << 3 << 5;
        QTest::newRow("lone LF counts one") << "a\nb" << 2 << 2;
        QTest::newRow("end") << "a\r\nb" << 3 << 4;
    }
    void positions()
    {
        QFETCH(QString, stored);
        QFETCH(int, position);
        QFETCH(int, index);
        QCOMPARE(StoredText::storedIndex(stored, position), index);
        QCOMPARE(StoredText::documentPosition(stored, index), position);
    }

    void insideCrLfCountsAsAfterIt()
    {
        QCOMPARE(StoredText::documentPosition("a\r\nb", 2), 2);
    }

    void applyEdit_data()
    {
        const QChar p = QChar::ParagraphSeparator;
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("result");
        QTest::newRow("letter after CR LF text") << "a\r\nb" << QString("a%1b").arg(p) << QString("a%1bc").arg(p)
                                                 << "a\r\nbc";
        QTest::newRow("new line in CR LF text") << "a\r\nb" << QString("a%1b").arg(p) << QString("a%1b%1").arg(p)
                                                << "a\r\nb\r\n";
        QTest::newRow("new line in LF text") << "a\nb" << QString("a%1b").arg(p) << QString("a%1%1b").arg(p)
                                             << "a\n\nb";
        QTest::newRow("new line in text without breaks") << "ab" << "ab" << QString("a%1b").arg(p) << "a\r\nb";
        QTest::newRow("new line into empty text") << "" << "" << QString("%1").arg(p) << "\r\n";
        QTest::newRow("joining lines removes CR and LF") << "a\r\nb" << QString("a%1b").arg(p) << "ab" << "ab";
        QTest::newRow("other breaks stay as stored") << "a\r\nb\nc" << QString("a%1b%1c").arg(p)
                                                     << QString("a%1bX%1c").arg(p) << "a\r\nbX\nc";
        QTest::newRow("Shift+Return's line separator")
            << "a\r\nb" << QString("a%1b").arg(p) << QString("a%1b%2c").arg(p).arg(QChar(QChar::LineSeparator))
            << "a\r\nb\r\nc";
        QTest::newRow("repeated letters around the change") << "aa\r\naa" << QString("aa%1aa").arg(p)
                                                            << QString("aa%1%1aa").arg(p) << "aa\r\n\r\naa";
        QTest::newRow("lone CR text keeps CR") << "a\rb" << QString("a%1b").arg(p) << QString("a%1b%1").arg(p)
                                               << "a\rb\r";
        QTest::newRow("everything replaced") << "x\r\ny" << QString("x%1y").arg(p) << "پاسخ" << "پاسخ";
        QTest::newRow("nothing changed") << "a\nb\r\nc" << QString("a%1b%1c").arg(p) << QString("a%1b%1c").arg(p)
                                         << "a\nb\r\nc";
    }
    void applyEdit()
    {
        QFETCH(QString, stored);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QString, result);
        QCOMPARE(StoredText::applyEdit(stored, before, after), result);
    }
};

QTEST_APPLESS_MAIN(StoredTextTest)
#include "tst_datacontrols_text.moc"
