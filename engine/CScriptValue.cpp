#include "engine/CScriptValue.h"

#include "engine/ScriptNumber.h"

#include <cstring>
#include <new>
#include <utility>

struct CScriptValue::ArrayData
{
    std::vector<int> sizes;
    std::vector<std::shared_ptr<CScriptValue>> elements;
};

namespace {
enum Operation
{
    OPERATION_ADD,
    OPERATION_SUBTRACT,
    OPERATION_MULTIPLY,
    OPERATION_DIVIDE
};

const CScriptString& EmptyString()
{
    static const CScriptString empty;
    return empty;
}
}  // namespace

CScriptValue::CScriptValue() noexcept
    : m_nKind(KIND_NUMBER), m_nInteger(0), m_bIntegerValid(false), m_dNumber(0.0), m_bNumberValid(true),
      m_bStringValid(false), m_pReference(nullptr)
{
}

CScriptValue::CScriptValue(const CScriptValue& other) : CScriptValue()
{
    CopyContent(other);
}

CScriptValue::CScriptValue(CScriptValue&& other) noexcept : CScriptValue()
{
    SwapContent(other);
}

CScriptValue::~CScriptValue() = default;

CScriptValue& CScriptValue::operator=(const CScriptValue& other)
{
    if (this == &other)
        return *this;
    if (IsArray() || other.IsArray()) {
        // One may hold the other: build the copy apart, then take it over.
        CScriptValue copy(other);
        SwapContent(copy);
        return *this;
    }
    CopyContent(other);
    return *this;
}

CScriptValue& CScriptValue::operator=(CScriptValue&& other) noexcept
{
    if (this == &other)
        return *this;
    CScriptValue taken(std::move(other));
    SwapContent(taken);
    return *this;
}

void CScriptValue::SwapContent(CScriptValue& other) noexcept
{
    std::swap(m_nKind, other.m_nKind);
    std::swap(m_nInteger, other.m_nInteger);
    std::swap(m_bIntegerValid, other.m_bIntegerValid);
    std::swap(m_dNumber, other.m_dNumber);
    std::swap(m_bNumberValid, other.m_bNumberValid);
    std::swap(m_bStringValid, other.m_bStringValid);
    m_sString.Swap(other.m_sString);
    std::swap(m_pReference, other.m_pReference);
    m_pReferenceOwner.swap(other.m_pReferenceOwner);
    m_pArray.swap(other.m_pArray);
}

void CScriptValue::CopyContent(const CScriptValue& other)
{
    std::unique_ptr<ArrayData> array;
    if (other.m_pArray) {
        array.reset(new ArrayData);
        array->sizes = other.m_pArray->sizes;
        array->elements.resize(other.m_pArray->elements.size());
        for (std::size_t i = 0; i < array->elements.size(); ++i) {
            if (other.m_pArray->elements[i])
                array->elements[i] = std::make_shared<CScriptValue>(*other.m_pArray->elements[i]);
        }
    }
    if (other.m_bStringValid || other.IsString())
        m_sString = other.m_sString;
    else
        m_sString.Clear();
    m_nKind = other.m_nKind;
    m_nInteger = other.m_nInteger;
    m_bIntegerValid = other.m_bIntegerValid;
    m_dNumber = other.m_dNumber;
    m_bNumberValid = other.m_bNumberValid;
    m_bStringValid = other.m_bStringValid;
    m_pReference = other.m_pReference;
    m_pReferenceOwner = other.m_pReferenceOwner;
    m_pArray = std::move(array);
}

void CScriptValue::Reset()
{
    m_nKind = KIND_NUMBER;
    m_nInteger = 0;
    m_bIntegerValid = false;
    m_dNumber = 0.0;
    m_bNumberValid = true;
    m_bStringValid = false;
    m_sString.Clear();
    m_pReference = nullptr;
    m_pReferenceOwner.reset();
    m_pArray.reset();
}

void CScriptValue::SetInteger(int value)
{
    Reset();
    m_dNumber = value;
    m_nInteger = value;
    m_bIntegerValid = true;
}

void CScriptValue::SetDouble(double value)
{
    Reset();
    m_dNumber = value;
}

void CScriptValue::SetString(const char* text)
{
    SetString(text, static_cast<int>(std::strlen(text)));
}

void CScriptValue::SetString(const char* text, int length)
{
    // The text may be this value's own string or lie inside one of its elements.
    CScriptString copy(text, length);
    Reset();
    m_sString.Swap(copy);
    m_nKind = KIND_STRING;
    m_bNumberValid = false;
    m_bStringValid = true;
}

void CScriptValue::SetString(const CScriptString& text)
{
    SetString(text.GetText(), text.GetLength());
}

