#include "data/Statement.h"

#include "data/DatabaseError.h"
#include "data/TDataModule2.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

QSqlDatabase sharedConnection()
{
    TDataModule2 *module = TDataModule2::instance();
    if (!module)
        throw DatabaseError(QStringLiteral("The database connection does not exist."));
    return module->connection();
}

void run(QSqlQuery &query, const QString &text)
{
    if (!query.exec(text))
        throw DatabaseError(query.lastError().text());
}

}

void Statement::close()
{
    m_open = false;
    m_rows.clear();
    m_row = 0;
}

void Statement::open()
{
    close();
    QSqlQuery query(sharedConnection());
    query.setForwardOnly(true);
    run(query, m_text);
    if (!query.isSelect())
        throw DatabaseError(QStringLiteral("The statement returns no rows: %1").arg(m_text));
    while (query.next())
        m_rows.append(query.record());
    if (query.lastError().isValid())
        throw DatabaseError(query.lastError().text());
    m_open = true;
}

void Statement::execute()
{
    close();
    QSqlQuery query(sharedConnection());
    run(query, m_text);
}

bool Statement::eof() const
{
    return !m_open || m_row >= m_rows.size();
}

void Statement::next()
{
    if (m_open && m_row < m_rows.size())
        ++m_row;
}

int Statement::recordCount() const
{
    return m_open ? int(m_rows.size()) : 0;
}

const QSqlRecord &Statement::currentRow() const
{
    if (!m_open)
        throw DatabaseError(QStringLiteral("Operation is not allowed when the object is closed."));
    if (m_row >= m_rows.size())
        throw DatabaseError(QStringLiteral("Either BOF or EOF is True, or the current record has been deleted."));
    return m_rows[m_row];
}

QVariant Statement::field(int column) const
{
    const QSqlRecord &row = currentRow();
    if (column < 0 || column >= row.count())
        throw DatabaseError(QStringLiteral("Item cannot be found in the collection."));
    return row.value(column);
}

QVariant Statement::field(const QString &name) const
{
    const QSqlRecord &row = currentRow();
    const int column = row.indexOf(name);
    if (column < 0)
        throw DatabaseError(QStringLiteral("Item cannot be found in the collection."));
    return row.value(column);
}
