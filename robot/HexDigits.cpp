#include "robot/HexDigits.h"

int HexDigitValue(const CString& digit)
{
    if (digit.GetLength() != 1)
        return 0;
    const char ch = digit[0];
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return 0;
}

CString HexDigitChar(unsigned value)
{
    if (value > 15)
        return CString();
    return CString("0123456789ABCDEF"[value]);
}
