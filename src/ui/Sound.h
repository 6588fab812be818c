#pragma once

// Sounds and pauses. Every wait (a pause, a synchronous sound) is scaled by
// one process-wide time scale: 1 in the game, 0 in tests.

#include <QString>

// Plays AppFolder + fileName, found without regard to case; a missing file plays nothing.
// flags 0 waits for the sound's end (bounded by the file's own length, so a
// machine without audio output never hangs); flags 1 returns at once.
void PlaySound(const QString& fileName, int flags = 0);
// Plays the sound only while the current player has sound effects on (the
// sounds of the play itself; window motion and menus play whatever the setting).
void PlayEffect(const QString& fileName, int flags = 0);
// A sound of the play heard to its end while the current player has sound
// effects on; with them off, a pause of pauseSeconds in its place.
void SoundOrPause(const QString& fileName, double pauseSeconds);
// The same, then lets pending window events run once (for window motion).
void PlaySoundAndYield(const QString& fileName, int flags = 0);
// Waits seconds while the windows keep painting and taking events.
void Pause(double seconds);
// Lets pending window events run once.
void DoEvents();

void SetTimeScale(double scale);
double TimeScale();
// Fast play: pauses wait no time at all, while a synchronous sound is still
// heard to its end.
void SetPausesSkipped(bool skipped);
bool PausesSkipped();

// The length in seconds of a WAV file, 0 when it cannot be read.
double WavDurationSeconds(const QString& path);
