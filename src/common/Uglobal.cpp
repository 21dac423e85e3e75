#include "common/Uglobal.h"

#include <QCoreApplication>
#include <QtGlobal>

QString AppFolder;
QString SkinFile;
int DrawMode = 0;
int PhotoCount = 0;
bool ShowCongratulation = false;
bool CongratulationShowsNames = false;
bool CongratulationShowsGrade = false;
QString CongratulationText1;
QString CongratulationText2;

namespace {
QString executableFolderOverride;

QString withTrailingSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}
}

void ResetSharedSettings()
{
    AppFolder.clear();
    SkinFile.clear();
    DrawMode = 0;
    PhotoCount = 0;
    ShowCongratulation = false;
    CongratulationShowsNames = false;
    CongratulationShowsGrade = false;
    CongratulationText1.clear();
    CongratulationText2.clear();
}

bool IsNameMode()
{
    return DrawMode == 1;
}

int EffectivePhotoCount()
{
    return qBound(1, PhotoCount, 6);
}

void SelectSkin(int index)
{
    static const char *const folders[] = {"Orange", "Autumn", "Clouds", "WinXPSteel", "Futura", "Ketix"};
    const char *folder = (index >= 0 && index < 6) ? folders[index] : folders[0];
    SkinFile = ExecutableFolder() + QStringLiteral("skins/") + QLatin1String(folder) + QStringLiteral("/skin.ini");
}

QString ExecutableFolder()
{
    if (!executableFolderOverride.isEmpty())
        return executableFolderOverride;
    return withTrailingSlash(QCoreApplication::applicationDirPath());
}

void SetExecutableFolder(const QString &folder)
{
    executableFolderOverride = folder.isEmpty() ? QString() : withTrailingSlash(folder);
}
