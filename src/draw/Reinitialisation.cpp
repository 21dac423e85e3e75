#include "main/TForm1.h"

#include "common/Uglobal.h"
#include "data/StatementRoutines.h"
#include "platform/MessageBoxes.h"

#include <QComboBox>

#include <exception>

void TForm1::ActionInitExecute()
{
    MessageBoxes::RunReportingErrors([this] {
        const MessageBoxes::Answer answer =
            MessageBoxes::SkinMessage(MessageBoxes::Kind::Warning,
                                      QStringLiteral("Lukcy draw will be completely re-start,Continue?"),
                                      MessageBoxes::Buttons::YesNo);
        if (answer != MessageBoxes::Answer::Yes)
            return;
        if (IsNameMode()) {
            ADOQuery1.close();
            ADOQuery1.setText(QStringLiteral("update wz set prize=null where prize is not null"));
            ADOQuery1.execute();
            ADOQuery1.close();
            ADOQuery1.setText(QStringLiteral("select wz from zb1"));
            ADOQuery1.open();
            for (; !ADOQuery1.eof(); ADOQuery1.next()) {
                ADOQuery3.close();
                ADOQuery3.setText(QStringLiteral("delete from wz where wz=") + Quoted(ADOQuery1.field(0).toString()));
                ADOQuery3.execute();
            }
        } else {
            ADOQuery1.close();
            ADOQuery1.setText(QStringLiteral("update photo set class=null"));
            ADOQuery1.execute();
        }
        MessageBoxes::SkinMessage(MessageBoxes::Kind::Information, QStringLiteral("Initialized!"));
    });
}

QString TForm1::WinnerCountText()
{
    const QString grade = bsSkinComboBox1->currentText();
    const QString statement = IsNameMode()
                                  ? QStringLiteral("select count(*) from wz where prize=") + Quoted(grade)
                                  : QStringLiteral("select count(*) from prize where class=") + Quoted(grade);
    try {
        QString result;
        OpenQuery(statement, result, ADOQuery3);
        if (result != SuccessResult)
            return QString();
        return grade + QStringLiteral("There are ") + QString::number(FirstInteger(ADOQuery3))
               + QStringLiteral(" winners");
    } catch (const std::exception &) {
        return QString();
    }
}
