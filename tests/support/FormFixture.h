#pragma once

#include "main/TForm1.h"
#include "support/FakePlayer.h"
#include "support/MessageRecorder.h"
#include "support/PreparedForm.h"
#include "support/ProgramFolder.h"

#include <QString>

#include <memory>

// A main window in a program folder of its own, with recording players and message boxes.
// The settings text is written as prize.ini before the window is created; "@DIR@" in it
// stands for the program folder.
class FormFixture
{
public:
    explicit FormFixture(const QString &settings = QString(), bool withDatabase = true);
    ~FormFixture();

    // Shows the window (FormShow runs) and makes it the active window with the button focused.
    void show() { m_window->show(); }

    ProgramFolder folder;
    MessageRecorder messages;
    FakePlayer *media = nullptr;
    FakePlayer *stream = nullptr;
    TForm1 *form = nullptr;

private:
    std::unique_ptr<PreparedForm> m_window;
};

// Settings text for a mode, with sound files inside the program folder.
QString DrawSettings(int mode, int photoNumber = 1, const QString &extra = QString());
