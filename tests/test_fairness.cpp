// The roll is fair: every candidate turns up equally often, a tick never shows one twice, and a
// winner never turns up again.
#include "support/DrawData.h"
#include "support/FormFixture.h"

#include <QDoubleSpinBox>
#include <QMap>
#include <QPushButton>
#include <QSet>
#include <QtTest>

namespace {

const int Ticks = 4000;

// Pearson's statistic for how often each of m candidates turned up when every one of n ticks
// shows k distinct candidates out of m. A tick's k picks are drawn without replacement, so the
// counts vary less than a multinomial's; dividing by n*k*(m-k)/(m*(m-1)) instead of the
// expected count n*k/m corrects for that, and the statistic then follows chi-square with m-1
// degrees of freedom. For k = 1 it is the plain statistic.
double chiSquare(const QMap<QString, int> &counts, int m, int n, int k)
{
    const double expected = double(n) * k / m;
    const double variance = double(n) * k * (m - k) / (double(m) * (m - 1));
    double sum = 0;
    for (int seen : counts)
        sum += (seen - expected) * (seen - expected);
    sum += double(m - counts.size()) * expected * expected;
    return sum / variance;
}

// Upper chi-square points that a fair roll exceeds with probability 1e-6:
// 38.26 for 6 degrees of freedom, 40.53 for 7.
const double Bound6 = 38.26;
const double Bound7 = 40.53;

QString key(int id)
{
    return QString::number(id);
}

}

class FairnessTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyPhotoIsEquallyLikely_data();
    void everyPhotoIsEquallyLikely();
    void everyNameIsEquallyLikely();
    void drawnPhotosNeverRollAgain();
    void drawnNamesNeverRollAgain();
};

void FairnessTest::everyPhotoIsEquallyLikely_data()
{
    QTest::addColumn<int>("photoCount");
    QTest::newRow("one a tick") << 1;
    QTest::newRow("three a tick") << 3;
}

void FairnessTest::everyPhotoIsEquallyLikely()
{
    QFETCH(int, photoCount);
    FormFixture f(DrawSettings(0, photoCount));
    const QList<int> ids = addPhotos(f, 8);
    f.show();
    f.form->bsSkinButton1->click();

    QMap<QString, int> counts;
    QMap<QString, int> firstSlot;
    for (int round = 0; round < Ticks; ++round) {
        tick(f.form);
        const QList<int> shown = shownIds(f.form);
        QCOMPARE(shown.size(), photoCount);
        QCOMPARE(QSet<int>(shown.begin(), shown.end()).size(), photoCount);
        for (int id : shown) {
            QVERIFY(ids.contains(id));
            ++counts[key(id)];
        }
        ++firstSlot[key(shown.first())];
    }
    const double spread = chiSquare(counts, 8, Ticks, photoCount);
    QVERIFY2(spread < Bound7, qPrintable(QStringLiteral("chi-square %1").arg(spread)));
    // The order within a tick is random too: slot 1 favours nobody.
    const double order = chiSquare(firstSlot, 8, Ticks, 1);
    QVERIFY2(order < Bound7, qPrintable(QStringLiteral("chi-square of slot 1: %1").arg(order)));
}

void FairnessTest::everyNameIsEquallyLikely()
{
    FormFixture f(DrawSettings(1));
    const QStringList names{QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cy"),
                            QStringLiteral("Dee"), QStringLiteral("Eve"), QStringLiteral("Fay")};
    addNames(f, names);
    addPresets(f, {QStringLiteral("Zed")});
    f.show();
    f.form->RxSpinEdit1->setValue(3);
    f.form->bsSkinButton1->click();

    QMap<QString, int> counts;
    for (int round = 0; round < Ticks; ++round) {
        tick(f.form);
        const QStringList shown = shownLines(f.form);
        QCOMPARE(shown.size(), 3);
        QCOMPARE(QSet<QString>(shown.begin(), shown.end()).size(), 3);
        for (const QString &line : shown) {
            QVERIFY2(names.contains(line) || line == QLatin1String("Zed"), qPrintable(line));
            ++counts[line];
        }
    }
    const double spread = chiSquare(counts, 7, Ticks, 3);
    QVERIFY2(spread < Bound6, qPrintable(QStringLiteral("chi-square %1").arg(spread)));
}

void FairnessTest::drawnPhotosNeverRollAgain()
{
    FormFixture f(DrawSettings(0, 3));
    const QList<int> ids = addPhotos(f, 8);
    f.show();
    f.form->bsSkinButton1->click();
    tick(f.form);
    f.form->bsSkinButton1->click();
    const QList<int> drawn = shownIds(f.form);
    QCOMPARE(drawn.size(), 3);

    f.form->bsSkinButton1->click();
    f.form->bsSkinButton1->click();
    QSet<int> seen;
    for (int round = 0; round < 2000; ++round) {
        tick(f.form);
        for (int id : shownIds(f.form)) {
            QVERIFY2(!drawn.contains(id), qPrintable(QStringLiteral("photo %1 rolled again").arg(id)));
            seen.insert(id);
        }
    }
    QCOMPARE(seen.size(), ids.size() - drawn.size());
}

void FairnessTest::drawnNamesNeverRollAgain()
{
    FormFixture f(DrawSettings(1));
    addNames(f, {QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cy"), QStringLiteral("Dee"),
                 QStringLiteral("Eve"), QStringLiteral("Fay")});
    addPresets(f, {QStringLiteral("Zed")});
    f.show();
    f.form->RxSpinEdit1->setValue(3);
    f.form->bsSkinButton1->click();
    // The preset is among the winners, so it too must be gone from the roll.
    for (int round = 0; round < 200 && !shownLines(f.form).contains(QLatin1String("Zed")); ++round)
        tick(f.form);
    f.form->bsSkinButton1->click();
    const QStringList drawn = shownLines(f.form);
    QCOMPARE(drawn.size(), 3);
    QVERIFY(drawn.contains(QLatin1String("Zed")));

    f.form->bsSkinButton1->click();
    f.form->bsSkinButton1->click();
    QSet<QString> seen;
    for (int round = 0; round < 2000; ++round) {
        tick(f.form);
        for (const QString &line : shownLines(f.form)) {
            QVERIFY2(!drawn.contains(line), qPrintable(line + QStringLiteral(" rolled again")));
            seen.insert(line);
        }
    }
    QCOMPARE(seen.size(), 7 - 3);
}

QTEST_MAIN(FairnessTest)
#include "test_fairness.moc"
