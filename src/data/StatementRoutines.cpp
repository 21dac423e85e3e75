#include "data/StatementRoutines.h"

#include "data/DatabaseError.h"
#include "data/Statement.h"
#include "platform/MessageBoxes.h"

const QString SuccessResult = QStringLiteral("Success");

namespace {
const QString lineBreak = QStringLiteral("\r\n");
const QString errorMarker = QStringLiteral("错误");
}

QString Quoted(const QString &value)
{
    QString doubled = value;
    doubled.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}

void OpenQuery(const QString &statementText, QString &result, Statement &statement)
{
    result = SuccessResult;
    try {
        statement.close();
        statement.setText(statementText);
        statement.open();
    } catch (const DatabaseError &error) {
        statement.close();
        result = error.message() + lineBreak + errorMarker;
        MessageBoxes::ShowMessage(result);
        MessageBoxes::ShowMessage(statementText);
    }
}

void ExecStatement(const QString &statementText, QString &result, Statement &statement)
{
    result = SuccessResult;
    try {
        statement.close();
        statement.setText(statementText);
        statement.execute();
        statement.close();
    } catch (const DatabaseError &error) {
        result = error.message() + lineBreak + errorMarker + lineBreak + statementText;
        MessageBoxes::ShowMessage(result);
    }
}

int FirstInteger(const Statement &statement)
{
    bool ok = false;
    const int value = statement.field(0).toInt(&ok);
    if (!ok)
        throw DatabaseError(QStringLiteral("The value is not an integer."));
    return value;
}
