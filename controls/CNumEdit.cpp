#include "controls/CNumEdit.h"

#include "framework/AfxMessageBox.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Advances over digits; the number of digits passed.
int SkipDigits(const char*& p)
{
    int count = 0;
    while (IsDigit(*p)) {
        ++p;
        ++count;
    }
    return count;
}

}  // namespace

BEGIN_MESSAGE_MAP(CNumEdit, CEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

bool CNumEdit::ParseNumber(const char* text, double& value)
{
    const char* p = text;
    while (IsBlank(*p))
        ++p;
    const char* start = p;
    if (*p == '+' || *p == '-')
        ++p;
    int digits = SkipDigits(p);
    if (*p == '.') {
        ++p;
        digits += SkipDigits(p);
    }
    if (digits == 0)
        return false;
    if (*p == 'e' || *p == 'E') {
        ++p;
        if (*p == '+' || *p == '-')
            ++p;
        if (SkipDigits(p) == 0)
            return false;
    }
    const char* end = p;
    while (IsBlank(*p))
        ++p;
    if (*p)
        return false;
    // The span is plain decimal, which strtod reads the same on every runtime.
    value = std::strtod(std::string(start, end).c_str(), nullptr);
    return true;
}

void CNumEdit::GetRange(float& minimum, float& maximum) const
{
    minimum = m_min;
    maximum = m_max;
}

void CNumEdit::SetRange(float minimum, float maximum)
{
    m_min = minimum;
    m_max = maximum;
}

int CNumEdit::IsValid(const CString& text)
{
    if (text == "+" || text == "-")
        return LONE_SIGN;
    int code = VALID;
    double number = 0;
    if (!ParseNumber(text, number)) {
        code = NOT_A_NUMBER;
    } else {
        // Beyond the float range the number is out of any range a float can give.
        const bool fits = std::fabs(number) <= FLT_MAX;
        const float value = fits ? static_cast<float>(number) : 0.0f;
        if (!fits || value > m_max || value < m_min)
            code = OUT_OF_RANGE;
    }
    if (m_showMessages && (code == OUT_OF_RANGE || code == NOT_A_NUMBER)) {
        CString message;
        if (code & OUT_OF_RANGE)
            message += "Given value is out of range.\n";
        if (code & NOT_A_NUMBER)
            message += "Characters must be a number.\n";
        AfxMessageBox(message, MB_OK | MB_ICONERROR);
    }
    return code;
}

int CNumEdit::IsValid()
{
    return IsValid(GetWindowText());
}

float CNumEdit::GetValue()
{
    const CString text = GetWindowText();
    if (IsValid(text) != VALID)
        return m_min;
    double number = 0;
    ParseNumber(text, number);
    return static_cast<float>(number);
}

BOOL CNumEdit::SetValue(float value)
{
    if (value > m_max || value < m_min)
        return FALSE;
    CString format;
    CString text;
    text.Format(GetFormat(format, value), static_cast<double>(value));
    SetWindowText(text);
    return TRUE;
}

BOOL CNumEdit::ChangeValue(int count)
{
    float value = static_cast<float>(static_cast<double>(GetValue()) + static_cast<double>(m_step) * count);
    if (value > m_max)
        value = m_max;
    if (value < m_min)
        value = m_min;
    return SetValue(value);
}

CString& CNumEdit::GetFormat(CString& format, float value)
{
    CString shown;
    shown.Format("%G", static_cast<double>(value));
    const int point = shown.Find('.');
    if (point >= 0) {
        const int decimals = shown.GetLength() - point - 1;
        if (decimals > m_decimals)
            m_decimals = static_cast<unsigned char>(decimals);
    }
    format.Format("%%.%df", m_decimals);
    return format;
}

void CNumEdit::OnChar(UINT ch, UINT, UINT)
{
    if (ch == ' ')
        return;
    const float old = GetValue();
    Default();
    switch (IsValid()) {
    case VALID: {
        CString format;
        GetFormat(format, GetValue());
        break;
    }
    case LONE_SIGN:
        break;
    default: {
        SetValue(old);
        SetSel(0, -1);
        // Characters typed ahead were meant for the text just refused.
        MSG msg;
        while (::PeekMessageA(&msg, m_hWnd, WM_CHAR, WM_CHAR, PM_REMOVE)) {
        }
        break;
    }
    }
}
