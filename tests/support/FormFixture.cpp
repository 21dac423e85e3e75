#include "support/FormFixture.h"

#include <QFile>

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
    m_window = std::make_unique<PreparedForm>();
    media = m_window->media;
    stream = m_window->stream;
    form = m_window->form;
}

FormFixture::~FormFixture() = default;

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
