#include "controls/DBGrid.h"

#include "content/DataSource.h"
#include "controls/DBMemo.h"
#include "controls/DatasetModel.h"
#include "controls/Dialogs.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

// The title's editor: a frameless line edit whose keys the grid sees first.
// Every change typed into it goes to the record at once, so a move made from
// anywhere (a navigation button that never takes the focus) writes it.
class TitleDelegate : public QStyledItemDelegate
{
public:
    explicit TitleDelegate(DBGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *editor = new QLineEdit(parent);
        editor->setFrame(false);
        editor->setFont(m_grid->cellFont());
        m_grid->m_editor = editor;
        QObject::connect(editor, &QLineEdit::textEdited, m_grid, &DBGrid::storeTitle);
        return editor;
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        auto *line = static_cast<QLineEdit *>(editor);
        if (!line->isModified())  // a change of the row elsewhere never wipes what is being typed
            line->setText(index.data(Qt::EditRole).toString());
    }

    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->font = m_grid->cellFont();
        option->fontMetrics = QFontMetrics(option->font);
    }

    // The record already holds what was typed.
    void setModelData(QWidget *, QAbstractItemModel *, const QModelIndex &) const override {}

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && object == m_grid->m_editor
            && m_grid->handleEditorKey(static_cast<QKeyEvent *>(event)))
            return true;
        const bool handled = QStyledItemDelegate::eventFilter(object, event);
        if (event->type() == QEvent::FocusOut)
            m_grid->focusLeft(static_cast<QFocusEvent *>(event)->reason());
        return handled;
    }

private:
    DBGrid *m_grid;
};

DBGrid::DBGrid(QWidget *parent) : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Every edit and move goes through the keys and clicks below, so that the
    // dataset decides and the grid only follows it.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(true);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setItemDelegate(new TitleDelegate(this));

    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);  // at the right when mirrored
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);

    // Fixed, uniform rows: the header never measures 20,000 titles.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setHighlightSections(false);
    // A press on the indicator column moves the record, not the view's own selection.
    disconnect(verticalHeader(), &QHeaderView::sectionPressed, this, nullptr);
    disconnect(verticalHeader(), &QHeaderView::sectionEntered, this, nullptr);
    connect(verticalHeader(), &QHeaderView::sectionPressed, this, [this](int row) { pressRow(row, false); });

    fitToFont();
}

void DBGrid::bind(DataSource *source, const QString &field, const QString &title)
{
    m_source = source;
    m_field = field;
    if (!source)
        return;
    source->bind(objectName(), field);
    m_model = new DatasetModel(source, field, title, this);
    m_model->setLayoutDirection(layoutDirection());
    setModel(m_model);
    // After the model, which has to know of a change first.
    connect(source, &DataSource::currentChanged, this, &DBGrid::followCurrent);
    connect(source, &DataSource::rowInserted, this, &DBGrid::followCurrent);
    connect(source, &DataSource::rowRemoved, this, &DBGrid::followCurrent);
    followCurrent();
}

Dataset *DBGrid::dataset() const
{
    return m_source ? m_source->dataset() : nullptr;
}

bool DBGrid::isActive() const
{
    return m_model && m_source->isActive();
}

int DBGrid::rowsInSight() const
{
    return std::max(1, viewport()->height() / verticalHeader()->defaultSectionSize());
}

void DBGrid::setCellFont(const QFont &font)
{
    m_cellFont = font;
    viewport()->update();
}

// Rows are one line of the grid's font, three pixels and the grid line high.
void DBGrid::fitToFont()
{
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 3 + (showGrid() ? 1 : 0));
    int markWidth = 0;
    for (const QString &mark : DatasetModel::marks())
        markWidth = std::max(markWidth, verticalHeader()->fontMetrics().horizontalAdvance(mark));
    verticalHeader()->setFixedWidth(markWidth + 8);
}

void DBGrid::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitToFont();
    else if (event->type() == QEvent::LayoutDirectionChange && m_model)
        m_model->setLayoutDirection(layoutDirection());
}

