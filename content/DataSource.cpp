#include "content/DataSource.h"

DataSource::DataSource(Dataset *dataset, QObject *parent) : QObject(parent), m_dataset(dataset)
{
    if (!dataset)
        return;
    connect(dataset, &Dataset::reset, this, &DataSource::reset);
    connect(dataset, &Dataset::currentChanged, this, &DataSource::currentChanged);
    connect(dataset, &Dataset::rowChanged, this, &DataSource::rowChanged);
    connect(dataset, &Dataset::rowInserted, this, &DataSource::rowInserted);
    connect(dataset, &Dataset::rowRemoved, this, &DataSource::rowRemoved);
    connect(dataset, &Dataset::stateChanged, this, &DataSource::stateChanged);
}

void DataSource::bind(const QString &controlName, const QString &field)
{
    if (m_dataset)
        m_dataset->addFieldUser(controlName, field);
}

QString DataSource::text(const QString &field) const
{
    return isActive() ? m_dataset->fieldText(field) : QString();
}

void DataSource::setText(const QString &field, const QString &text)
{
    if (m_dataset)
        m_dataset->setFieldText(field, text);
}
