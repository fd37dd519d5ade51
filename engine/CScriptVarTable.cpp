#include "engine/CScriptVarTable.h"

#include "engine/CScriptString.h"

#include <windows.h>

#include <cstring>

namespace {
// The upper-case form of a name, made in a copy so that the caller's text
// (a token's value) keeps its spelling; short names stay off the heap.
class UpperName
{
public:
    explicit UpperName(const char* name)
    {
        const std::size_t length = std::strlen(name);
        if (length < sizeof m_aSmall) {
            std::memcpy(m_aSmall, name, length + 1);
            m_pText = m_aSmall;
            m_nLength = static_cast<int>(length);
        } else {
            m_sLarge = name;
            m_pText = m_sLarge.GetBuffer();
            m_nLength = m_sLarge.GetLength();
        }
        if (!UpperAscii(m_pText, m_nLength))
            CharUpperBuffA(m_pText, static_cast<DWORD>(m_nLength));
    }
    const char* Text() const { return m_pText; }
    int Length() const { return m_nLength; }

private:
    // Variable names are ASCII: those are upper-cased here, without the
    // system call; false, with the text untouched, for any other byte.
    static bool UpperAscii(char* text, int length)
    {
        for (int i = 0; i < length; ++i) {
            if (static_cast<unsigned char>(text[i]) >= 0x80)
                return false;
        }
        for (int i = 0; i < length; ++i) {
            if (text[i] >= 'a' && text[i] <= 'z')
                text[i] = static_cast<char>(text[i] - 'a' + 'A');
        }
        return true;
    }

    char m_aSmall[64];
    CScriptString m_sLarge;
    char* m_pText;
    int m_nLength;
};
}  // namespace

CScriptVarList* CScriptVarTable::TopFrame()
{
    return m_nFrames > 0 ? &m_aFrames[static_cast<std::size_t>(m_nFrames) - 1] : nullptr;
}

bool CScriptVarTable::Assign(const char* name, const CScriptValue& value, int scope)
{
    CScriptVarList* list;
    if (scope == SCOPE_AUTO || scope == SCOPE_LOCAL)
        list = TopFrame() ? TopFrame() : &m_Globals;
    else if (scope == SCOPE_GLOBAL)
        list = &m_Globals;
    else
        return false;
    const UpperName upper(name);
    if (CScriptVarList::Variable* variable = list->Find(upper.Text(), upper.Length()))
        *variable->m_pValue = value;
    else
        list->AppendOwned(upper.Text(), upper.Length(), value);
    return true;
}

bool CScriptVarTable::GetRef(const char* name, CScriptValue*& value, int scope)
{
    value = nullptr;
    const UpperName upper(name);
    CScriptVarList::Variable* variable = nullptr;
    CScriptVarList* frame = TopFrame();
    if (scope == SCOPE_AUTO) {
        if (frame)
            variable = frame->Find(upper.Text(), upper.Length());
        if (!variable)
            variable = m_Globals.Find(upper.Text(), upper.Length());
    } else if (scope == SCOPE_LOCAL)
        variable = (frame ? frame : &m_Globals)->Find(upper.Text(), upper.Length());
    else if (scope == SCOPE_GLOBAL)
        variable = m_Globals.Find(upper.Text(), upper.Length());
    if (variable)
        value = variable->m_pValue;
    return value != nullptr;
}

bool CScriptVarTable::AddByRef(const char* name, CScriptValue* target)
{
    CScriptVarList* frame = TopFrame();
    if (!frame || !target)
        return false;
    const UpperName upper(name);
    frame->BindByRef(upper.Text(), upper.Length(), target);
    return true;
}

int CScriptVarTable::DeclaredWhere(const char* name)
{
    const UpperName upper(name);
    if (CScriptVarList* frame = TopFrame()) {
        if (frame->Find(upper.Text(), upper.Length()))
            return -1;
    }
    return m_Globals.Find(upper.Text(), upper.Length()) ? 1 : 0;
}

void CScriptVarTable::PushFrame()
{
    if (m_nFrames == static_cast<int>(m_aFrames.size()))
        m_aFrames.emplace_back();
    ++m_nFrames;
}

void CScriptVarTable::PopFrame()
{
    if (m_nFrames > 0)
        m_aFrames[static_cast<std::size_t>(--m_nFrames)].Clear();
}

void CScriptVarTable::FreeAll()
{
    m_aFrames.clear();
    m_nFrames = 0;
    m_Globals = CScriptVarList();
}
