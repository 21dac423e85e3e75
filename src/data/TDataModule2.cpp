#include "data/TDataModule2.h"

#include "common/Uglobal.h"
#include "data/DatabaseError.h"

#include <QFileInfo>
#include <QSqlError>
#include <QUrl>

namespace {
TDataModule2 *theInstance = nullptr;
}

TDataModule2::TDataModule2(QObject *parent)
    : QObject(parent), m_connectionName(QStringLiteral("ADOConnection1"))
{
    theInstance = this;
}

TDataModule2::~TDataModule2()
{
    if (theInstance == this)
        theInstance = nullptr;
    if (QSqlDatabase::contains(m_connectionName)) {
        QSqlDatabase::database(m_connectionName, false).close();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
}

TDataModule2 *TDataModule2::instance()
{
    return theInstance;
}

QString TDataModule2::databasePath()
{
    // Beside the executable, not in the current folder: a launcher may start the program
    // from anywhere.
    return (AppFolder.isEmpty() ? ExecutableFolder() : AppFolder) + QStringLiteral("db.MDB");
}

QSqlDatabase TDataModule2::connection()
{
    if (QSqlDatabase::contains(m_connectionName)) {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (db.isOpen())
            return db;
        QSqlDatabase::removeDatabase(m_connectionName);
    }
    const QString path = databasePath();
    if (!QFileInfo(path).isFile())
        throw DatabaseError(QStringLiteral("Could not find file '%1'.").arg(path));

    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        // mode=rw: never create an empty database in place of a missing one.
        db.setDatabaseName(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw"));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
        if (db.open())
            return db;
    }
    const QString message = QSqlDatabase::database(m_connectionName, false).lastError().text();
    QSqlDatabase::removeDatabase(m_connectionName);
    throw DatabaseError(message);
}
