#pragma once

#include "framework/CEdit.h"
#include "framework/CString.h"

// An edit control that holds one number within a range. Typed characters are
// checked one at a time: a text that is not a number in range (a lone sign
// excepted, while the user is typing) is put back to the previous value. The
// value is shown with as many decimals as the most precise value it has held.
class CNumEdit : public CEdit
{
public:
    // Validity codes of IsValid.
    enum
    {
        VALID = 0,
        OUT_OF_RANGE = 1,
        NOT_A_NUMBER = 2,
        LONE_SIGN = 3
    };

    CNumEdit() = default;

    // Adds step times count to the value, limited to the range.
    virtual BOOL ChangeValue(int count);
    virtual float GetStep() const { return m_step; }
    virtual void SetStep(float step) { m_step = step; }
    virtual void GetRange(float& minimum, float& maximum) const;
    virtual void SetRange(float minimum, float maximum);
    virtual BOOL GetShowMessages() const { return m_showMessages; }
    virtual void SetShowMessages(BOOL show) { m_showMessages = show; }
    virtual int IsValid(const CString& text);
    virtual int IsValid();
    // FALSE, the text unchanged, for a value outside the range.
    virtual BOOL SetValue(float value);
    // The range's minimum while the text is not a valid number.
    virtual float GetValue();
    // The printf format for the value; raises the decimals the value needs.
    virtual CString& GetFormat(CString& format, float value);

    // Reads one number, white space allowed around it: an optional sign, digits
    // with an optional point and an optional exponent with digits. Hexadecimal,
    // "inf" and "nan" are not numbers here.
    static bool ParseNumber(const char* text, double& value);

    int GetDecimals() const { return m_decimals; }

protected:
    void OnChar(UINT ch, UINT repeatCount, UINT flags);

    DECLARE_MESSAGE_MAP()

private:
    unsigned char m_decimals = 0;
    BOOL m_showMessages = FALSE;
    float m_step = 1.0f;
    float m_min = -3.4028235e38f;
    float m_max = 3.4028235e38f;
};
