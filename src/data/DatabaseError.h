#pragma once

#include <QString>

#include <stdexcept>

// A failure of the database engine, carrying the engine's own message.
class DatabaseError : public std::runtime_error
{
public:
    explicit DatabaseError(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};
