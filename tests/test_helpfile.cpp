#include <QFile>
#include <QTest>

namespace {

QByteArray readHelpFile()
{
    QFile file(QStringLiteral(QUELLMARK_APP_DIR "/help.chm"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

}

class TestHelpFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void isCompiledHelp();
    void holdsEveryPage_data();
    void holdsEveryPage();
};

void TestHelpFile::isCompiledHelp()
{
    const QByteArray help = readHelpFile();
    QVERIFY2(!help.isEmpty(), "help.chm is missing or empty in the program folder");
    QVERIFY(help.startsWith("ITSF"));
}

void TestHelpFile::holdsEveryPage_data()
{
    QTest::addColumn<QByteArray>("entry");
    for (const char *entry : {"/index.html", "/participants.html", "/grades.html", "/draw.html",
                              "/reinitialise.html", "/winners.html", "/printing.html", "/presets.html",
                              "/options.html", "/style.css", "/toc.hhc", "/index.hhk"})
        QTest::newRow(entry) << QByteArray(entry);
}

// The archive's directory names its files uncompressed, so a page that made it in is findable.
void TestHelpFile::holdsEveryPage()
{
    QFETCH(QByteArray, entry);
    QVERIFY(readHelpFile().contains(entry));
}

QTEST_MAIN(TestHelpFile)
#include "test_helpfile.moc"
