#pragma once

#include "main/TForm1.h"
#include "support/FakePlayer.h"

#include <memory>

// A main window over the current ProgramFolder, which the test has laid out beforehand: a
// settings file of raw bytes, a missing bg.jpg, a damaged db.MDB. The folder and any
// MessageRecorder must be created before it and outlive it.
class PreparedForm
{
public:
    PreparedForm();
    ~PreparedForm();

    // Shows the window (FormShow runs) and makes it the active window with the button focused.
    void show();

    FakePlayer *media = nullptr;
    FakePlayer *stream = nullptr;
    TForm1 *form = nullptr;

private:
    std::unique_ptr<TForm1> m_owner;
};
