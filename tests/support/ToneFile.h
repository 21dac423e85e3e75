#pragma once

#include <QString>

// Writes a short sine tone as a 16-bit mono PCM WAV file, for tests that play real sound.
void WriteToneFile(const QString &path, double seconds, double frequency = 440.0);
