#pragma once

#include <QString>

// Reads and writes one settings file the way Windows profile files behave: sections and keys
// match without regard to case, values come back trimmed and without enclosing quotes, a
// write replaces a value in place or appends the key to its section. Every call reads the file
// anew; nothing is cached.
class IniFile
{
public:
    explicit IniFile(QString path);

    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    // Throws IniWriteError ("Unable to write to <path>") when the file cannot be written.
    void writeString(const QString &section, const QString &key, const QString &value) const;

    const QString &path() const { return m_path; }

private:
    QString m_path;
};

#include <stdexcept>

class IniWriteError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};
