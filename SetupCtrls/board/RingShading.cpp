#include "SetupCtrls/board/RingShading.h"

#include <cmath>
#include <cstdint>

#include "toolkit/Bitmap.h"

namespace {
// Every intermediate is rounded once to single precision. The operands are
// single-precision values and small integers, so the double-precision
// products and sums below are exact (or nearly so) and the single cast is the
// only rounding: the result does not depend on how the compiler schedules the
// arithmetic.
float Single(double value)
{
    return static_cast<float>(value);
}

// Maps index i of 0..max onto -1..+1. A one-pixel axis has no extent to map:
// it is taken as the ring's centre line, so a one-pixel strip shows the cross
// section through the middle of the ring.
float Normalised(int i, float scale, int max)
{
    if (max <= 0)
        return 0.0f;
    return Single(double(i) * double(scale) - 1.0);
}

uint8_t Blend(uint8_t pixel, uint8_t colour, float weight, float rest)
{
    double value = double(pixel) * double(rest) + double(colour) * double(weight);
    // nearbyint rounds halves to the even neighbour under the default rounding mode.
    return static_cast<uint8_t>(static_cast<int>(std::nearbyint(value)) & 0xFF);
}
} // namespace

void ShadeRing(TBitmap* bitmap, int maxX, int maxY, float strength, TColor color, bool whiteCore)
{
    if (!bitmap || maxX < 0 || maxY < 0)
        return;
    const uint8_t red = GetRValue(color), green = GetGValue(color), blue = GetBValue(color);
    const float sx = maxX > 0 ? 2.0f / float(maxX) : 0.0f;
    const float sy = maxY > 0 ? 2.0f / float(maxY) : 0.0f;
    const float innerWeight = 0.16f; // the inner disc's weight, radius below 0.77

    for (int j = 0; j <= maxY; ++j) {
        uint8_t* row = bitmap->ScanLine(j);
        const float y = Normalised(j, sy, maxY);
        for (int i = 0; i <= maxX; ++i) {
            uint8_t* p = row + 4 * i; // blue, green, red, reserved
            const float x = Normalised(i, sx, maxX);
            const float r2 = Single(double(x) * x + double(y) * y);
            if (r2 >= 1.0f)
                continue;
            float t;
            if (double(r2) < 0.5929) {
                t = innerWeight;
            } else {
                const float r = Single(std::sqrt(double(r2)));
                t = Single(1.0 - std::fabs(double(r) - 0.875) * 8.0);
                if (whiteCore) {
                    t = Single(double(t) * 2.0);
                    if (t > 1.0f) {
                        p[0] = p[1] = p[2] = 255;
                        p[3] = 0;
                        t = Single(2.0 - double(t));
                    }
                }
            }
            const float a = Single(double(t) * double(strength));
            const float rest = Single(1.0 - double(a));
            p[0] = Blend(p[0], blue, a, rest);
            p[1] = Blend(p[1], green, a, rest);
            p[2] = Blend(p[2], red, a, rest);
        }
    }
}
