// presskeys.exe: presses a key chord with keybd_event, for tests that fire
// global hotkeys. Usage: presskeys.exe ctrl+shift+f7 [chord...]
// Keys: ctrl, shift, alt, win, f1..f24, a..z, 0..9, space, enter, esc, tab,
// home, end, insert, delete, pageup, pagedown, up, down, left, right,
// backspace, pause, numpad0..numpad9, or vkNN (hexadecimal virtual-key code).
#include <windows.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct NamedKey
{
    const char* name;
    BYTE vk;
};

const NamedKey kNamed[] = {
    {"ctrl", VK_CONTROL},  {"shift", VK_SHIFT},   {"alt", VK_MENU},     {"win", VK_LWIN},       {"space", VK_SPACE},
    {"enter", VK_RETURN},  {"esc", VK_ESCAPE},    {"tab", VK_TAB},      {"home", VK_HOME},      {"end", VK_END},
    {"insert", VK_INSERT}, {"delete", VK_DELETE}, {"pageup", VK_PRIOR}, {"pagedown", VK_NEXT},  {"up", VK_UP},
    {"down", VK_DOWN},     {"left", VK_LEFT},     {"right", VK_RIGHT},  {"backspace", VK_BACK}, {"pause", VK_PAUSE},
};

int KeyCode(std::string name)
{
    for (char& c : name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const NamedKey& k : kNamed) {
        if (name == k.name)
            return k.vk;
    }
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
        return std::toupper(static_cast<unsigned char>(name[0]));
    if (name.size() >= 2 && name[0] == 'f' && std::isdigit(static_cast<unsigned char>(name[1]))) {
        int n = std::atoi(name.c_str() + 1);
        if (n >= 1 && n <= 24)
            return VK_F1 + n - 1;
    }
    if (name.rfind("numpad", 0) == 0 && name.size() == 7 && std::isdigit(static_cast<unsigned char>(name[6])))
        return VK_NUMPAD0 + (name[6] - '0');
    if (name.rfind("vk", 0) == 0 && name.size() > 2)
        return static_cast<int>(std::strtol(name.c_str() + 2, nullptr, 16)) & 0xFF;
    return 0;
}

bool IsExtended(BYTE vk)
{
    switch (vk) {
    case VK_HOME:
    case VK_END:
    case VK_INSERT:
    case VK_DELETE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_UP:
    case VK_DOWN:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_LWIN:
        return true;
    default:
        return false;
    }
}

void Key(BYTE vk, bool up)
{
    DWORD flags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtended(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
    keybd_event(vk, static_cast<BYTE>(MapVirtualKeyA(vk, 0)), flags, 0);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: presskeys ctrl+shift+f7 [chord...]\n");
        return 2;
    }
    for (int a = 1; a < argc; ++a) {
        std::vector<BYTE> keys;
        std::string chord = argv[a];
        size_t start = 0;
        while (start <= chord.size()) {
            size_t plus = chord.find('+', start);
            std::string part = chord.substr(start, plus == std::string::npos ? std::string::npos : plus - start);
            int vk = KeyCode(part);
            if (vk == 0) {
                std::fprintf(stderr, "presskeys: unknown key '%s'\n", part.c_str());
                return 2;
            }
            keys.push_back(static_cast<BYTE>(vk));
            if (plus == std::string::npos)
                break;
            start = plus + 1;
        }
        for (BYTE vk : keys)
            Key(vk, false);
        for (auto it = keys.rbegin(); it != keys.rend(); ++it)
            Key(*it, true);
        Sleep(20);
    }
    return 0;
}
