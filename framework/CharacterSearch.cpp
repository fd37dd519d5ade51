#include "framework/CharacterSearch.h"

#include <algorithm>
#include <bitset>
#include <cstring>

namespace {
using LeadByteSet = std::bitset<256>;

// The bytes that open a two-byte character; none on a code page of single
// bytes or of more than two bytes a character (UTF-8).
LeadByteSet ReadLeadBytes(UINT uCodePage)
{
    LeadByteSet lead;
    CPINFO info;
    if (!GetCPInfo(uCodePage, &info) || info.MaxCharSize != 2)
        return lead;
    for (int range = 0; range + 1 < MAX_LEADBYTES && info.LeadByte[range] != 0; range += 2) {
        for (int byte = info.LeadByte[range]; byte <= info.LeadByte[range + 1]; ++byte)
            lead.set(static_cast<size_t>(byte));
    }
    return lead;
}

LeadByteSet LeadBytes(UINT uCodePage)
{
    // The system's code page stays the same for the life of the process.
    static const LeadByteSet s_ansi = ReadLeadBytes(CP_ACP);
    return uCodePage == CP_ACP ? s_ansi : ReadLeadBytes(uCodePage);
}

// Bytes of the character at a position: a lead byte takes the byte after it,
// whatever that byte is, as the system's stepping does; a lead byte that ends
// the text stands alone.
size_t CharacterLength(const std::string& text, size_t position, const LeadByteSet& lead)
{
    return lead[static_cast<unsigned char>(text[position])] && position + 1 < text.size() ? 2 : 1;
}

size_t StartOf(int start)
{
    return start < 0 ? 0 : static_cast<size_t>(start);
}

int ToInt(size_t position)
{
    return position == std::string::npos ? -1 : static_cast<int>(position);
}

// The first character that begins at or after a position. A byte that opens
// no character ends one (alone, or as the second byte of a pair), so the
// stepping starts after the last such byte before the position rather than at
// the start of the text: a search that goes on from where it stopped stays
// linear.
size_t CharacterStart(const std::string& text, size_t position, const LeadByteSet& lead)
{
    position = std::min(position, text.size());
    size_t start = position;
    while (start > 0 && lead[static_cast<unsigned char>(text[start - 1])])
        --start;
    while (start < position)
        start += CharacterLength(text, start, lead);
    return start;
}

// The first character at or after start for which found(position, length)
// holds; npos when none does.
template <typename Found>
size_t FindCharacterWhere(const std::string& text, size_t start, const LeadByteSet& lead, Found found)
{
    for (size_t position = CharacterStart(text, start, lead); position < text.size();) {
        const size_t length = CharacterLength(text, position, lead);
        if (found(position, length))
            return position;
        position += length;
    }
    return std::string::npos;
}

bool IsCharacter(const std::string& text, size_t position, size_t length, char ch)
{
    return length == 1 && text[position] == ch;
}
}  // namespace

int FindCharacterIn(const std::string& text, char ch, int start, UINT uCodePage)
{
    const LeadByteSet lead = LeadBytes(uCodePage);
    if (lead.none())
        return ToInt(text.find(ch, StartOf(start)));
    return ToInt(FindCharacterWhere(text, StartOf(start), lead, [&](size_t position, size_t length) {
        return IsCharacter(text, position, length, ch);
    }));
}

int ReverseFindCharacterIn(const std::string& text, char ch, UINT uCodePage)
{
    const LeadByteSet lead = LeadBytes(uCodePage);
    if (lead.none())
        return ToInt(text.rfind(ch));
    size_t last = std::string::npos;
    FindCharacterWhere(text, 0, lead, [&](size_t position, size_t length) {
        if (IsCharacter(text, position, length, ch))
            last = position;
        return false;
    });
    return ToInt(last);
}

int FindTextIn(const std::string& text, const char* pszSought, int start, UINT uCodePage)
{
    const char* sought = pszSought ? pszSought : "";
    const LeadByteSet lead = LeadBytes(uCodePage);
    if (lead.none())
        return ToInt(text.find(sought, StartOf(start)));
    if (StartOf(start) > text.size())
        return -1;
    const size_t soughtLength = std::strlen(sought);
    size_t position = CharacterStart(text, StartOf(start), lead);
    while (text.compare(position, soughtLength, sought) != 0) {
        if (position == text.size())
            return -1;
        position += CharacterLength(text, position, lead);
    }
    return static_cast<int>(position);
}

int FindOneOfIn(const std::string& text, const char* pszCharacters, UINT uCodePage)
{
    const std::string set = pszCharacters ? pszCharacters : "";
    const LeadByteSet lead = LeadBytes(uCodePage);
    if (lead.none())
        return ToInt(text.find_first_of(set));
    return ToInt(FindCharacterWhere(text, 0, lead, [&](size_t position, size_t length) {
        return FindCharacterWhere(set, 0, lead, [&](size_t member, size_t memberLength) {
                   return memberLength == length && set.compare(member, length, text, position, length) == 0;
               }) != std::string::npos;
    }));
}

bool EndsWithCharacter(const std::string& text, char ch, UINT uCodePage)
{
    if (text.empty())
        return false;
    const size_t last = text.size() - 1;
    return text[last] == ch && CharacterStart(text, last, LeadBytes(uCodePage)) == last;
}
