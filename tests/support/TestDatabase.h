#pragma once

#include <QString>
#include <QTemporaryDir>

struct sqlite3;

// A scratch working folder with a database file made from SQL text; the
// process works in that folder while the object lives.
class TestDatabase
{
public:
    // The kalam sample content.
    static QString sampleSql();

    explicit TestDatabase(const QString &sql = sampleSql(), const QString &fileName = QStringLiteral("kalam.mdb"));
    ~TestDatabase();

    QString folder() const { return m_dir.path(); }
    QString path() const;
    QString fileName() const { return m_fileName; }

    // Runs SQL on the file through a connection of its own, as another program would.
    void exec(const QString &sql) const;
    // A single text value read straight from the file.
    QString scalar(const QString &sql) const;
    int count(const QString &sql) const { return scalar(sql).toInt(); }

private:
    QTemporaryDir m_dir;
    QString m_fileName;
    QString m_previousFolder;
};
