#include "main/TForm1.h"

#include "common/Uglobal.h"
#include "platform/IniFile.h"
#include "platform/MessageBoxes.h"
#include "platform/PictureBox.h"

#include <QFileInfo>

#include <exception>

namespace {

const QString Prize = QStringLiteral("prize");
const QString ShowWinner = QStringLiteral("ShowWinner");

// Converts a stored integer; leaves the target as it was when the text is not one.
void ReadInteger(const IniFile &ini, const QString &key, const QString &defaultValue, int &target)
{
    bool ok = false;
    const int value = ini.readString(Prize, key, defaultValue).toInt(&ok);
    if (ok)
        target = value;
}

int IntegerOr(const IniFile &ini, const QString &key, int fallback)
{
    int value = fallback;
    ReadInteger(ini, key, QStringLiteral("None"), value);
    return value;
}

bool IsExactlyTrue(const IniFile &ini, const QString &key, const QString &defaultValue)
{
    return ini.readString(ShowWinner, key, defaultValue) == QLatin1String("true");
}

}

void TForm1::LoadSettings(const QString &fileName)
{
    const QString folder = ExecutableFolder();
    const QString path = folder + fileName;
    if (!QFileInfo(path).isFile())
        return;
    const IniFile ini(path);

    WindowCaption = ini.readString(Prize, QStringLiteral("caption"), QStringLiteral("None"));
    const QString background = ini.readString(Prize, QStringLiteral("background"), QStringLiteral("None"));
    RollSoundFile = ini.readString(Prize, QStringLiteral("BackGroundSound1"), QStringLiteral("None"));
    DrawSoundFile = ini.readString(Prize, QStringLiteral("BackGroundSound2"), QStringLiteral("None"));
    ReadInteger(ini, QStringLiteral("FontColor"), QStringLiteral("0"), DrawFontColor);
    DrawFontName = ini.readString(Prize, QStringLiteral("FontName"), QStringLiteral("Arial"));
    ReadInteger(ini, QStringLiteral("FontSize"), QStringLiteral("60"), DrawFontSize);

    SelectSkin(IntegerOr(ini, QStringLiteral("Skin"), 0));

    const QString fallbackPicture = folder + QStringLiteral("bg.jpg");
    try {
        Image1->loadFromFile(QFileInfo(background).isFile() ? background : fallbackPicture);
    } catch (const std::exception &error) {
        MessageBoxes::ShowMessage(QStringLiteral("Load background image failed! ") + QString::fromUtf8(error.what()));
        if (QFileInfo(fallbackPicture).isFile()) {
            try {
                Image1->loadFromFile(fallbackPicture);
            } catch (const std::exception &) {
            }
        }
    }

    DrawMode = IntegerOr(ini, QStringLiteral("mode"), 0);
    StretchPhotos = ini.readString(Prize, QStringLiteral("PhotoFullScreen"), QStringLiteral("0")) != QLatin1String("0");
    PhotoCount = IntegerOr(ini, QStringLiteral("PhotoNumber"), 1);

    ShowCongratulation = IsExactlyTrue(ini, QStringLiteral("Show"), QStringLiteral("true"));
    CongratulationText1 = ini.readString(ShowWinner, QStringLiteral("Congratution1"), QStringLiteral("Congratulations"));
    CongratulationText2 = ini.readString(ShowWinner, QStringLiteral("Congratution2"), QStringLiteral("Won"));
    CongratulationShowsNames = IsExactlyTrue(ini, QStringLiteral("ShowWinnerName"), QStringLiteral("true"));
    CongratulationShowsGrade = IsExactlyTrue(ini, QStringLiteral("ShowPrizeClass"), QStringLiteral("true"));
}
