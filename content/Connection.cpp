#include "content/Connection.h"
#include "content/DataError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace {

QString quoted(const QString &name) { return QStringLiteral("\"%1\"").arg(name); }

// Splits "a=1;b=\"x;y\";c=" into items, honouring double quotes.
QList<QPair<QString, QString>> items(const QString &text)
{
    QList<QPair<QString, QString>> result;
    QString key, value, *into = &key;
    bool inQuotes = false;
    auto flush = [&] {
        if (!key.trimmed().isEmpty())
            result.append({key.trimmed(), value.trimmed()});
        key.clear();
        value.clear();
        into = &key;
    };
    for (QChar c : text) {
        if (c == QLatin1Char('"'))
            inQuotes = !inQuotes;
        else if (!inQuotes && c == QLatin1Char(';'))
            flush();
        else if (!inQuotes && c == QLatin1Char('=') && into == &key)
            into = &value;
        else
            into->append(c);
    }
    flush();
    return result;
}

// A readable reason why the file can't be a database we can open, or empty.
QString checkFile(const QString &name)
{
    const QFileInfo info(QDir::current(), name);
    if (!info.exists())
        return QStringLiteral("there is no such file in the folder %1")
            .arg(QDir::toNativeSeparators(QDir::currentPath()));
    if (info.isDir())
        return QStringLiteral("it is a folder, not a database file");
    QFile file(info.absoluteFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("the file cannot be read (%1)").arg(file.errorString());
    if (info.size() == 0)
        return QStringLiteral("the file is empty");
    const QByteArray head = file.read(32);
    if (head.mid(4, 15) == "Standard Jet DB" || head.mid(4, 15) == "Standard ACE DB")
        return QStringLiteral("it is a Microsoft Access file; this program reads SQLite databases");
    if (!head.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return QStringLiteral("the file is not a database");
    return {};
}

} // namespace

Connection::Connection(QObject *parent) : QObject(parent) {}

Connection::~Connection() { close(); }

void Connection::setConnectionString(const QString &text)
{
    close();
    m_connectionString = text;
}

QString Connection::item(const QString &connectionString, const QString &key)
{
    for (const auto &[k, v] : items(connectionString))
        if (k.compare(key, Qt::CaseInsensitive) == 0)
            return v;
    return {};
}

QString Connection::fileName() const
{
    return item(m_connectionString, QStringLiteral("Data Source"));
}

void Connection::open()
{
    if (m_db)
        return;
    const QString name = fileName();
    auto fail = [&](const QString &why) {
        throw DataError(QStringLiteral("Cannot open the database %1: %2").arg(quoted(name), why));
    };
    if (name.isEmpty())
        throw DataError(QStringLiteral("Cannot open the database: the connection names no file"));
    if (const QString why = checkFile(name); !why.isEmpty())
        fail(why);

    const QByteArray path = QFileInfo(QDir::current(), name).absoluteFilePath().toUtf8();
    sqlite3 *db = nullptr;
    // No SQLITE_OPEN_CREATE: a file that vanished in between is an error, never a new file.
    int rc = sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(db, m_busyTimeoutMs);
        sqlite3_extended_result_codes(db, 1);
        // Reading the schema proves the file is a database and not damaged at its start.
        rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    }
    if (rc != SQLITE_OK) {
        const int primary = rc & 0xff;
        // The file starts like a database (checked above), so it is damaged further in.
        QString why = primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT ? QStringLiteral("the file is damaged")
            : primary == SQLITE_BUSY           ? QStringLiteral("the file is locked by another program")
                                               : QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        fail(why);
    }
    m_db = db;
}

QString Connection::lastError() const
{
    const int primary = sqlite3_extended_errcode(m_db) & 0xff;
    const QString message = QString::fromUtf8(sqlite3_errmsg(m_db));
    if (primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB)
        return QStringLiteral("the database %1 is damaged (%2)").arg(quoted(fileName()), message);
    if (primary == SQLITE_IOERR || primary == SQLITE_CANTOPEN)
        return QStringLiteral("the database %1 can no longer be read (%2)").arg(quoted(fileName()), message);
    return message;
}

void Connection::setBusyTimeout(int milliseconds)
{
    m_busyTimeoutMs = milliseconds;
    if (m_db)
        sqlite3_busy_timeout(m_db, milliseconds);
}

void Connection::close()
{
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}
