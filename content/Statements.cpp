#include "content/Statements.h"

QString patternLiteral(const QString &text)
{
    QString pattern = QLatin1Char('%') + text + QLatin1Char('%');
    pattern.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + pattern + QLatin1Char('\'');
}

QStringList initialStatement(Slot slot)
{
    return {QStringLiteral("SELECT *"),
            QStringLiteral("FROM %1;").arg(QLatin1String(slotInfo(slot).contentTable))};
}

QString filterPrefix(Slot slot)
{
    return QStringLiteral("SELECT * FROM %1 where kholase like ")
        .arg(QLatin1String(slotInfo(slot).contentTable));
}

QString filterStatement(Slot slot, const QString &text)
{
    return filterPrefix(slot) + patternLiteral(text);
}

QString cancelStatement(Slot slot)
{
    return QStringLiteral("SELECT * FROM %1 ").arg(QLatin1String(slotInfo(slot).contentTable));
}

QString searchPrefix(SearchField field)
{
    return field == SearchField::Question
        ? QStringLiteral("SELECT * FROM pnabovat where porsesh like ")
        : QStringLiteral("SELECT * FROM pnabovat where pasokh like ");
}

QString searchStatement(SearchField field, const QString &text)
{
    return searchPrefix(field) + patternLiteral(text);
}
