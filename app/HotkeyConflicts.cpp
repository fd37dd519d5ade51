#include "app/HotkeyConflicts.h"

namespace {

bool SameKey(const CString& a, const CString& b)
{
    return a.CompareNoCase(b) == 0;
}

}  // namespace

bool IsStartKeyTakenByOther(const CArray<CRobot, CRobot&>& robots, int skipIndex, const CString& key)
{
    for (int i = 0; i < robots.GetSize(); ++i) {
        if (i != skipIndex && (SameKey(robots[i].m_strStartKey, key) || SameKey(robots[i].m_strEndKey, key)))
            return true;
    }
    return false;
}

bool IsEndKeyTakenByOther(const CArray<CRobot, CRobot&>& robots, int skipIndex, const CString& key)
{
    for (int i = 0; i < robots.GetSize(); ++i) {
        if (i != skipIndex && SameKey(robots[i].m_strStartKey, key))
            return true;
    }
    return false;
}
