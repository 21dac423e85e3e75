#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

class TDataModule2;

// A program folder of its own for one test: a fresh copy of the shipped db.MDB, an optional
// prize.ini, and the shared settings pointed at it. Everything goes when it is destroyed.
class ProgramFolder
{
public:
    // withDatabase false leaves db.MDB out, for the failure paths.
    explicit ProgramFolder(bool withDatabase = true);
    ~ProgramFolder();

    QString path() const;                       // ends in "/"
    QString file(const QString &name) const;    // path() + name
    void writeSettings(const QString &iniText) const;
    // Copies a file or folder of the built program folder into this one.
    void copyShipped(const QString &relativePath) const;
    // Runs statements on the folder's database with a connection of its own.
    void sql(const QString &statements) const;
    QVariant scalar(const QString &query) const;

    TDataModule2 &dataModule() { return *m_dataModule; }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<TDataModule2> m_dataModule;
};