void CScriptValue::SetReference(CScriptValue* target)
{
    std::shared_ptr<CScriptValue> owner = target ? target->weak_from_this().lock() : nullptr;
    Reset();
    m_nKind = KIND_REFERENCE;
    m_pReference = target;
    m_pReferenceOwner = std::move(owner);
}

const CScriptString& CScriptValue::GetString() const
{
    if (IsString())
        return m_sString;
    if (!IsNumber())
        return EmptyString();
    if (!m_bStringValid) {
        char text[kScriptNumberTextSize];
        const int length = ScriptFormatNumber(m_dNumber, text);
        m_sString.Assign(text, length);
        m_bStringValid = true;
    }
    return m_sString;
}

double CScriptValue::GetNumber() const
{
    if (IsString() && !m_bNumberValid) {
        m_dNumber = ScriptTextToNumber(m_sString.GetText());
        m_bNumberValid = true;
    }
    return (IsNumber() || IsString()) ? m_dNumber : 0.0;
}

int CScriptValue::GetInteger() const
{
    if (!m_bIntegerValid) {
        if (IsNumber())
            m_nInteger = ScriptDoubleToInteger(m_dNumber);
        else if (IsString())
            m_nInteger = ScriptTextToInteger(m_sString.GetText());
        else
            return 0;
        m_bIntegerValid = true;
    }
    return m_nInteger;
}

void CScriptValue::MakeNumber()
{
    if (!IsString())
        return;
    m_dNumber = GetNumber();
    m_nKind = KIND_NUMBER;
    m_sString.Clear();
    m_bStringValid = false;
    m_bIntegerValid = false;
}

void CScriptValue::MakeString()
{
    if (!IsNumber())
        return;
    GetString();
    m_nKind = KIND_STRING;
    m_bNumberValid = false;
    m_bIntegerValid = false;
}

bool CScriptValue::IsInteger() const
{
    return IsNumber() && ScriptIsWholeNumber(m_dNumber);
}

bool CScriptValue::IsFraction() const
{
    return IsNumber() && !ScriptIsWholeNumber(m_dNumber);
}

bool CScriptValue::IsTrue() const
{
    if (IsNumber())
        return m_dNumber != 0.0;
    if (IsString())
        return !m_sString.IsEmpty();
    return false;
}

bool CScriptValue::IsInert(const CScriptValue& other) const
{
    return IsArray() || IsReference() || other.IsArray() || other.IsReference();
}

void CScriptValue::Arithmetic(const CScriptValue& other, int operation)
{
    if (IsInert(other))
        return;
    MakeNumber();
    const double right = other.GetNumber();
    switch (operation) {
    case OPERATION_ADD:
        m_dNumber += right;
        break;
    case OPERATION_SUBTRACT:
        m_dNumber -= right;
        break;
    case OPERATION_MULTIPLY:
        m_dNumber *= right;
        break;
    default:
        m_dNumber /= right;
        break;
    }
    m_bIntegerValid = false;
    m_bStringValid = false;
}

void CScriptValue::Add(const CScriptValue& other)
{
    Arithmetic(other, OPERATION_ADD);
}

void CScriptValue::Subtract(const CScriptValue& other)
{
    Arithmetic(other, OPERATION_SUBTRACT);
}

void CScriptValue::Multiply(const CScriptValue& other)
{
    Arithmetic(other, OPERATION_MULTIPLY);
}

void CScriptValue::Divide(const CScriptValue& other)
{
    Arithmetic(other, OPERATION_DIVIDE);
}

void CScriptValue::Not()
{
    if (IsArray() || IsReference())
        return;
    MakeNumber();
    const int result = ScriptDoubleToInteger(m_dNumber) == 0 ? 1 : 0;
    SetInteger(result);
}

void CScriptValue::Concatenate(const CScriptValue& other)
{
    if (IsInert(other))
        return;
    MakeString();
    const CScriptString& right = other.GetString();
    m_sString.Append(right.GetText(), right.GetLength());
    m_bNumberValid = false;
    m_bIntegerValid = false;
}

bool CScriptValue::EqualsNoCase(const CScriptValue& other) const
{
    if (IsInert(other))
        return false;
    if (IsString() && other.IsString())
        return m_sString.CompareNoCase(other.m_sString.GetText()) == 0;
    return GetNumber() == other.GetNumber();
}

bool CScriptValue::EqualsCase(const CScriptValue& other) const
{
    if (IsInert(other))
        return false;
    const CScriptString& left = GetString();
    const CScriptString& right = other.GetString();
    return left.GetLength() == right.GetLength() &&
           std::memcmp(left.GetText(), right.GetText(), static_cast<std::size_t>(left.GetLength())) == 0;
}

