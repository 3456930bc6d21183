#include "content/Dataset.h"
#include "content/Connection.h"
#include "content/DataError.h"

#include <sqlite3.h>

#include <algorithm>

namespace {

// Statements that reach a dataset may only read: the authorizer refuses
// anything else while they are compiled and run.
int readOnlyAuthorizer(void *, int action, const char *, const char *, const char *, const char *)
{
    switch (action) {
    case SQLITE_SELECT:
    case SQLITE_READ:
    case SQLITE_FUNCTION:
    case SQLITE_RECURSIVE:
        return SQLITE_OK;
    default:
        return SQLITE_DENY;
    }
}

class Statement
{
public:
    Statement(sqlite3 *db, const QString &text, bool readOnly) : m_db(db), m_readOnly(readOnly)
    {
        const QByteArray utf8 = text.toUtf8();
        const char *tail = nullptr;
        if (m_readOnly)
            sqlite3_set_authorizer(m_db, readOnlyAuthorizer, nullptr);
        m_rc = sqlite3_prepare_v2(m_db, utf8.constData(), int(utf8.size()), &m_statement, &tail);
        if (m_rc == SQLITE_OK && tail)
            m_rest = QString::fromUtf8(tail).trimmed();
    }
    ~Statement()
    {
        sqlite3_finalize(m_statement);
        if (m_readOnly)
            sqlite3_set_authorizer(m_db, nullptr, nullptr);
    }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    int prepareResult() const { return m_rc; }
    sqlite3_stmt *get() const { return m_statement; }
    // Anything after the first statement but blanks and semicolons.
    bool hasMoreThanOne() const
    {
        return std::any_of(m_rest.begin(), m_rest.end(), [](QChar c) {
            return !c.isSpace() && c != QLatin1Char(';');
        });
    }

private:
    sqlite3 *m_db;
    bool m_readOnly;
    sqlite3_stmt *m_statement = nullptr;
    int m_rc;
    QString m_rest;
};

Cell columnValue(sqlite3_stmt *statement, int column)
{
    Cell cell;
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        cell.type = Cell::Integer;
        cell.integer = sqlite3_column_int64(statement, column);
        break;
    case SQLITE_FLOAT:
        cell.type = Cell::Real;
        cell.real = sqlite3_column_double(statement, column);
        break;
    case SQLITE_TEXT:
        cell.type = Cell::Text;
        cell.bytes = QByteArray(reinterpret_cast<const char *>(sqlite3_column_text(statement, column)),
                                sqlite3_column_bytes(statement, column));
        break;
    case SQLITE_BLOB:
        cell.type = Cell::Blob;
        cell.bytes = QByteArray(static_cast<const char *>(sqlite3_column_blob(statement, column)),
                                sqlite3_column_bytes(statement, column));
        break;
    default:
        break;
    }
    return cell;
}

void bindValue(sqlite3_stmt *statement, int parameter, const Cell &value)
{
    switch (value.type) {
    case Cell::Null:
        sqlite3_bind_null(statement, parameter);
        break;
    case Cell::Integer:
        sqlite3_bind_int64(statement, parameter, value.integer);
        break;
    case Cell::Real:
        sqlite3_bind_double(statement, parameter, value.real);
        break;
    case Cell::Blob:
        sqlite3_bind_blob(statement, parameter, value.bytes.constData(), int(value.bytes.size()), SQLITE_TRANSIENT);
        break;
    case Cell::Text:
        sqlite3_bind_text(statement, parameter, value.bytes.constData(), int(value.bytes.size()), SQLITE_TRANSIENT);
        break;
    }
}

