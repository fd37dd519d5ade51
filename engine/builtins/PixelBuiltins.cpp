#include "engine/builtins/PixelBuiltins.h"

#include "engine/builtins/BuiltinBinding.h"
#include "engine/builtins/ScreenCapture.h"
#include "engine/builtins/WindowBuiltinSupport.h"

#include <algorithm>

namespace {

const int kNearColourMargin = 20;
const unsigned kAdlerModulus = 65521;

struct Channels
{
    int red;
    int green;
    int blue;
};

Channels ChannelsOf(COLORREF colour)
{
    return {static_cast<int>(GetRValue(colour)), static_cast<int>(GetGValue(colour)),
            static_cast<int>(GetBValue(colour))};
}

bool Near(int channel, int wanted)
{
    return wanted - kNearColourMargin < channel && channel < wanted + kNearColourMargin;
}

// Rectangle arguments 1 to 4, made screen coordinates in PixelCoordMode 0;
// origin receives the window offset that was added.
ScreenArea AreaOfArguments(const CMarionet_Script& engine, CScriptValueList& args, POINT& origin)
{
    origin = {0, 0};
    if (engine.m_bPixelCoordMode == 0)
        ForegroundWindowOrigin(origin);
    return {0LL + args[0].GetInteger() + origin.x, 0LL + args[1].GetInteger() + origin.y,
            0LL + args[2].GetInteger() + origin.x, 0LL + args[3].GetInteger() + origin.y};
}

int CheckColor(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    POINT at = {args[0].GetInteger(), args[1].GetInteger()};
    if (at.x == -1 && at.y == -1)
        GetCursorPos(&at);
    int mode = args[5].GetInteger();
    HDC screen = GetDC(nullptr);
    if (!screen)
        return 0;
    Channels pixel = ChannelsOf(GetPixel(screen, at.x, at.y));
    Channels wanted = {args[2].GetInteger(), args[3].GetInteger(), args[4].GetInteger()};
    bool equal = pixel.red == wanted.red && pixel.green == wanted.green && pixel.blue == wanted.blue;
    if (mode == 0)
        result.SetInteger(equal ? 1 : 0);
    else if (mode == 1)
        result.SetInteger(equal ? 0 : 1);
    else if (mode == 2)
        result.SetInteger(
            Near(pixel.red, wanted.red) && Near(pixel.green, wanted.green) && Near(pixel.blue, wanted.blue) ? 1 : 0);
    ReleaseDC(nullptr, screen);
    return 0;
}

int PixelSearch(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    POINT origin;
    const ScreenArea area = AreaOfArguments(engine, args, origin);
    int colour = args[4].GetInteger();
    if (engine.m_bColorMode == 0)
        colour = SwapColourOrder(colour);
    int shade = args.GetCount() >= 6 ? std::clamp(args[5].GetInteger(), 0, 255) : 0;
    int step = args.GetCount() >= 7 && args[6].GetInteger() >= 2 ? args[6].GetInteger() : 1;
    Channels wanted = ChannelsOf(static_cast<COLORREF>(colour));
    Channels low = {std::max(0, wanted.red - shade), std::max(0, wanted.green - shade),
                    std::max(0, wanted.blue - shade)};
    Channels high = {std::min(255, wanted.red + shade), std::min(255, wanted.green + shade),
                     std::min(255, wanted.blue + shade)};

    CScreenCapture screen;
    if (area.right >= area.left && area.bottom >= area.top && screen.Capture(area)) {
        for (long long x = area.left; x <= area.right; x += step) {
            for (long long y = area.top; y <= area.bottom; y += step) {
                Channels pixel = ChannelsOf(screen.PixelAt(x, y));
                if (pixel.red >= low.red && pixel.red <= high.red && pixel.green >= low.green &&
                    pixel.green <= high.green && pixel.blue >= low.blue && pixel.blue <= high.blue) {
                    SetIntegerArray(result, {static_cast<int>(x - origin.x), static_cast<int>(y - origin.y)});
                    return 0;
                }
            }
        }
    }
    engine.SetErrorCode(1);
    return 0;
}

int PixelChecksum(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    POINT origin;
    const ScreenArea area = AreaOfArguments(engine, args, origin);
    unsigned low = 1;
    unsigned high = 0;
    CScreenCapture screen;
    if (area.right >= area.left && area.bottom >= area.top && screen.Capture(area)) {
        for (long long x = area.left; x <= area.right; ++x) {
            for (long long y = area.top; y <= area.bottom; ++y) {
                COLORREF pixel = screen.PixelAt(x, y);
                AddToAdler32(low, high, GetRValue(pixel));
                AddToAdler32(low, high, GetGValue(pixel));
                AddToAdler32(low, high, GetBValue(pixel));
            }
        }
    }
    result.SetDouble(static_cast<double>((high << 16) | low));
    return 0;
}

int PixelGetColor(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    POINT at = {args[0].GetInteger(), args[1].GetInteger()};
    POINT origin;
    if (engine.m_bPixelCoordMode == 0 && ForegroundWindowOrigin(origin)) {
        at.x += origin.x;
        at.y += origin.y;
    }
    HDC screen = GetDC(nullptr);
    if (!screen) {
        engine.SetErrorCode(1);
        return 0;
    }
    int colour = static_cast<int>(GetPixel(screen, at.x, at.y));
    ReleaseDC(nullptr, screen);
    result.SetInteger(engine.m_bColorMode == 0 ? SwapColourOrder(colour) : colour);
    return 0;
}

}  // namespace

int SwapColourOrder(int colour)
{
    unsigned value = static_cast<unsigned>(colour);
    return static_cast<int>(((value << 16) & 0xFFFFFF) | ((value >> 16) & 0xFF) | (value & 0xFF00));
}

void AddToAdler32(unsigned& low, unsigned& high, unsigned char byte)
{
    low = (low + byte) % kAdlerModulus;
    high = (high + low) % kAdlerModulus;
}

void RegisterPixelBuiltins(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"CHECKCOLOR", CheckColor},
        {"PIXELSEARCH", PixelSearch},
        {"PIXELCHECKSUM", PixelChecksum},
        {"PIXELGETCOLOR", PixelGetColor},
    };
    BindBuiltins(engine, kBindings);
}
