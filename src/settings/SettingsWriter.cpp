#include "settings/SettingsWriter.h"

#include "platform/IniFile.h"

namespace {

QString trueFalse(bool flag)
{
    return flag ? QStringLiteral("true") : QStringLiteral("false");
}

} // namespace

void WriteSettings(const QString &path, const OptionsSettings &settings)
{
    const IniFile ini(path);

    const QString prize = QStringLiteral("prize");
    ini.writeString(prize, QStringLiteral("caption"), settings.caption);
    ini.writeString(prize, QStringLiteral("background"), settings.backgroundPath);
    ini.writeString(prize, QStringLiteral("PhotoPath"), settings.photoPath);
    ini.writeString(prize, QStringLiteral("Skin"), QString::number(settings.skinIndex));
    ini.writeString(prize, QStringLiteral("Mode"), QString::number(settings.mode));
    ini.writeString(prize, QStringLiteral("BackGroundSound1"), settings.rollSoundPath);
    ini.writeString(prize, QStringLiteral("BackGroundSound2"), settings.drawSoundPath);
    ini.writeString(prize, QStringLiteral("bgs1"), QString::number(settings.rollSoundChoice));
    ini.writeString(prize, QStringLiteral("bgs2"), QString::number(settings.drawSoundChoice));
    ini.writeString(prize, QStringLiteral("bg"), QString::number(settings.backgroundChoice));
    ini.writeString(prize, QStringLiteral("FontColor"), QString::number(settings.fontColor));
    ini.writeString(prize, QStringLiteral("FontSize"), QString::number(settings.fontSize));
    ini.writeString(prize, QStringLiteral("FontName"), settings.fontName);
    ini.writeString(prize, QStringLiteral("PhotoFullScreen"),
                    settings.photoFullScreen ? QStringLiteral("1") : QStringLiteral("0"));
    ini.writeString(prize, QStringLiteral("PhotoNumber"), QString::number(settings.photoNumber));

    const QString showWinner = QStringLiteral("ShowWinner");
    ini.writeString(showWinner, QStringLiteral("Show"), trueFalse(settings.showCongratulation));
    ini.writeString(showWinner, QStringLiteral("Congratution1"), settings.congratulationText1);
    ini.writeString(showWinner, QStringLiteral("Congratution2"), settings.congratulationText2);
    ini.writeString(showWinner, QStringLiteral("ShowWinnerName"), trueFalse(settings.showWinnerName));
    ini.writeString(showWinner, QStringLiteral("ShowPrizeClass"), trueFalse(settings.showPrizeClass));
}
