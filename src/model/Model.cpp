#include "model/Model.h"

#include <algorithm>
#include <cmath>

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

namespace {

std::string Caption(const std::vector<std::string>& names, std::int32_t k)
{
    std::string number = std::to_string(k);
    if (k < 1 || static_cast<std::size_t>(k) >= names.size() || names[static_cast<std::size_t>(k)] == number)
        return number;
    return number + " (" + names[static_cast<std::size_t>(k)] + ")";
}

} // namespace

const std::string& CaseNameOf(const Model& model, const Load& load)
{
    static const std::string none;
    return load.loadCase < model.LoadCaseNames.size() ? model.LoadCaseNames[load.loadCase] : none;
}

double ModelExtent(const Model& model)
{
    if (model.Joints.count <= 0)
        return 0;
    double low[3] = {HUGE_VAL, HUGE_VAL, HUGE_VAL}, high[3] = {-HUGE_VAL, -HUGE_VAL, -HUGE_VAL};
    for (std::int32_t k = 1; k <= model.Joints.count; ++k) {
        const Joint& j = model.Joints[k];
        const double at[3] = {j.x, j.y, j.z};
        for (int a = 0; a < 3; ++a) {
            low[a] = std::min(low[a], at[a]);
            high[a] = std::max(high[a], at[a]);
        }
    }
    return std::max({high[0] - low[0], high[1] - low[1], high[2] - low[2]});
}

std::string JointCaption(const Model& model, std::int32_t k)
{
    return Caption(model.JointNames, k);
}

std::string FrameCaption(const Model& model, std::int32_t k)
{
    return Caption(model.FrameNames, k);
}

std::string ShellCaption(const Model& model, std::int32_t k)
{
    return Caption(model.ShellNames, k);
}

} // namespace mirelo
