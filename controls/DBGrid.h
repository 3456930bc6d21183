#pragma once

#include <QTableView>

class DataSource;
class DatasetModel;

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

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    DataSource *m_source = nullptr;
    DatasetModel *m_model = nullptr;
};
