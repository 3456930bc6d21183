#pragma once

#include "content/Dataset.h"

// A dataset whose statement is a list of lines of SQL text.
class Query : public Dataset
{
    Q_OBJECT
public:
    using Dataset::Dataset;

    const QStringList &sql() const { return m_sql; }
    void clearSql();  // closes an open query at once
    void addSql(const QString &line) { m_sql << line; }
    void setSql(const QStringList &lines);

    // How every command gives a query a new statement: clear the text, close,
    // add the statement as the only line, open. Whatever the query held before,
    // an unwritten change included, is dropped.
    void replaceStatement(const QString &statement);

protected:
    QString selectText() const override { return m_sql.join(QLatin1Char('\n')); }

private:
    QStringList m_sql;
};

// A dataset that opens a table or view by name and reads all of it.
class TableDataset : public Dataset
{
    Q_OBJECT
public:
    using Dataset::Dataset;

    QString tableName() const { return m_tableName; }
    void setTableName(const QString &name) { m_tableName = name; }

protected:
    QString selectText() const override;

private:
    QString m_tableName;
};
