#pragma once

#include <QWidget>

class DataSource;

// A one-line, transparent text bound to a field of the current record, drawn
// right to left in a fixed rectangle and clipped.
class DBText : public QWidget
{
    Q_OBJECT
public:
    explicit DBText(QWidget *parent = nullptr);

    // Call after setObjectName(): the data source checks the field under the control's name.
    void bind(DataSource *source, const QString &field);
    QString text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void reload();

    DataSource *m_source = nullptr;
    QString m_field;
    QString m_text;
};
