// How the sender types the ANSI chars 0x80 to 0xFF that the layout lacks: as a
// dead key followed by a letter, or as an Alt code on the number pad.
#pragma once

enum DeadKeySlot
{
    kDeadAcute = 2,
    kDeadCircumflex = 3,
    kDeadTilde = 4,
    kDeadDiaeresis = 5,
    kDeadGrave = 6,
};

const int kDeadKeySlots = 8;

// The dead-key chars by slot before they are fitted to the layout; a blank is no dead key.
extern const char kDefaultDeadKeys[kDeadKeySlots];

struct AccentEntry
{
    int deadKeySlot;  // 0 when the char is typed by its Alt code
    char letter;
    int altCode;  // 0 when the char has no code
};

AccentEntry LookUpAccent(unsigned char ch);
