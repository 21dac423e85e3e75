#include "data/TDataModule2.h"
#include "main/TForm1.h"
#include "platform/audio/QtAudioPlayer.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quellmark"));
    QApplication::setApplicationVersion(QStringLiteral(QUELLMARK_VERSION));

    // The window comes first and touches no database; the connection opens when the window
    // is shown and fills its grade list.
    auto *form = new TForm1(new QtAudioPlayer, new QtAudioPlayer);
    TDataModule2 dataModule;
    // Maximised even where no window manager is there to do it (a kiosk, a bare X server).
    form->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    form->showMaximized();
    return application.exec();
}
