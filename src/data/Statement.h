#pragma once

#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <QVector>

// A statement object on the shared connection: it holds one statement text, runs it as a
// select (open) or as any other statement (execute), and keeps a select's rows readable.
// Every failure throws DatabaseError with the engine's message.
class Statement
{
public:
    void close();
    bool isOpen() const { return m_open; }

    void setText(const QString &text) { m_text = text; }
    const QString &text() const { return m_text; }

    void open();
    void execute();

    // Reading rows of an open select.
    bool eof() const;
    void next();
    int recordCount() const;
    QVariant field(int column) const;
    QVariant field(const QString &name) const;

private:
    const QSqlRecord &currentRow() const;

    QString m_text;
    bool m_open = false;
    QVector<QSqlRecord> m_rows;
    int m_row = 0;
};