QString identifier(const QString &name)
{
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

Dataset::Dataset(Connection *connection, QObject *parent) : QObject(parent), m_connection(connection) {}

Dataset::~Dataset() = default;

QString Dataset::messageFor(const QString &message) const
{
    return objectName() + QLatin1String(": ") + message;
}

void Dataset::fail(const QString &message) const
{
    throw DataError(messageFor(message));
}

void Dataset::requireOpen() const
{
    if (!isOpen())
        fail(QStringLiteral("Cannot perform this operation on a closed dataset"));
}

void Dataset::open()
{
    if (isOpen())
        return;
    if (!m_connection->isOpen()) {
        try {
            m_connection->open();
        } catch (const DataError &e) {
            fail(e.message());
        }
    }
    sqlite3 *db = m_connection->handle();
    const QString text = selectText();
    Statement statement(db, text, true);
    const int rc = statement.prepareResult();
    if (rc == SQLITE_AUTH)
        fail(QStringLiteral("only statements that read can be run here"));
    if (rc != SQLITE_OK)
        fail(m_connection->lastError());
    if (!statement.get())
        fail(QStringLiteral("the statement is empty"));
    if (statement.hasMoreThanOne())
        fail(QStringLiteral("only one statement can be run at a time"));
    if (!sqlite3_stmt_readonly(statement.get()))
        fail(QStringLiteral("only statements that read can be run here"));

    readResult(statement.get());

    m_current = m_rows.empty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rows.empty();
    m_state = State::Browse;
    emit reset();
    emit stateChanged();
    emit currentChanged();

    for (const auto &[control, field] : std::as_const(m_fieldUsers))
        if (!m_fields.contains(field))
            throw DataError(QStringLiteral("%1: Field '%2' not found").arg(control, field));
}

void Dataset::readResult(sqlite3_stmt *statement)
{
    const int columns = sqlite3_column_count(statement);
    QStringList fields, origins;
    QString table;
    bool oneTable = columns > 0;
    for (int c = 0; c < columns; ++c) {
        fields << QString::fromUtf8(sqlite3_column_name(statement, c));
        const char *origin = sqlite3_column_origin_name(statement, c);
        const char *source = sqlite3_column_table_name(statement, c);
        origins << QString::fromUtf8(origin ? origin : "");
        const QString sourceName = QString::fromUtf8(source ? source : "");
        if (!origin || sourceName.isEmpty() || (c > 0 && sourceName != table))
            oneTable = false;
        table = sourceName;
    }

    std::vector<Row> rows;
    int rc;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        Row row;
        row.values.reserve(columns);
        for (int c = 0; c < columns; ++c)
            row.values.push_back(columnValue(statement, c));
        rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) {
        const int primary = rc & 0xff;
        if (primary == SQLITE_AUTH)
            fail(QStringLiteral("only statements that read can be run here"));
        fail(m_connection->lastError());
    }
    m_fields = fields;
    m_originColumns = origins;
    m_table = oneTable ? table : QString();
    m_rows = std::move(rows);
}

void Dataset::close()
{
    if (!isOpen())
        return;
    m_state = State::Inactive;
    m_rows.clear();
    m_rows.shrink_to_fit();
    m_fields.clear();
    m_originColumns.clear();
    m_table.clear();
    m_current = -1;
    m_bof = m_eof = true;
    m_original.clear();
    m_changed.clear();
    emit reset();
    emit stateChanged();
    emit currentChanged();
}

int Dataset::recordCount() const
{
    requireOpen();
    return rowCount();
}

QVariant Dataset::value(int row, int field) const
{
    if (row < 0 || row >= rowCount() || field < 0 || field >= m_fields.size())
        return {};
    return m_rows[row].values[field].toVariant();
}

QString Dataset::text(int row, int field) const
{
    if (row < 0 || row >= rowCount() || field < 0 || field >= m_fields.size())
        return {};
    return m_rows[row].values[field].toString();
}

QString Dataset::fieldText(const QString &field) const
{
    return text(m_current, fieldIndex(field));
}

void Dataset::setCurrent(int row)
{
    if (row == m_current)
        return;
    m_current = row;
    emit currentChanged();
}

