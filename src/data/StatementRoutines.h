#pragma once

#include <QString>

class Statement;

// The result text of both routines: "Success", or the failure text already shown.
extern const QString SuccessResult;

// Writes a text value into a statement: single quotes around it, inner quotes doubled.
QString Quoted(const QString &value);

// Runs a select; on failure shows the message with the marker, then the statement, in two
// boxes, and leaves the statement object closed.
void OpenQuery(const QString &statementText, QString &result, Statement &statement);
// Runs an insert, update or delete; on failure shows message, marker and statement in one box.
void ExecStatement(const QString &statementText, QString &result, Statement &statement);

// Reads the first column of the first row of an open select as an integer; throws
// DatabaseError when there is none (a failed OpenQuery leaves the statement closed).
int FirstInteger(const Statement &statement);