// Shows the dataset's current record as the grid's current, selected row.
void DBGrid::followCurrent()
{
    if (!m_model)
        return;
    const int row = dataset()->currentRow();
    if (m_editor && (!m_editorIndex.isValid() || m_editorIndex.row() != row))
        finishEditing();
    if (row < 0 || row >= m_model->rowCount()) {
        selectionModel()->clear();
        return;
    }
    const QModelIndex index = m_model->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

// Runs what a key or click asks of the dataset. An error ends it and is
// shown; the grid then shows wherever the dataset stayed.
void DBGrid::act(const std::function<void()> &action)
{
    Dialogs::guarded(this, action);
    followCurrent();
}

// Tab and Shift+Tab move between records, so they are keys here, not focus moves.
bool DBGrid::event(QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            keyPressEvent(key);
            if (key->isAccepted())
                return true;
        }
    }
    return QTableView::event(event);
}

// QAbstractItemView turns every request to move the focus into a Tab key
// press. The focused editor asks for one when it is hidden because its record
// went away (a move dropped a new record): that must not move the dataset
// again in the middle of its change. The focus stays in the grid instead.
bool DBGrid::focusNextPrevChild(bool next)
{
    const QWidget *focus = QApplication::focusWidget();
    if (focus && focus != this && isAncestorOf(focus)) {
        setFocus(Qt::OtherFocusReason);
        return true;
    }
    return QAbstractScrollArea::focusNextPrevChild(next);
}

void DBGrid::keyPressEvent(QKeyEvent *event)
{
    if (handleKey(event))
        event->accept();
    else
        event->ignore();
}

bool DBGrid::handleKey(QKeyEvent *event)
{
    if (!isActive())
        return false;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    Dataset *records = dataset();
    switch (event->key()) {
    case Qt::Key_Up:
        act([this] { stepBack(); });
        return true;
    case Qt::Key_Down:
        act([this] { stepForward(); });
        return true;
    case Qt::Key_Tab:
        if (modifiers & Qt::ControlModifier)
            return false;
        act([this, modifiers] { modifiers & Qt::ShiftModifier ? stepBack() : stepForward(); });
        return true;
    case Qt::Key_Backtab:
        if (modifiers & Qt::ControlModifier)
            return false;
        act([this] { stepBack(); });
        return true;
    case Qt::Key_PageUp:
        act([this, records] { finishEditing(); records->moveBy(-rowsInSight()); });
        return true;
    case Qt::Key_PageDown:
        act([this, records] { finishEditing(); records->moveBy(rowsInSight()); });
        return true;
    case Qt::Key_Home:
        act([this, records] { finishEditing(); records->first(); });
        return true;
    case Qt::Key_End:
        act([this, records] { finishEditing(); records->last(); });
        return true;
    case Qt::Key_Insert:
        act([this, records] { finishEditing(); records->insert(); });
        return true;
    case Qt::Key_F2:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        act([this] { openEditor(); });
        return true;
    case Qt::Key_Escape:
        act([this] { escape(); });
        return true;
    case Qt::Key_Delete:
        if (!(modifiers & Qt::ControlModifier))
            return false;
        act([this] { deleteCurrent(); });
        return true;
    default:
        break;
    }
    const QString text = event->text();
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier) || text.isEmpty()
        || !text.at(0).isPrint())
        return false;
    act([this, text] { openEditor(text); });
    return true;
}

// Keys typed while the title's editor is open: those that move or act on the
// record go to the grid, the rest edit the title.
bool DBGrid::handleEditorKey(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        act([this] { finishEditing(); });
        return true;
    case Qt::Key_Escape:
        act([this] { escape(); });
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Insert:
        return handleKey(event);
    case Qt::Key_Delete:
        return (event->modifiers() & Qt::ControlModifier) && handleKey(event);
    default:
        return false;
    }
}

// Down, Tab: the next record; past the last one, a new record. A new record
// left empty is dropped instead, and at the end nothing follows it.
void DBGrid::stepForward()
{
    finishEditing();
    Dataset *records = dataset();
    if (records->state() == Dataset::State::Insert && !records->isModified()) {
        if (records->currentRow() < records->rowCount() - 1)
            records->cancel();
        return;
    }
    records->next();
    if (records->eof())
        records->append();
}

// Up, Shift+Tab: the record above; from a new record left empty, the record
// above the place where it stood.
void DBGrid::stepBack()
{
    finishEditing();
    Dataset *records = dataset();
    if (records->state() == Dataset::State::Insert && !records->isModified()) {
        const int row = records->currentRow();
        records->cancel();
        if (row > 0 && records->currentRow() != row - 1)
            records->moveTo(row - 1);
        return;
    }
    records->prior();
}

