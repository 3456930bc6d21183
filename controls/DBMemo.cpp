#include "controls/DBMemo.h"

#include "content/DataSource.h"
#include "controls/DataAwareText.h"
#include "controls/Dialogs.h"

#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTextBlock>

DBMemo::DBMemo(QWidget *parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // Tab leaves the memo, as the window's tab order expects; Return makes a new line.
    setTabChangesFocus(true);
    readRightToLeft();
    connect(this, &QPlainTextEdit::textChanged, this, &DBMemo::userEdited);
}

// QPlainTextEdit lays every line out left-aligned and guesses each line's
// direction from its first strong letter, even under a right-to-left layout;
// Persian text needs both fixed, whatever the text starts with.
void DBMemo::readRightToLeft()
{
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    option.setTextDirection(Qt::RightToLeft);
    document()->setDefaultTextOption(option);
}

void DBMemo::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange)
        readRightToLeft();
}

void DBMemo::bind(DataSource *source, const QString &field)
{
    m_source = source;
    m_field = field;
    if (!source)
        return;
    source->bind(objectName(), field);
    connect(source, &DataSource::currentChanged, this, &DBMemo::reload);
    connect(source, &DataSource::rowChanged, this, &DBMemo::reloadIfChanged);
    reload();
}

QString DBMemo::storedText() const
{
    return m_stored;
}

void DBMemo::reload()
{
    // While our own typing is being stored, the dataset may announce a new
    // record (typing into an empty result adds one): the document is already right.
    if (m_writing)
        return;
    const Dataset *dataset = m_source ? m_source->dataset() : nullptr;
    // Typing needs a record with the field; without one the memo only shows.
    setReadOnly(!m_source || !m_source->isActive() || dataset->fieldIndex(m_field) < 0);
    showStored(m_source ? m_source->text(m_field) : QString());
}

// The current record's values changed (an edit elsewhere, a cancel): show
// them, unless they are what the memo already holds.
void DBMemo::reloadIfChanged(int row)
{
    if (m_writing || row != m_source->dataset()->currentRow())
        return;
    const QString text = m_source->text(m_field);
    if (text != m_stored)
        showStored(text);
}

void DBMemo::showStored(const QString &stored)
{
    const QScopedValueRollback loading(m_loading, true);
    m_stored = stored;
    setPlainText(stored);
    m_documentText = document()->toRawText();
    setTextCursor(QTextCursor(document()));
    verticalScrollBar()->setValue(0);
}

void DBMemo::userEdited()
{
    if (m_loading || !m_source)
        return;
    const QString now = document()->toRawText();
    if (now == m_documentText)
        return;
    m_stored = StoredText::applyEdit(m_stored, m_documentText, now);
    m_documentText = now;
    const bool stored = Dialogs::guarded(this, [this] {
        const QScopedValueRollback writing(m_writing, true);
        m_source->setText(m_field, m_stored);
    });
    // The record refused the text: show what it holds. Not from inside the
    // document's own change notification, which is still running.
    if (!stored)
        QMetaObject::invokeMethod(this, &DBMemo::reload, Qt::QueuedConnection);
}

void DBMemo::selectStored(int start, int length)
{
    QTextCursor cursor(document());
    cursor.setPosition(StoredText::documentPosition(m_stored, start));
    cursor.setPosition(StoredText::documentPosition(m_stored, start + length), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    ensureCursorVisible();
}
