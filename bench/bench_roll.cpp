// How long one roll tick takes: the roll interval can be as short as 10 ms, so a tick should
// stay well below that with six large photos or a long list of names.
#include "support/FormFixture.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

class RollBenchmark : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void photoTickWithSixLargePhotos();
    void nameTickWithTenThousandEntries();
};

void RollBenchmark::photoTickWithSixLargePhotos()
{
    FormFixture f(DrawSettings(0, 6));
    for (int i = 0; i < 12; ++i) {
        QImage photo(4000, 3000, QImage::Format_RGB32);
        QPainter painter(&photo);
        painter.fillRect(photo.rect(), QColor::fromHsv(i * 30, 160, 220));
        painter.drawEllipse(500, 500, 3000, 2000);
        painter.end();
        const QString file = f.folder.file(QStringLiteral("photo%1.jpg").arg(i));
        photo.save(file, "JPEG", 90);
        f.folder.sql(QStringLiteral("insert into photo(xm,filename) values('P%1','%2')").arg(i).arg(file));
    }
    f.show();
    f.form->FormKeyPress(QLatin1Char('\r'));
    QBENCHMARK {
        f.form->RollPhotos();
    }
}

void RollBenchmark::nameTickWithTenThousandEntries()
{
    FormFixture f(DrawSettings(1));
    QString inserts = QStringLiteral("insert into wz(wz) values ");
    for (int i = 0; i < 10000; ++i)
        inserts += QStringLiteral("%1('Ticket %2')").arg(i ? QStringLiteral(",") : QString()).arg(i);
    f.folder.sql(inserts);
    f.show();
    f.form->FormKeyPress(QLatin1Char('\r'));
    QBENCHMARK {
        f.form->RollNames(10);
    }
}

QTEST_MAIN(RollBenchmark)
#include "bench_roll.moc"