void Dataset::setState(State state)
{
    if (state == m_state)
        return;
    m_state = state;
    emit stateChanged();
}

void Dataset::first()
{
    requireOpen();
    checkBrowseMode();
    if (m_rows.empty())
        return;
    m_bof = true;
    m_eof = false;
    setCurrent(0);
}

void Dataset::last()
{
    requireOpen();
    checkBrowseMode();
    if (m_rows.empty())
        return;
    m_bof = false;
    m_eof = true;
    setCurrent(rowCount() - 1);
}

// A new record left unchanged is dropped by the move that leaves it; the move
// then counts from the gap it leaves, so no record is skipped.
bool Dataset::dropsNewRecord() const
{
    return m_state == State::Insert && !isModified();
}

void Dataset::prior()
{
    requireOpen();
    const bool fromNew = dropsNewRecord();
    const int from = m_current;
    checkBrowseMode();
    if (m_rows.empty())
        return;
    if (fromNew) {
        m_bof = from == 0;
        m_eof = false;
        setCurrent(std::max(from - 1, 0));
        return;
    }
    if (m_bof)
        return;
    if (m_current == 0) {
        m_bof = true;
        return;
    }
    m_eof = false;
    setCurrent(m_current - 1);
}

void Dataset::next()
{
    requireOpen();
    const bool fromNew = dropsNewRecord();
    const int from = m_current;
    checkBrowseMode();
    if (m_rows.empty())
        return;
    if (fromNew) {  // the record below has slid into the new record's place
        m_bof = false;
        m_eof = from >= rowCount() - 1;
        setCurrent(std::min(from, rowCount() - 1));
        return;
    }
    if (m_eof)
        return;
    if (m_current == rowCount() - 1) {
        m_eof = true;
        return;
    }
    m_bof = false;
    setCurrent(m_current + 1);
}

void Dataset::moveBy(int distance)
{
    requireOpen();
    const bool fromNew = dropsNewRecord();
    int from = m_current;
    checkBrowseMode();
    if (m_rows.empty() || distance == 0)
        return;
    if (fromNew && distance > 0)
        --from;  // rows below the dropped record moved up by one
    const int wanted = from + distance;
    const int target = std::clamp(wanted, 0, rowCount() - 1);
    m_bof = wanted < 0;
    m_eof = wanted > rowCount() - 1;
    setCurrent(target);
}

void Dataset::moveTo(int row)
{
    requireOpen();
    if (row < 0 || row >= rowCount() || row == m_current)
        return;
    // Leaving an unchanged new record above the target drops it and shifts the target up.
    const bool dropsNewAbove = m_state == State::Insert && !isModified() && m_current < row;
    checkBrowseMode();
    if (dropsNewAbove)
        --row;
    m_bof = m_eof = false;
    setCurrent(row);
}

void Dataset::edit()
{
    requireOpen();
    if (m_state != State::Browse)
        return;
    if (m_current < 0)
        append();
    else {
        m_original = m_rows[m_current].values;
        m_changed.clear();
        setState(State::Edit);
    }
}

void Dataset::setFieldText(const QString &field, const QString &text)
{
    requireOpen();
    const int index = fieldIndex(field);
    if (index < 0)
        fail(QStringLiteral("Field '%1' not found").arg(field));
    edit();
    Cell &value = m_rows[m_current].values[index];
    if (value.type == Cell::Text && value.bytes == text.toUtf8())
        return;
    if (value.type == Cell::Null && text.isEmpty())
        return;
    value = Cell::fromText(text);
    if (std::find(m_changed.begin(), m_changed.end(), index) == m_changed.end())
        m_changed.push_back(index);
    emit rowChanged(m_current);
}

bool Dataset::isFieldChanged(const QString &field) const
{
    return std::find(m_changed.begin(), m_changed.end(), fieldIndex(field)) != m_changed.end();
}

