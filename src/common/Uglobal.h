#pragma once

#include <QString>

// Program-wide values shared by every window. Text starts empty, numbers at 0, flags false;
// LoadSettings fills them from the settings file.
extern QString AppFolder;       // the program folder, always ending in "/"
extern QString SkinFile;        // full path of the current skin description file
extern int DrawMode;            // 0 photo mode, 1 name/number mode
extern int PhotoCount;          // photos side by side in one photo-mode draw
extern bool ShowCongratulation;
extern bool CongratulationShowsNames;
extern bool CongratulationShowsGrade;
extern QString CongratulationText1;
extern QString CongratulationText2;

// Puts every value above back to its initial value.
void ResetSharedSettings();

// Only the value 1 means name mode; any other value stored in a hand-edited file is photo
// mode, so the roll and the recording can never disagree about the mode.
bool IsNameMode();

// The number of photo slots in use. Values outside 1..6 (no settings file, a hand-edited
// file) are brought into range here, the one place every user of PhotoCount goes through.
int EffectivePhotoCount();

// Sets SkinFile from a skin index 0..5; any other index gives the first skin.
void SelectSkin(int index);

// The folder of the running executable, ending in "/". An embedding program (the test
// suites) can place the program folder elsewhere.
QString ExecutableFolder();
void SetExecutableFolder(const QString &folder);
