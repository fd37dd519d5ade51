#include "engine/system/CArgList.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

}  // namespace

void CArgList::Parse(const char* commandLine)
{
    m_aArgs.clear();
    const char* p = commandLine ? commandLine : "";
    m_strCommandLine = p;
    while (IsBlank(*p))
        ++p;
    std::string token;
    bool inQuotes = false;
    bool pending = false;
    auto store = [&] {
        if (static_cast<int>(m_aArgs.size()) < kMaxArgs)
            m_aArgs.push_back(token);
        token.clear();
        pending = false;
    };
    auto add = [&](char c) {
        if (static_cast<int>(token.size()) < kMaxArgLength)
            token += c;
        pending = true;
    };
    for (; *p; ++p) {
        if (*p == '"') {
            if (p[1] == '"') {
                add('"');
                ++p;
            } else {
                inQuotes = !inQuotes;
                pending = true;
            }
        } else if (IsBlank(*p) && !inQuotes) {
            store();
            while (IsBlank(p[1]))
                ++p;
        } else {
            add(*p);
        }
    }
    if (pending && !token.empty())
        store();
}

const char* CArgList::GetArg(int index) const
{
    if (index < 0 || index >= GetCount())
        return "";
    return m_aArgs[static_cast<size_t>(index)].c_str();
}

CArgList& ScriptArgList()
{
    static CArgList list;
    return list;
}