void Dataset::revertField(const QString &field)
{
    const int index = fieldIndex(field);
    const auto changed = std::find(m_changed.begin(), m_changed.end(), index);
    if (index < 0 || changed == m_changed.end())
        return;
    m_changed.erase(changed);
    m_rows[m_current].values[index] = m_state == State::Edit ? m_original[index] : Cell();
    emit rowChanged(m_current);
}

void Dataset::checkBrowseMode()
{
    if (m_state == State::Edit || m_state == State::Insert) {
        if (isModified())
            post();
        else
            cancel();
    }
}

void Dataset::cancel()
{
    if (m_state == State::Edit) {
        m_rows[m_current].values = m_original;
        m_original.clear();
        m_changed.clear();
        setState(State::Browse);
        emit rowChanged(m_current);
    } else if (m_state == State::Insert) {
        const int row = m_current;
        m_rows.erase(m_rows.begin() + row);
        m_changed.clear();
        m_current = std::min(row, rowCount() - 1);
        m_bof = m_eof = m_rows.empty();
        setState(State::Browse);
        emit rowRemoved(row);
        emit currentChanged();
    }
}

void Dataset::append()
{
    requireOpen();
    checkBrowseMode();
    insertAt(rowCount());
}

void Dataset::insert()
{
    requireOpen();
    checkBrowseMode();
    insertAt(std::max(m_current, 0));
}

void Dataset::insertAt(int row)
{
    Row fresh;
    fresh.values.resize(m_fields.size());
    m_rows.insert(m_rows.begin() + row, std::move(fresh));
    m_original.clear();
    m_changed.clear();
    m_current = row;
    m_bof = m_eof = false;
    emit rowInserted(row);
    setState(State::Insert);
    emit currentChanged();
}

void Dataset::requireWritableTable() const
{
    if (m_table.isEmpty())
        fail(QStringLiteral("Cannot save the record: this result does not come from a single table"));
}

// Matches the row by every value it had when read. rowid keeps it to one row
// even in a table whose rows are not unique.
QString Dataset::rowMatch(int firstParameter) const
{
    QStringList terms;
    for (int c = 0; c < m_originColumns.size(); ++c)
        terms << QStringLiteral("%1 IS ?%2 COLLATE BINARY").arg(identifier(m_originColumns[c])).arg(firstParameter + c);
    return QStringLiteral("rowid = (SELECT rowid FROM %1 WHERE %2 LIMIT 1)")
        .arg(identifier(m_table), terms.join(QLatin1String(" AND ")));
}

void Dataset::bindOriginal(sqlite3_stmt *statement, int firstParameter) const
{
    const std::vector<Cell> &original = m_state == State::Edit ? m_original : m_rows[m_current].values;
    for (int c = 0; c < int(original.size()); ++c)
        bindValue(statement, firstParameter + c, original[c]);
}

void Dataset::writeFailed(const QString &what, int code) const
{
    const int primary = code & 0xff;
    QString why = primary == SQLITE_READONLY ? QStringLiteral("the database file is read-only")
        : primary == SQLITE_BUSY || primary == SQLITE_LOCKED
            ? QStringLiteral("the database is locked by another program; try again")
            : m_connection->lastError();
    fail(QStringLiteral("Cannot %1: %2").arg(what, why));
}

void Dataset::post()
{
    requireOpen();
    if (m_state == State::Browse)
        return;
    if (!isModified()) {
        cancel();
        return;
    }
    requireWritableTable();
    if (m_state == State::Edit)
        writeUpdate();
    else
        writeInsert();
    m_original.clear();
    m_changed.clear();
    setState(State::Browse);
    emit rowChanged(m_current);
}

