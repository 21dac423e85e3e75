#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>

// Holds the program's one database connection. It opens with the first statement that any
// statement object runs and then stays open.
class TDataModule2 : public QObject
{
    Q_OBJECT
public:
    explicit TDataModule2(QObject *parent = nullptr);
    ~TDataModule2() override;

    // The one instance, or null before it is created.
    static TDataModule2 *instance();

    // The open connection; opens it first if needed. Throws DatabaseError.
    QSqlDatabase connection();

    // The database file beside the executable.
    static QString databasePath();

private:
    QString m_connectionName;
};
