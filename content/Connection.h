#pragma once

#include <QObject>
#include <QString>

struct sqlite3;

// The connection to the edition's database: an SQLite file named by the bare
// file name in the connection string's Data Source, looked up in the working
// directory. It is opened shared: other programs may read and write the file
// meanwhile, and a locked file is waited for a while before giving up.
class Connection : public QObject
{
    Q_OBJECT
public:
    explicit Connection(QObject *parent = nullptr);
    ~Connection() override;

    void setConnectionString(const QString &text);
    QString connectionString() const { return m_connectionString; }
    QString fileName() const;  // the Data Source item

    // Never creates a file. Throws DataError naming the file.
    void open();
    void close();
    bool isOpen() const { return m_db != nullptr; }

    sqlite3 *handle() const { return m_db; }

    // The last error of this connection in words; damage and a file that can
    // no longer be read name the file.
    QString lastError() const;

    // How long a statement waits for another program's lock before it fails.
    static constexpr int defaultBusyTimeoutMs = 5000;
    void setBusyTimeout(int milliseconds);

    // One item of a connection string ("Data Source" and the like), unquoted.
    static QString item(const QString &connectionString, const QString &key);

private:
    QString m_connectionString;
    sqlite3 *m_db = nullptr;
    int m_busyTimeoutMs = defaultBusyTimeoutMs;
};
