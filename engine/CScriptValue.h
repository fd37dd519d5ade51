#pragma once

#include "engine/CScriptString.h"

#include <memory>
#include <vector>

// The script language's value: a number, a string, an array or a reference to
// another value. A number keeps its double and prints its string on demand; a
// string keeps its text and reads its number and integer on demand.
//
// Array elements and variables live in shared ownership (std::make_shared), so
// a reference to one (a ByRef parameter bound to an element) keeps it alive
// when its array is rebuilt or freed: the reference then writes into a value
// that nobody else sees, never into freed memory.
class CScriptValue : public std::enable_shared_from_this<CScriptValue>
{
public:
    enum Kind
    {
        KIND_NUMBER = 1,
        KIND_STRING = 2,
        KIND_ARRAY = 3,
        KIND_REFERENCE = 4
    };
    static constexpr int kMaxDimensions = 64;
    static constexpr int kMaxElements = 0x1000000;

    CScriptValue() noexcept;
    CScriptValue(const CScriptValue& other);
    CScriptValue(CScriptValue&& other) noexcept;
    ~CScriptValue();
    // Deep copy; safe when the source is an element of this value or the
    // other way round.
    CScriptValue& operator=(const CScriptValue& other);
    CScriptValue& operator=(CScriptValue&& other) noexcept;

    void Reset();
    void SetInteger(int value);
    void SetDouble(double value);
    void SetString(const char* text);
    void SetString(const char* text, int length);
    void SetString(const CScriptString& text);
    // The target is not owned; when it is a variable or an array element it is
    // kept alive for as long as this reference refers to it.
    void SetReference(CScriptValue* target);

    int GetKind() const { return m_nKind; }
    const CScriptString& GetString() const;
    const char* GetText() const { return GetString().GetText(); }
    double GetNumber() const;
    int GetInteger() const;
    CScriptValue* GetReference() const { return m_pReference; }

    void MakeNumber();
    void MakeString();

    bool IsNumber() const { return m_nKind == KIND_NUMBER; }
    bool IsString() const { return m_nKind == KIND_STRING; }
    bool IsArray() const { return m_nKind == KIND_ARRAY; }
    bool IsReference() const { return m_nKind == KIND_REFERENCE; }
    bool IsInteger() const;
    bool IsFraction() const;
    bool IsTrue() const;

    void Add(const CScriptValue& other);
    void Subtract(const CScriptValue& other);
    void Multiply(const CScriptValue& other);
    void Divide(const CScriptValue& other);
    void Not();
    void Concatenate(const CScriptValue& other);

    bool EqualsNoCase(const CScriptValue& other) const;
    bool EqualsCase(const CScriptValue& other) const;
    bool Greater(const CScriptValue& other) const;
    bool Less(const CScriptValue& other) const;
    // "<=" and ">=": false whenever the values cannot be ordered (an array,
    // a not-a-number), so a loop bounded by such a value is never entered.
    bool LessOrEqual(const CScriptValue& other) const { return Less(other) || EqualsNoCase(other); }
    bool GreaterOrEqual(const CScriptValue& other) const { return Greater(other) || EqualsNoCase(other); }
    bool And(const CScriptValue& other) const;
    bool Or(const CScriptValue& other) const;

    void ClearSubscripts() { m_aSubscripts.clear(); }
    bool PushSubscript(int subscript);
    int GetSubscriptCount() const { return static_cast<int>(m_aSubscripts.size()); }
    bool SubscriptsValid() const;
    // 0 gives the dimension count, 1..count a dimension's size, else 0.
    int DimensionSize(int index) const;
    int GetElementCount() const;
    // The pending subscripts become the dimensions; false (value unchanged)
    // when a size is negative or there would be more than kMaxElements, or
    // the memory cannot be had. A size of 0 makes an array without elements.
    bool MakeArray();
    // Created as the number 0 when absent; null when the subscripts are invalid.
    CScriptValue* ElementAtPending();
    std::shared_ptr<CScriptValue> SharedElementAtPending();
    void CopyCommonElements(const CScriptValue& source);

private:
    struct ArrayData;

    bool IsInert(const CScriptValue& other) const;
    void Arithmetic(const CScriptValue& other, int operation);
    int FlatIndex() const;
    void SwapContent(CScriptValue& other) noexcept;
    void CopyContent(const CScriptValue& other);

    int m_nKind;
    mutable int m_nInteger;
    mutable bool m_bIntegerValid;
    mutable double m_dNumber;
    mutable bool m_bNumberValid;
    mutable bool m_bStringValid;
    mutable CScriptString m_sString;
    CScriptValue* m_pReference;
    std::shared_ptr<CScriptValue> m_pReferenceOwner;
    std::unique_ptr<ArrayData> m_pArray;
    std::vector<int> m_aSubscripts;
};
