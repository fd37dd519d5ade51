// Sound playback through MCI, one sound at a time.
#pragma once

// Stops the current sound, then plays the file (an empty name only stops);
// with wait the call returns when the sound has ended. False when MCI fails
// or the name has MAX_PATH chars or more.
bool PlaySoundFile(const char* file, bool wait);

// Closes the sound device, if one is open.
void CloseSound();
