#include "engine/builtins/PixelBuiltins.h"

#include "engine/builtins/BuiltinBinding.h"
#include "engine/builtins/ScreenCapture.h"
#include "engine/builtins/WindowBuiltinSupport.h"

#include <algorithm>

namespace {

const int kNearColourMargin = 20;
const unsigned kAdlerModulus = 65521;
const unsigned long long kBytesPerPixel = 3;

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

bool IsEmpty(const ScreenArea& area)
{
    return area.right < area.left || area.bottom < area.top;
}

// The first of the positions start, start + step, ... that is not below from.
long long FirstStepFrom(long long start, long long step, long long from)
{
    return from <= start ? start : start + (from - start + step - 1) / step * step;
}

// Walks the positions start, start + step, ... up to end along one axis, of
// which those from onLow to onHigh lie on the screen, calling visit(position)
// in order until it returns true. Every off-screen pixel reads alike, so the
// first off-screen position in order decides for all of them: it is visited
// when off-screen pixels match, and the others are skipped unseen.
template <class Visit>
bool WalkAxis(long long start, long long end, long long step, long long onLow, long long onHigh, bool offScreenMatches,
              Visit visit)
{
    long long at = start;
    if (at < onLow || at > onHigh) {
        if (offScreenMatches)
            return visit(at);
        at = FirstStepFrom(start, step, onLow);
    }
    for (; at <= end && at <= onHigh; at += step) {
        if (visit(at))
            return true;
    }
    return at <= end && offScreenMatches && visit(at);
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

    auto matches = [&low, &high](COLORREF seen) {
        Channels pixel = ChannelsOf(seen);
        return pixel.red >= low.red && pixel.red <= high.red && pixel.green >= low.green && pixel.green <= high.green &&
               pixel.blue >= low.blue && pixel.blue <= high.blue;
    };

    CScreenCapture screen;
    if (!IsEmpty(area) && screen.Capture(area)) {
        const ScreenArea onScreen = screen.OnScreen();
        const bool offScreenMatches = matches(CLR_INVALID);
        POINT found = {0, 0};
        auto searchColumn = [&](long long x) {
            return WalkAxis(area.top, area.bottom, step, onScreen.top, onScreen.bottom, offScreenMatches,
                            [&](long long y) {
                                if (!matches(screen.PixelAt(x, y)))
                                    return false;
                                found = {static_cast<LONG>(x - origin.x), static_cast<LONG>(y - origin.y)};
                                return true;
                            });
        };
        if (WalkAxis(area.left, area.right, step, onScreen.left, onScreen.right, offScreenMatches, searchColumn)) {
            SetIntegerArray(result, {found.x, found.y});
            return 0;
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
    if (!IsEmpty(area) && screen.Capture(area)) {
        // Off the screen every pixel reads CLR_INVALID, whose three bytes are
        // alike: each run of off-screen pixels in the scan order is one step,
        // however long.
        const unsigned char offScreen = GetRValue(CLR_INVALID);
        const unsigned long long columnBytes =
            kBytesPerPixel * static_cast<unsigned long long>(area.bottom - area.top + 1);
        const ScreenArea onScreen = screen.OnScreen();
        if (IsEmpty(onScreen)) {
            AddByteRunsToAdler32(low, high, offScreen, area.right - area.left + 1, columnBytes);
        } else {
            AddByteRunsToAdler32(low, high, offScreen, onScreen.left - area.left, columnBytes);
            for (long long x = onScreen.left; x <= onScreen.right; ++x) {
                AddByteRunsToAdler32(low, high, offScreen, onScreen.top - area.top, kBytesPerPixel);
                for (long long y = onScreen.top; y <= onScreen.bottom; ++y) {
                    COLORREF pixel = screen.PixelAt(x, y);
                    AddToAdler32(low, high, GetRValue(pixel));
                    AddToAdler32(low, high, GetGValue(pixel));
                    AddToAdler32(low, high, GetBValue(pixel));
                }
                AddByteRunsToAdler32(low, high, offScreen, area.bottom - onScreen.bottom, kBytesPerPixel);
            }
            AddByteRunsToAdler32(low, high, offScreen, area.right - onScreen.right, columnBytes);
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

void AddByteRunsToAdler32(unsigned& low, unsigned& high, unsigned char byte, unsigned long long runs,
                          unsigned long long runLength)
{
    // n equal bytes b take (A, B) to (A + n b, B + n A + b n (n + 1) / 2), and
    // modulo an odd prime n (n + 1) / 2 depends only on n modulo that prime.
    const unsigned long long modulus = kAdlerModulus;
    const unsigned long long n = runs % modulus * (runLength % modulus) % modulus;
    const unsigned long long steps = n * (n + 1) / 2 % modulus;
    high = static_cast<unsigned>((high + n * low + steps * byte) % modulus);
    low = static_cast<unsigned>((low + n * byte) % modulus);
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
