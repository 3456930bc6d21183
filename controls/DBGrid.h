#pragma once

#include <QPersistentModelIndex>
#include <QPointer>
#include <QTableView>
#include <functional>
#include <optional>

class DataSource;
class Dataset;
class DatasetModel;
class QLineEdit;

// The one-column title grid: the titles of the dataset's records, an indicator
// column marking the current record, and the usual editing keys (arrows, page
// keys, Home/End, Tab, Insert, F2 or typing, Enter, Esc, Ctrl+Delete).
class DBGrid : public QTableView
{
    Q_OBJECT
public:
    explicit DBGrid(QWidget *parent = nullptr);

    // `title` heads the single column, which shows `field`.
    void bind(DataSource *source, const QString &field, const QString &title);
    DataSource *dataSource() const { return m_source; }

    // The title's editor while the cell is open for editing, else null.
    QLineEdit *titleEditor() const { return m_editor; }
    // How many whole rows the grid shows: the step of Page Up and Page Down.
    int rowsInSight() const;

    // The column's own font for the titles and their editor; the grid's font
    // only sets the row height.
    void setCellFont(const QFont &font);
    QFont cellFont() const { return m_cellFont.value_or(font()); }

protected:
    bool event(QEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

protected slots:
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    friend class TitleDelegate;

    Dataset *dataset() const;
    bool isActive() const;
    void followCurrent();
    void fitToFont();

    bool handleKey(QKeyEvent *event);
    bool handleEditorKey(QKeyEvent *event);
    void act(const std::function<void()> &action);
    void stepForward();
    void stepBack();
    void openEditor(const QString &typed = {});
    void storeTitle(const QString &text);
    void finishEditing();
    void undoTyping();
    void escape();
    void deleteCurrent();
    void focusLeft(Qt::FocusReason reason);
    void pressRow(int row, bool onCell);

    DataSource *m_source = nullptr;
    QString m_field;
    DatasetModel *m_model = nullptr;
    QPointer<QLineEdit> m_editor;
    std::optional<QFont> m_cellFont;
    QPersistentModelIndex m_editorIndex;
    // The record as the editor found it, for Esc to go back to.
    QString m_titleBefore;
    bool m_modifiedBefore = false;
    bool m_titleChangedBefore = false;
};
