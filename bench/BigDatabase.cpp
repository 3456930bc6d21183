#include "BigDatabase.h"

#include "content/SlotTable.h"

#include <QFile>
#include <QRandomGenerator>
#include <QStringList>
#include <sqlite3.h>

namespace {

const QStringList words{"روزه", "نماز", "قرآن", "ایمان", "اخلاق", "توحید", "عدالت", "معاد", "نبوت", "امامت",
                        "شب", "قدر", "رمضان", "دعا", "توبه", "صبر", "شکر", "حکمت", "علم", "عقل",
                        "می‌شود", "است", "چیست", "چرا", "چگونه", "آیا", "در", "با", "از", "برای"};

QString sentence(QRandomGenerator &random, int bytes)
{
    QString text;
    while (text.toUtf8().size() < bytes) {
        text += words[random.bounded(int(words.size()))];
        text += random.bounded(12) == 0 ? QStringLiteral(".\r\n") : QStringLiteral(" ");
    }
    return text;
}

void run(sqlite3 *db, const char *sql)
{
    char *error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK)
        qFatal("%s", error);
}

} // namespace

void writeBigDatabase(const QString &path, int records, int answerBytes)
{
    QFile::remove(path);
    sqlite3 *db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    run(db, "BEGIN");
    for (const SlotInfo &info : slotTable()) {
        run(db, QStringLiteral("CREATE TABLE %1 (id INTEGER PRIMARY KEY, kholase TEXT, porsesh TEXT, pasokh TEXT, "
                               "pavaraghi TEXT); CREATE TABLE %2 (onvan TEXT); INSERT INTO %2 VALUES ('%2');")
                    .arg(info.contentTable, info.companionObject).toUtf8().constData());
    }
    QRandomGenerator random(42);
    sqlite3_stmt *insert = nullptr;
    for (const SlotInfo &info : slotTable()) {
        const int count = info.slot == Slot::Kolliyat ? records : 50;
        sqlite3_prepare_v2(db, QStringLiteral("INSERT INTO %1 (kholase, porsesh, pasokh, pavaraghi) VALUES (?,?,?,?)")
                                   .arg(info.contentTable).toUtf8().constData(), -1, &insert, nullptr);
        for (int i = 0; i < count; ++i) {
            const QByteArray values[4] = {sentence(random, 40).trimmed().toUtf8(), sentence(random, 300).toUtf8(),
                                          sentence(random, answerBytes).toUtf8(), sentence(random, 120).toUtf8()};
            for (int c = 0; c < 4; ++c)
                sqlite3_bind_text(insert, c + 1, values[c].constData(), int(values[c].size()), SQLITE_TRANSIENT);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
    }
    run(db, "COMMIT");
    sqlite3_close(db);
}

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}
