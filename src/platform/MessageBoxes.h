#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every box the program shows to the operator goes through here, so a test can read each
// text and give the answer without a modal box ever waiting for a person.
namespace MessageBoxes {

enum class Kind {
    Plain,        // plain box with an OK button
    Warning,      // skinned warning box
    Information,  // skinned information box
    Error         // the application's general error box for failures nobody handled
};

enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No, Dismissed };

struct Request {
    Kind kind;
    Buttons buttons;
    QString text;
};

using Handler = std::function<Answer(const Request &)>;

// Replaces the handler that shows the boxes; an empty handler restores the real boxes.
void setHandler(Handler handler);

void ShowMessage(const QString &text);
Answer SkinMessage(Kind kind, const QString &text, Buttons buttons = Buttons::Ok);
void ShowErrorBox(const QString &text);

// Runs an event handler so that an error it does not handle itself ends the handler where
// it happened and is shown in the general error box, and the program goes on.
void RunReportingErrors(const std::function<void()> &work);

}
