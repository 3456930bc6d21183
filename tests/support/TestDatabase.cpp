#include "TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <sqlite3.h>

namespace {

sqlite3 *openFile(const QString &path, int flags)
{
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, flags, nullptr) != SQLITE_OK)
        qFatal("cannot open %s: %s", qPrintable(path), sqlite3_errmsg(db));
    sqlite3_busy_timeout(db, 5000);
    return db;
}

} // namespace

QString TestDatabase::sampleSql()
{
    QFile file(QStringLiteral(SAMPLE_SQL));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", SAMPLE_SQL);
    return QString::fromUtf8(file.readAll());
}

TestDatabase::TestDatabase(const QString &sql, const QString &fileName)
    : m_fileName(fileName), m_previousFolder(QDir::currentPath())
{
    sqlite3 *db = openFile(path(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    char *error = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK)
        qFatal("fixture SQL failed: %s", error);
    sqlite3_close(db);
    QDir::setCurrent(m_dir.path());
}

TestDatabase::~TestDatabase()
{
    QDir::setCurrent(m_previousFolder);
}

QString TestDatabase::path() const
{
    return m_dir.filePath(m_fileName);
}

void TestDatabase::exec(const QString &sql) const
{
    sqlite3 *db = openFile(path(), SQLITE_OPEN_READWRITE);
    char *error = nullptr;
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error);
    sqlite3_close(db);
    if (rc != SQLITE_OK)
        QTest::qFail(error, __FILE__, __LINE__);
}

QString TestDatabase::scalar(const QString &sql) const
{
    sqlite3 *db = openFile(path(), SQLITE_OPEN_READONLY);
    sqlite3_stmt *statement = nullptr;
    QString result;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr) == SQLITE_OK
        && sqlite3_step(statement) == SQLITE_ROW) {
        const auto *text = sqlite3_column_text(statement, 0);
        result = text ? QString::fromUtf8(reinterpret_cast<const char *>(text), sqlite3_column_bytes(statement, 0))
                      : QString();
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return result;
}
