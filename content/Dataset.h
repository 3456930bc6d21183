#pragma once

#include <QObject>
#include <QStringList>
#include "content/Cell.h"

#include <QVariant>
#include <vector>

class Connection;
struct sqlite3_stmt;

// A result read whole into memory (so its record count is exact) with a current
// record, moves, and optimistic editing of the current record. Subclasses say
// which statement produces the result.
//
// Writes identify the row by every value it had when it was read, so a row
// changed or deleted by someone else in the meantime is never overwritten.
class Dataset : public QObject
{
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };

    explicit Dataset(Connection *connection, QObject *parent = nullptr);
    ~Dataset() override;

    Connection *connection() const { return m_connection; }

    void open();   // throws DataError "<name>: ..."; the dataset stays closed on failure
    void close();  // drops the result and any change not yet written
    bool isOpen() const { return m_state != State::Inactive; }
    State state() const { return m_state; }

    // The result. recordCount() refuses on a closed dataset; rowCount() is 0 then.
    int recordCount() const;
    int rowCount() const { return int(m_rows.size()); }
    const QStringList &fieldNames() const { return m_fields; }
    int fieldIndex(const QString &field) const { return m_fields.indexOf(field); }
    QVariant value(int row, int field) const;
    QString text(int row, int field) const;

    // The current record: -1 when the result is empty or the dataset closed.
    int currentRow() const { return m_current; }
    bool bof() const { return m_bof; }
    bool eof() const { return m_eof; }
    QString fieldText(const QString &field) const;

    // Each move first writes (or drops, when unchanged) a pending edit; a refused
    // write throws and nothing moves.
    void first();
    void prior();
    void next();
    void last();
    void moveBy(int distance);
    void moveTo(int row);

    void edit();
    void setFieldText(const QString &field, const QString &text);
    bool isModified() const { return !m_changed.empty(); }
    bool isFieldChanged(const QString &field) const;
    void revertField(const QString &field);  // back to the value as read, NULL included
    void post();    // writes the edited or new record; throws DataError and stays in editing
    void cancel();  // drops the edit, or the new record
    void checkBrowseMode();
    void append();  // a new empty record at the end
    void insert();  // a new empty record before the current one
    void deleteRecord();

    // Bound controls announce the field they show; open() names the first
    // control whose field the result lacks.
    void addFieldUser(const QString &controlName, const QString &field);

    // "<name>: <message>" as every error of this dataset reads.
    QString messageFor(const QString &message) const;

signals:
    void reset();              // opened or closed: the whole result changed; currentChanged follows
    void currentChanged();     // another record became current
    void rowChanged(int row);  // values of a row changed (edited, written, undone)
    void rowInserted(int row);
    void rowRemoved(int row);
    void stateChanged();

protected:
    virtual QString selectText() const = 0;

private:
    struct Row { std::vector<Cell> values; };

    [[noreturn]] void fail(const QString &message) const;
    void requireOpen() const;
    bool dropsNewRecord() const;
    void readResult(sqlite3_stmt *statement);
    void setCurrent(int row);
    void setState(State state);
    void insertAt(int row);
    void requireWritableTable() const;
    QString rowMatch(int firstParameter) const;
    void bindOriginal(sqlite3_stmt *statement, int firstParameter) const;
    void writeUpdate();
    void writeInsert();
    [[noreturn]] void writeFailed(const QString &what, int code) const;

    Connection *m_connection;
    State m_state = State::Inactive;
    QStringList m_fields;
    QStringList m_originColumns;  // the table column behind each field
    QString m_table;              // the one table every field comes from, or empty
    std::vector<Row> m_rows;
    int m_current = -1;
    bool m_bof = true;
    bool m_eof = true;
    std::vector<Cell> m_original;  // the current row as read, while editing
    std::vector<int> m_changed;        // fields changed while editing
    QList<QPair<QString, QString>> m_fieldUsers;
};