void Dataset::writeUpdate()
{
    QStringList sets;
    for (int i = 0; i < int(m_changed.size()); ++i)
        sets << QStringLiteral("%1 = ?%2").arg(identifier(m_originColumns[m_changed[i]])).arg(i + 1);
    const int matchFrom = int(m_changed.size()) + 1;
    const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                            .arg(identifier(m_table), sets.join(QLatin1String(", ")), rowMatch(matchFrom));
    sqlite3 *db = m_connection->handle();
    Statement statement(db, sql, false);
    if (statement.prepareResult() != SQLITE_OK)
        writeFailed(QStringLiteral("save the record"), statement.prepareResult());
    for (int i = 0; i < int(m_changed.size()); ++i)
        bindValue(statement.get(), i + 1, m_rows[m_current].values[m_changed[i]]);
    bindOriginal(statement.get(), matchFrom);
    const int rc = sqlite3_step(statement.get());
    if (rc != SQLITE_DONE)
        writeFailed(QStringLiteral("save the record"), rc);
    if (sqlite3_changes(db) == 0)
        fail(QStringLiteral("Cannot save the record: it was changed or deleted by someone else after it "
                            "was read. Your text is kept; copy it, then reopen the list to see the record as it is now"));
}

void Dataset::writeInsert()
{
    QStringList columns, parameters;
    for (int i = 0; i < int(m_changed.size()); ++i) {
        columns << identifier(m_originColumns[m_changed[i]]);
        parameters << QStringLiteral("?%1").arg(i + 1);
    }
    sqlite3 *db = m_connection->handle();
    {
        const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(identifier(m_table), columns.join(QLatin1String(", ")),
                                     parameters.join(QLatin1String(", ")));
        Statement statement(db, sql, false);
        if (statement.prepareResult() != SQLITE_OK)
            writeFailed(QStringLiteral("add the record"), statement.prepareResult());
        for (int i = 0; i < int(m_changed.size()); ++i)
            bindValue(statement.get(), i + 1, m_rows[m_current].values[m_changed[i]]);
        const int rc = sqlite3_step(statement.get());
        if (rc != SQLITE_DONE)
            writeFailed(QStringLiteral("add the record"), rc);
    }
    // Read the new row back so that later writes match what the table holds
    // (a key the database assigned, defaults of the other columns).
    QStringList all;
    for (const QString &column : std::as_const(m_originColumns))
        all << identifier(column);
    const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?1")
                            .arg(all.join(QLatin1String(", ")), identifier(m_table));
    Statement statement(db, sql, false);
    if (statement.prepareResult() != SQLITE_OK)
        return;
    sqlite3_bind_int64(statement.get(), 1, sqlite3_last_insert_rowid(db));
    if (sqlite3_step(statement.get()) == SQLITE_ROW)
        for (int c = 0; c < int(m_fields.size()); ++c)
            m_rows[m_current].values[c] = columnValue(statement.get(), c);
}

void Dataset::deleteRecord()
{
    requireOpen();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (m_current < 0)
        fail(QStringLiteral("Cannot perform this operation on an empty dataset"));
    requireWritableTable();
    if (m_state == State::Edit)
        cancel();
    sqlite3 *db = m_connection->handle();
    Statement statement(db, QStringLiteral("DELETE FROM %1 WHERE %2").arg(identifier(m_table), rowMatch(1)), false);
    if (statement.prepareResult() != SQLITE_OK)
        writeFailed(QStringLiteral("delete the record"), statement.prepareResult());
    bindOriginal(statement.get(), 1);
    const int rc = sqlite3_step(statement.get());
    if (rc != SQLITE_DONE)
        writeFailed(QStringLiteral("delete the record"), rc);
    if (sqlite3_changes(db) == 0)
        fail(QStringLiteral("Cannot delete the record: it was changed or deleted by someone else after it was read"));

    const int row = m_current;
    m_rows.erase(m_rows.begin() + row);
    m_current = std::min(row, rowCount() - 1);
    m_bof = m_eof = m_rows.empty();
    emit rowRemoved(row);
    emit currentChanged();
}

void Dataset::addFieldUser(const QString &controlName, const QString &field)
{
    m_fieldUsers.append({controlName, field});
}
