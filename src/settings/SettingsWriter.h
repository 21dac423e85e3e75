#pragma once

#include <QString>
#include <QtGlobal>

// Everything the Options dialog stores in the settings file on Apply.
struct OptionsSettings
{
    QString caption;
    QString backgroundPath;
    QString photoPath;
    int skinIndex = 0;
    int mode = 0;
    QString rollSoundPath;
    QString drawSoundPath;
    int rollSoundChoice = 0;   // "bgs1"
    int drawSoundChoice = 0;   // "bgs2"
    int backgroundChoice = 0;  // "bg"
    qint32 fontColor = 0;      // red in the lowest byte
    int fontSize = 0;
    QString fontName;
    bool photoFullScreen = false;
    int photoNumber = 0;
    bool showCongratulation = false;
    QString congratulationText1;
    QString congratulationText2;
    bool showWinnerName = false;
    bool showPrizeClass = false;
};

// Writes every key in one pass, in the order the file has always had, so a new file reads
// top to bottom like the dialog. Throws IniWriteError at the first key that cannot be
// written; the keys before it stay written.
void WriteSettings(const QString &path, const OptionsSettings &settings);
