#include "engine/builtins/AccentTable.h"

const char kDefaultDeadKeys[kDeadKeySlots] = {' ', ' ', '\xB4', '^', '~', '\xA8', '`', ' '};

namespace {

struct DeadKeyChar
{
    unsigned char ch;
    int slot;
    char letter;
};

const DeadKeyChar kDeadKeyChars[] = {
    {0xC0, kDeadGrave, 'A'}, {0xC1, kDeadAcute, 'A'},      {0xC2, kDeadCircumflex, 'A'}, {0xC3, kDeadTilde, 'A'},
    {0xC8, kDeadGrave, 'E'}, {0xCA, kDeadCircumflex, 'E'}, {0xCB, kDeadDiaeresis, 'E'},  {0xCC, kDeadGrave, 'I'},
    {0xCD, kDeadAcute, 'I'}, {0xCE, kDeadCircumflex, 'I'}, {0xCF, kDeadDiaeresis, 'I'},  {0xD2, kDeadGrave, 'O'},
    {0xD3, kDeadAcute, 'O'}, {0xD4, kDeadCircumflex, 'O'}, {0xD5, kDeadTilde, 'O'},      {0xD9, kDeadGrave, 'U'},
    {0xDA, kDeadAcute, 'U'}, {0xDB, kDeadCircumflex, 'U'}, {0xDD, kDeadAcute, 'Y'},      {0xE3, kDeadTilde, 'a'},
    {0xF5, kDeadTilde, 'o'}, {0xFD, kDeadAcute, 'y'},
};

// Code page 437 codes of the ANSI chars, by the chars' ANSI codes.
struct AltCodeChar
{
    unsigned char ch;
    int code;
};

const AltCodeChar kAltCodeChars[] = {
    {0x83, 159}, {0xA1, 173}, {0xA2, 155}, {0xA3, 156}, {0xA5, 157}, {0xA6, 179}, {0xA7, 21},  {0xAA, 166},
    {0xAB, 174}, {0xAC, 170}, {0xB0, 248}, {0xB1, 241}, {0xB2, 253}, {0xB5, 230}, {0xB6, 20},  {0xB7, 250},
    {0xBA, 167}, {0xBB, 175}, {0xBC, 172}, {0xBD, 171}, {0xBF, 168}, {0xC4, 142}, {0xC5, 143}, {0xC6, 146},
    {0xC7, 128}, {0xC9, 144}, {0xD1, 165}, {0xD6, 153}, {0xDC, 154}, {0xDF, 225}, {0xE0, 133}, {0xE1, 160},
    {0xE2, 131}, {0xE4, 132}, {0xE5, 134}, {0xE6, 145}, {0xE7, 135}, {0xE8, 138}, {0xE9, 130}, {0xEA, 136},
    {0xEB, 137}, {0xEC, 141}, {0xED, 161}, {0xEE, 140}, {0xEF, 139}, {0xF1, 164}, {0xF2, 149}, {0xF3, 162},
    {0xF4, 147}, {0xF6, 148}, {0xF7, 246}, {0xF9, 151}, {0xFA, 163}, {0xFB, 150}, {0xFC, 129}, {0xFF, 152},
};

}  // namespace

AccentEntry LookUpAccent(unsigned char ch)
{
    for (const DeadKeyChar& d : kDeadKeyChars) {
        if (d.ch == ch)
            return {d.slot, d.letter, 0};
    }
    for (const AltCodeChar& a : kAltCodeChars) {
        if (a.ch == ch)
            return {0, 0, a.code};
    }
    return {0, 0, 0};
}
