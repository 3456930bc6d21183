#include "content/Query.h"

void Query::clearSql()
{
    close();
    m_sql.clear();
}

void Query::setSql(const QStringList &lines)
{
    close();
    m_sql = lines;
}

void Query::replaceStatement(const QString &statement)
{
    clearSql();
    close();
    addSql(statement);
    open();
}

QString TableDataset::selectText() const
{
    QString name = m_tableName;
    name.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QStringLiteral("SELECT * FROM \"%1\"").arg(name);
}
