#pragma once

#include <QString>
#include <stdexcept>

// An error of the data layer. Commands let it end the running handler; the
// window shows its message in the application's error box.
class DataError : public std::runtime_error
{
public:
    explicit DataError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};