bool CScriptValue::Greater(const CScriptValue& other) const
{
    if (IsInert(other))
        return false;
    if (IsString() && other.IsString())
        return m_sString.CompareNoCase(other.m_sString.GetText()) > 0;
    return GetNumber() > other.GetNumber();
}

bool CScriptValue::Less(const CScriptValue& other) const
{
    if (IsInert(other))
        return false;
    if (IsString() && other.IsString())
        return m_sString.CompareNoCase(other.m_sString.GetText()) < 0;
    return GetNumber() < other.GetNumber();
}

bool CScriptValue::And(const CScriptValue& other) const
{
    return !IsInert(other) && IsTrue() && other.IsTrue();
}

bool CScriptValue::Or(const CScriptValue& other) const
{
    return !IsInert(other) && (IsTrue() || other.IsTrue());
}

bool CScriptValue::PushSubscript(int subscript)
{
    if (m_aSubscripts.size() >= static_cast<std::size_t>(kMaxDimensions))
        return false;
    m_aSubscripts.push_back(subscript);
    return true;
}

bool CScriptValue::SubscriptsValid() const
{
    return FlatIndex() >= 0;
}

int CScriptValue::FlatIndex() const
{
    if (!IsArray() || m_aSubscripts.size() != m_pArray->sizes.size())
        return -1;
    int index = 0;
    for (std::size_t i = 0; i < m_aSubscripts.size(); ++i) {
        const int subscript = m_aSubscripts[i];
        const int size = m_pArray->sizes[i];
        if (subscript < 0 || subscript >= size)
            return -1;
        index = index * size + subscript;
    }
    return index;
}

int CScriptValue::DimensionSize(int index) const
{
    const int count = IsArray() ? static_cast<int>(m_pArray->sizes.size()) : 0;
    if (index == 0)
        return count;
    if (index >= 1 && index <= count)
        return m_pArray->sizes[static_cast<std::size_t>(index - 1)];
    return 0;
}

int CScriptValue::GetElementCount() const
{
    return IsArray() ? static_cast<int>(m_pArray->elements.size()) : 0;
}

bool CScriptValue::MakeArray()
{
    if (m_aSubscripts.empty())
        return false;
    long long count = 1;
    for (int size : m_aSubscripts) {
        if (size < 0)
            return false;
        count *= size;
        if (count > kMaxElements)
            return false;
    }
    std::unique_ptr<ArrayData> array;
    try {
        array.reset(new ArrayData);
        array->sizes = m_aSubscripts;
        array->elements.resize(static_cast<std::size_t>(count));
    } catch (const std::bad_alloc&) {
        return false;
    }
    Reset();
    m_nKind = KIND_ARRAY;
    m_pArray = std::move(array);
    return true;
}

std::shared_ptr<CScriptValue> CScriptValue::SharedElementAtPending()
{
    const int index = FlatIndex();
    if (index < 0)
        return nullptr;
    std::shared_ptr<CScriptValue>& element = m_pArray->elements[static_cast<std::size_t>(index)];
    if (!element)
        element = std::make_shared<CScriptValue>();
    return element;
}

CScriptValue* CScriptValue::ElementAtPending()
{
    return SharedElementAtPending().get();
}

void CScriptValue::CopyCommonElements(const CScriptValue& source)
{
    if (!IsArray() || !source.IsArray() || this == &source)
        return;
    const std::vector<int>& targetSizes = m_pArray->sizes;
    const std::vector<int>& sourceSizes = source.m_pArray->sizes;
    const std::size_t dimensions = targetSizes.size();
    if (dimensions == 0 || dimensions != sourceSizes.size())
        return;
    std::vector<int> common(dimensions);
    for (std::size_t i = 0; i < dimensions; ++i) {
        common[i] = targetSizes[i] < sourceSizes[i] ? targetSizes[i] : sourceSizes[i];
        if (common[i] == 0)
            return;
    }

    std::vector<int> tuple(dimensions, 0);
    for (;;) {
        int sourceIndex = 0;
        int targetIndex = 0;
        for (std::size_t i = 0; i < dimensions; ++i) {
            sourceIndex = sourceIndex * sourceSizes[i] + tuple[i];
            targetIndex = targetIndex * targetSizes[i] + tuple[i];
        }
        const std::shared_ptr<CScriptValue>& from = source.m_pArray->elements[static_cast<std::size_t>(sourceIndex)];
        if (from) {
            std::shared_ptr<CScriptValue>& to = m_pArray->elements[static_cast<std::size_t>(targetIndex)];
            if (!to)
                to = std::make_shared<CScriptValue>(*from);
            else
                *to = *from;
        }
        // Odometer over the common box, first subscript stepped first.
        std::size_t digit = 0;
        while (digit < dimensions && ++tuple[digit] == common[digit])
            tuple[digit++] = 0;
        if (digit == dimensions)
            return;
    }
}
