#pragma once

#include <QPlainTextEdit>

class DataSource;

// An editable, word-wrapping, right-to-left memo bound to a field of the
// current record. It shows the field's text exactly (CR LF breaks included)
// and stores what the user types back into the record, keeping the stored
// form of line breaks.
class DBMemo : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit DBMemo(QWidget *parent = nullptr);

    void bind(DataSource *source, const QString &field);
    DataSource *dataSource() const { return m_source; }

    // The field's text as stored, line breaks in their stored form.
    QString storedText() const;
    // Selection in positions of storedText() (0-based; a CR LF counts as two).
    void selectStored(int start, int length);

protected:
    void changeEvent(QEvent *event) override;

private:
    void reload();
    void reloadIfChanged(int row);
    void showStored(const QString &stored);
    void userEdited();
    void readRightToLeft();

    DataSource *m_source = nullptr;
    QString m_field;
    bool m_loading = false;
    bool m_writing = false;
    QString m_stored;        // the field's text as the record holds it
    QString m_documentText;  // the document's raw text that m_stored stands for
};
