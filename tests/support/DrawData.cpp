#include "support/DrawData.h"

#include "data/Statement.h"
#include "data/StatementRoutines.h"
#include "platform/DrawLabel.h"
#include "support/FormFixture.h"

#include <QImage>
#include <QTimer>
#include <QtTest>

QColor PhotoColour(int number)
{
    // Kept to eight bits a channel, exactly as a picture file stores it.
    return QColor(QColor::fromHsv(number * 37 % 360, 200, 200).rgb());
}

QList<int> addPhotos(FormFixture &f, int count)
{
    QList<int> ids;
    for (int number = 1; number <= count; ++number) {
        const QString file = f.folder.file(QStringLiteral("p%1.png").arg(number));
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(PhotoColour(number));
        if (!image.save(file))
            qFatal("cannot write %s", qPrintable(file));
        ids.append(addPhotoRow(f, QStringLiteral("Person %1").arg(number), file));
    }
    return ids;
}

int addPhotoRow(FormFixture &f, const QString &name, const QString &file)
{
    f.folder.sql(QStringLiteral("insert into photo(xm,filename) values(%1,%2)").arg(Quoted(name), Quoted(file)));
    return f.folder.scalar(QStringLiteral("select max(id) from photo")).toInt();
}

QString photoName(FormFixture &f, int id)
{
    return f.folder.scalar(QStringLiteral("select xm from photo where id=%1").arg(id)).toString();
}

void addNames(FormFixture &f, const QStringList &names)
{
    for (const QString &name : names)
        f.folder.sql(QStringLiteral("insert into wz(wz) values(%1)").arg(Quoted(name)));
}

void addPresets(FormFixture &f, const QStringList &texts)
{
    for (const QString &text : texts)
        f.folder.sql(QStringLiteral("insert into zb1(wz,prize) values(%1,'Preset Prize')").arg(Quoted(text)));
}

QList<int> shownIds(const TForm1 *form)
{
    QList<int> ids;
    for (const std::optional<int> &id : form->SlotPhotoId)
        if (id)
            ids.append(*id);
    return ids;
}

QStringList shownLines(const TForm1 *form)
{
    const QString text = form->LabelWZ->caption();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\r'));
}

void runWhole(const QString &statement)
{
    Statement whole;
    whole.setText(statement);
    whole.execute();
}

void tick(TForm1 *form)
{
    QVERIFY(form->Timer1->isActive());
    form->Timer1Timer();
}