void DBGrid::openEditor(const QString &typed)
{
    Dataset *records = dataset();
    if (m_editor || !m_model->hasField())
        return;
    // An empty list offers one new record to type into.
    if (records->rowCount() == 0)
        records->append();
    followCurrent();
    const QModelIndex index = m_model->index(records->currentRow(), 0);
    edit(index);
    if (!m_editor)
        return;
    m_editorIndex = index;
    m_titleBefore = records->fieldText(m_field);
    m_modifiedBefore = records->isModified();
    m_titleChangedBefore = records->isFieldChanged(m_field);
    if (typed.isEmpty()) {
        m_editor->selectAll();
    } else {
        m_editor->setText(typed);
        m_editor->setModified(true);
        m_source->setText(m_field, typed);
    }
}

void DBGrid::storeTitle(const QString &text)
{
    Dialogs::guarded(this, [this, &text] { m_source->setText(m_field, text); });
}

// Closes the editor; what was typed is in the record already.
void DBGrid::finishEditing()
{
    QLineEdit *editor = m_editor;
    m_editor = nullptr;
    // An editor whose row went away has been taken down by the view itself.
    if (editor && m_editorIndex.isValid() && indexWidget(m_editorIndex) == editor)
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
}

// Puts the record back as the editor found it. When nothing else had been
// changed, dropping the record's changes does exactly that; a new record is
// then started again in the same place.
void DBGrid::undoTyping()
{
    Dataset *records = dataset();
    if (m_modifiedBefore) {
        // An untouched title goes back exactly as read, a NULL one included.
        if (m_titleChangedBefore)
            m_source->setText(m_field, m_titleBefore);
        else
            records->revertField(m_field);
        return;
    }
    const bool wasNew = records->state() == Dataset::State::Insert;
    const bool atEnd = records->currentRow() == records->rowCount() - 1;
    records->cancel();
    if (wasNew)
        atEnd ? records->append() : records->insert();
}

void DBGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint)
{
    if (editor == m_editor)
        m_editor = nullptr;
    // Never let Qt move to another cell on its own: moves are the dataset's.
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
}

// Esc: first what was typed into the editor; with nothing typed there, the
// record's unsaved changes, or the new record itself.
void DBGrid::escape()
{
    if (m_editor) {
        const bool typed = m_editor->isModified();
        finishEditing();
        if (typed) {
            undoTyping();
            return;
        }
    }
    dataset()->cancel();
}

void DBGrid::deleteCurrent()
{
    if (dataset()->rowCount() == 0 || !Dialogs::confirmDelete(this))
        return;
    finishEditing();
    dataset()->deleteRecord();
}

// A new record nobody typed into does not outlive the grid's focus. Another
// window coming up (a message box) is not the user leaving the grid, and
// neither is a click into a memo of the same record: the user is filling the
// new record in, and dropping it there would send the text typed next into
// the record beside it.
void DBGrid::focusLeft(Qt::FocusReason reason)
{
    if (!isActive() || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    const QWidget *now = QApplication::focusWidget();
    if (now && (now == this || isAncestorOf(now)))
        return;
    if (const auto *memo = qobject_cast<const DBMemo *>(now); memo && memo->dataSource() == m_source)
        return;
    Dataset *records = dataset();
    if (records->state() == Dataset::State::Insert && !records->isModified())
        records->cancel();
}

void DBGrid::focusOutEvent(QFocusEvent *event)
{
    QTableView::focusOutEvent(event);
    focusLeft(event->reason());
}

// A click on a row makes its record current; a click on the current
// record's cell opens it for editing.
void DBGrid::pressRow(int row, bool onCell)
{
    if (!isActive() || row < 0)
        return;
    act([this, row, onCell] {
        finishEditing();
        if (row != dataset()->currentRow())
            dataset()->moveTo(row);
        else if (onCell)
            openEditor();
    });
}

void DBGrid::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid())
        pressRow(index.row(), true);
}

void DBGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}

// Dragging never selects: the selection is the current record.
void DBGrid::mouseMoveEvent(QMouseEvent *) {}

void DBGrid::mouseReleaseEvent(QMouseEvent *) {}
