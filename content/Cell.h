#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

// One value of a result as the database holds it. Text stays UTF-8 until it
// is shown: a whole table is read at every filter keystroke, but only the
// current record and the titles in sight are ever turned into QStrings.
struct Cell {
    enum Type : char { Null, Integer, Real, Text, Blob };

    Type type = Null;
    union {
        qint64 integer = 0;
        double real;
    };
    QByteArray bytes;  // Text (UTF-8) or Blob

    static Cell fromText(const QString &text)
    {
        Cell cell;
        cell.type = Text;
        cell.bytes = text.toUtf8();
        return cell;
    }
    QString toString() const
    {
        switch (type) {
        case Integer: return QString::number(integer);
        case Real: return QString::number(real);
        case Text: return QString::fromUtf8(bytes);
        default: return {};
        }
    }
    QVariant toVariant() const
    {
        switch (type) {
        case Integer: return QVariant(integer);
        case Real: return QVariant(real);
        case Text: return QVariant(QString::fromUtf8(bytes));
        case Blob: return QVariant(bytes);
        default: return {};
        }
    }
};
