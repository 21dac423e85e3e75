#include "support/FormFixture.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTest>

FormFixture::FormFixture(const QString &settings, bool withDatabase) : folder(withDatabase)
{
    if (!settings.isEmpty()) {
        QString text = settings;
        folder.writeSettings(text.replace(QStringLiteral("@DIR@"), folder.path()));
    }
    for (const char *name : {"roll.wav", "draw.wav"}) {
        QFile sound(folder.file(QLatin1String(name)));
        if (!sound.open(QIODevice::WriteOnly))
            qFatal("cannot write a sound file");
    }
    media = new FakePlayer;
    stream = new FakePlayer;
    m_owner = std::make_unique<TForm1>(media, stream);
    form = m_owner.get();
    form->setAttribute(Qt::WA_DeleteOnClose, false);
}

FormFixture::~FormFixture() = default;

void FormFixture::show()
{
    form->resize(800, 600);
    form->show();
    QApplication::setActiveWindow(form);
    if (!QTest::qWaitForWindowActive(form))
        qWarning("the window did not become active");
    form->bsSkinButton1->setFocus();
}

QString DrawSettings(int mode, int photoNumber, const QString &extra)
{
    return QStringLiteral("[prize]\ncaption=Test Show\nMode=%1\nPhotoNumber=%2\n"
                          "BackGroundSound1=@DIR@roll.wav\nBackGroundSound2=@DIR@draw.wav\n"
                          "FontSize=20\nFontName=DejaVu Sans\n%3"
                          "[ShowWinner]\nShow=false\n")
        .arg(mode)
        .arg(photoNumber)
        .arg(extra);
}
