#pragma once

#include "content/Dataset.h"

#include <QObject>

// Binds a dataset to the controls that show it: passes on every change of the
// current record and puts the dataset into editing when a control is typed into.
class DataSource : public QObject
{
    Q_OBJECT
public:
    explicit DataSource(Dataset *dataset = nullptr, QObject *parent = nullptr);

    Dataset *dataset() const { return m_dataset; }

    // A control shows `field`: the dataset checks for it on every opening.
    void bind(const QString &controlName, const QString &field);

    bool isActive() const { return m_dataset && m_dataset->isOpen(); }
    QString text(const QString &field) const;
    // A bound control was typed into: starts editing and stores the new text.
    void setText(const QString &field, const QString &text);

signals:
    void reset();
    void currentChanged();
    void rowChanged(int row);
    void rowInserted(int row);
    void rowRemoved(int row);
    void stateChanged();

private:
    Dataset *m_dataset;
};
