#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

class FormFixture;
class TForm1;

// Rows the draw works on, written straight into the fixture's database.

// The colour of the picture that addPhotos makes for its photo number (from 1).
QColor PhotoColour(int number);
// Photos "Person 1" .. "Person n", each with a small picture file of its own colour;
// returns their ids in that order.
QList<int> addPhotos(FormFixture &f, int count);
// One photo row with any file path, for missing or broken pictures; returns its id.
int addPhotoRow(FormFixture &f, const QString &name, const QString &file);
QString photoName(FormFixture &f, int id);

// Name entries and preset name winners; quotes in a text go in as they are.
void addNames(FormFixture &f, const QStringList &names);
void addPresets(FormFixture &f, const QStringList &texts);

// The ids the last roll tick put into the slots, in slot order.
QList<int> shownIds(const TForm1 *form);
// The lines of the draw text, as a plain split at carriage returns.
QStringList shownLines(const TForm1 *form);

// Runs one statement whole on the program's own connection, for the ones with semicolons
// inside (triggers) that ProgramFolder::sql would cut apart.
void runWhole(const QString &statement);

// Runs the roll timer's pending tick at once, as the event loop would.
void tick(TForm1 *form);
