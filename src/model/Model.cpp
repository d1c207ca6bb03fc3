#include "model/Model.h"

namespace mirelo {

Palette DefaultSectionPalette()
{
    Palette p{}; // entries 0 and 17..19 stay black
    p[1] = RgbColour(255, 0, 0);
    p[2] = RgbColour(0, 0, 255);
    p[3] = RgbColour(0, 0, 0);
    p[4] = RgbColour(0, 94, 31);
    p[5] = RgbColour(98, 1, 96);
    p[6] = RgbColour(255, 0, 255);
    p[7] = RgbColour(99, 99, 99);
    p[8] = RgbColour(96, 56, 17);
    p[9] = RgbColour(0, 53, 98);
    p[10] = RgbColour(237, 27, 35);
    p[11] = RgbColour(255, 0, 0);
    p[12] = RgbColour(255, 255, 0);
    p[13] = RgbColour(0, 255, 0);
    p[14] = RgbColour(0, 255, 255);
    p[15] = RgbColour(0, 0, 255);
    p[16] = RgbColour(255, 0, 255);
    return p;
}

} // namespace mirelo
