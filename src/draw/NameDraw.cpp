#include "main/TForm1.h"

#include "common/TMyStringList.h"
#include "data/StatementRoutines.h"
#include "platform/DrawLabel.h"

#include <QComboBox>

#include <exception>

namespace {

// Blank means nothing is left once the characters of code 32 and below are cut off both ends.
bool IsBlank(const QString &text)
{
    for (QChar c : text)
        if (c.unicode() > 32)
            return false;
    return true;
}

}

void TForm1::RollNames(int count)
{
    LabelWZ->setFontColor(DrawFontColor);
    LabelWZ->setFontSize(DrawFontSize);
    LabelWZ->setFontName(DrawFontName);
    const int queryNumber = (count >= 1 && count <= 9) ? count : 10;
    try {
        ADOQueryWZ.close();
        ADOQueryWZ.setText(QStringLiteral("select wz from wz%1").arg(queryNumber));
        ADOQueryWZ.open();
        QString shown;
        while (!ADOQueryWZ.eof()) {
            shown += ADOQueryWZ.field(0).toString();
            ADOQueryWZ.next();
            if (!ADOQueryWZ.eof() && !shown.isEmpty())
                shown += QLatin1Char('\r');
        }
        LabelWZ->setCaption(shown);
        m_nameRollFailed = false;
    } catch (const std::exception &error) {
        LabelWZ->setCaption(QString::fromUtf8(error.what()));
        m_nameRollFailed = true;
    }
}

void TForm1::RecordNameWinners()
{
    // A failure text on screen is no candidate: it must never become an entry.
    if (m_nameRollFailed)
        return;
    const QString grade = bsSkinComboBox1->currentText();
    TMyStringList lines(QLatin1Char('\r'));
    SplitText(lines, LabelWZ->caption());
    for (const QString &line : lines.lines()) {
        QString result;
        OpenQuery(QStringLiteral("select count(*) from wz where wz=") + Quoted(line), result, ADOQueryWZ);
        const int count = FirstInteger(ADOQueryWZ);
        if (count == 0 && !IsBlank(line))
            ExecStatement(QStringLiteral("insert into wz(wz,prize) values(") + Quoted(line) + QLatin1Char(',')
                              + Quoted(grade) + QLatin1Char(')'),
                          result, ADOQueryWZ);
        else
            ExecStatement(QStringLiteral("update wz set prize=") + Quoted(grade) + QStringLiteral(" where wz=")
                              + Quoted(line),
                          result, ADOQueryWZ);
    }
}
