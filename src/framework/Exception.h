#pragma once
// The one error type of the product. It carries the message a user reads, in the
// product's language; the application's standard error box shows it.
#include <QString>
#include <exception>

class Exception : public std::exception {
public:
    explicit Exception(QString message)
        : m_message(std::move(message))
        , m_utf8(m_message.toUtf8())
    {
    }
    const QString& Message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};
