#include "support/ProgramFolder.h"

#include "common/Uglobal.h"
#include "data/TDataModule2.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QUuid>

namespace {

// Runs work on a private connection to the folder's database file.
template<typename Work>
void withConnection(const QString &databaseFile, Work work)
{
    const QString name = QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(databaseFile);
        if (!db.open())
            qFatal("cannot open %s", qPrintable(databaseFile));
        work(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

}

ProgramFolder::ProgramFolder(bool withDatabase)
{
    if (!m_dir.isValid())
        qFatal("no temporary folder");
    if (withDatabase && !QFile::copy(QStringLiteral(QUELLMARK_APP_DIR "/db.MDB"), file(QStringLiteral("db.MDB"))))
        qFatal("cannot copy the shipped db.MDB");
    QFile::setPermissions(file(QStringLiteral("db.MDB")), QFile::ReadOwner | QFile::WriteOwner);
    // The program folder always has its fallback background, as the shipped one does.
    QImage background(64, 36, QImage::Format_RGB32);
    background.fill(QColor(120, 20, 30));
    background.save(file(QStringLiteral("bg.jpg")));
    ResetSharedSettings();
    SetExecutableFolder(path());
    m_dataModule = std::make_unique<TDataModule2>();
}

ProgramFolder::~ProgramFolder()
{
    m_dataModule.reset();
    SetExecutableFolder(QString());
    ResetSharedSettings();
}

QString ProgramFolder::path() const
{
    return m_dir.path() + QLatin1Char('/');
}

QString ProgramFolder::file(const QString &name) const
{
    return path() + name;
}

void ProgramFolder::writeSettings(const QString &iniText) const
{
    QFile out(file(QStringLiteral("prize.ini")));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write prize.ini");
    out.write(iniText.toUtf8());
}

void ProgramFolder::copyShipped(const QString &relativePath) const
{
    const QString source = QStringLiteral(QUELLMARK_APP_DIR "/") + relativePath;
    if (QFileInfo(source).isFile()) {
        QDir().mkpath(QFileInfo(file(relativePath)).path());
        if (!QFile::copy(source, file(relativePath)))
            qFatal("cannot copy %s", qPrintable(source));
        return;
    }
    QDirIterator entries(source, QDir::Files, QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString entry = entries.next();
        copyShipped(relativePath + entry.mid(source.size()));
    }
}

void ProgramFolder::sql(const QString &statements) const
{
    withConnection(file(QStringLiteral("db.MDB")), [&](QSqlDatabase &db) {
        for (const QString &statement : statements.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            if (statement.trimmed().isEmpty())
                continue;
            QSqlQuery query(db);
            if (!query.exec(statement))
                qFatal("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
        }
    });
}

QVariant ProgramFolder::scalar(const QString &queryText) const
{
    QVariant value;
    withConnection(file(QStringLiteral("db.MDB")), [&](QSqlDatabase &db) {
        QSqlQuery query(db);
        if (!query.exec(queryText) || !query.next())
            qFatal("%s: %s", qPrintable(queryText), qPrintable(query.lastError().text()));
        value = query.value(0);
    });
    return value;
}
