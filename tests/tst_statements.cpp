#include "browse/CurrentSlot.h"
#include "content/Statements.h"

#include <QTest>

// The statement texts are the contract with the database: tested character by character.
class StatementsTest : public QObject
{
    Q_OBJECT
private slots:
    void patternLiteral_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("literal");
        QTest::newRow("plain") << "نماز" << "'%نماز%'";
        QTest::newRow("quote inside") << "ab'c" << "'%ab''c%'";
        QTest::newRow("quotes at the ends") << "'x'" << "'%''x''%'";
        QTest::newRow("only a quote") << "'" << "'%''%'";
        QTest::newRow("percent and underscore kept") << "5%_a" << "'%5%_a%'";
        QTest::newRow("blanks kept") << "  " << "'%  %'";
        QTest::newRow("double quote and backslash kept") << "a\"b\\c" << "'%a\"b\\c%'";
        QTest::newRow("hostile") << "x'; DROP TABLE kolliyat; --" << "'%x''; DROP TABLE kolliyat; --%'";
    }
    void patternLiteral()
    {
        QFETCH(QString, text);
        QFETCH(QString, literal);
        QCOMPARE(::patternLiteral(text), literal);
    }

    void slotStatements_data()
    {
        QTest::addColumn<Slot>("slot");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("cancel");
        auto row = [](Slot slot, const char *table) {
            const QString t = QLatin1String(table);
            QTest::newRow(table) << slot << "FROM " + t + ";" << "SELECT * FROM " + t + " where kholase like '%ن%'"
                                 << "SELECT * FROM " + t + " ";
        };
        row(Slot::Kolliyat, "kolliyat");
        row(Slot::Moghadamat, "ejaz");
        row(Slot::Vajeb, "elm");
        row(Slot::Mostahab, "payambaran");
        row(Slot::Namaz, "vahy");
        row(Slot::Motefar, "mohamad");
    }
    void slotStatements()
    {
        QFETCH(Slot, slot);
        QFETCH(QString, second);
        QFETCH(QString, filter);
        QFETCH(QString, cancel);
        QCOMPARE(initialStatement(slot), (QStringList{"SELECT *", second}));
        QCOMPARE(filterStatement(slot, "ن"), filter);
        QCOMPARE(cancelStatement(slot), cancel);
    }

    void searchStatements()
    {
        QCOMPARE(initialStatement(Slot::Pnamaz), (QStringList{"SELECT *", "FROM pnabovat;"}));
        QCOMPARE(searchStatement(SearchField::Question, "ab'c"),
                 QString("SELECT * FROM pnabovat where porsesh like '%ab''c%'"));
        QCOMPARE(searchStatement(SearchField::Answer, "عصمت"),
                 QString("SELECT * FROM pnabovat where pasokh like '%عصمت%'"));
    }

    void slotTableNames()
    {
        QStringList queries, companions, finds, fonts;
        for (const SlotInfo &info : slotTable()) {
            queries << info.query;
            companions << QString("%1/%2/%3").arg(info.companionTable, info.companionObject, info.companionSource);
            finds << (info.findDialog ? info.findDialog : "-");
            fonts << info.fontDialog;
        }
        QCOMPARE(queries, (QStringList{"Qkolliyat", "Qmoghadamat", "Qvajeb", "Qmostahab", "Qnamaz", "Qmotefar", "qpnamaz"}));
        QCOMPARE(companions.first(), QString("ADOTable1/Qkolliyat/DataSource1"));
        QCOMPARE(companions.last(), QString("ADOTable7/Qpnabovat/DataSource7"));
        QCOMPARE(finds, (QStringList{"FindDialog1", "FindDialog3", "FindDialog5", "FindDialog2", "FindDialog4", "FindDialog6", "-"}));
        QCOMPARE(fonts, (QStringList{"FontDialog1", "FontDialog2", "FontDialog3", "FontDialog4", "FontDialog5", "FontDialog6", "FontDialog7"}));
    }

    void testOrders()
    {
        auto names = [](auto order) {
            QStringList list;
            for (Slot s : order)
                list << slotInfo(s).suffix;
            return list.join(' ');
        };
        QCOMPARE(names(CurrentSlot::filterOrder), QString("kolliyat mostahab moghadamat namaz vajeb motefar"));
        QCOMPARE(names(CurrentSlot::navigationOrder), QString("kolliyat mostahab moghadamat namaz vajeb motefar pnamaz"));
        QCOMPARE(names(CurrentSlot::fontOrder), QString("kolliyat moghadamat vajeb mostahab namaz motefar pnamaz"));
    }
};

QTEST_APPLESS_MAIN(StatementsTest)
#include "tst_statements.moc"
