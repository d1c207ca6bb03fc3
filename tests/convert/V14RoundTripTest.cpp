// A generated V14 solid block converts, imports and gives back its joints,
// restraints, loads and solids.
#include "V14TestFiles.h"
#include "common/NumberText.h"
#include "convert/V14Converter.h"
#include "model/ImportS2k.h"

#include <gtest/gtest.h>

namespace mirelo {
namespace {

TEST(V14RoundTrip, SolidBlockComesBackWhole)
{
    constexpr int nx = 3, ny = 2, nz = 2;
    const V14Conversion c = ConvertV14File(test::SolidBlockV14(nx, ny, nz));
    EXPECT_EQ(c.jointCount, (nx + 1) * (ny + 1) * (nz + 1));
    EXPECT_EQ(c.solidCount, nx * ny * nz);
    EXPECT_TRUE(c.notes.empty());
    const Model m = ImportS2k(c.lines);
    ASSERT_EQ(m.Joints.count, c.jointCount);
    ASSERT_EQ(m.Solids.count, c.solidCount);
    EXPECT_EQ(m.Units.length, "mm");
    EXPECT_EQ(m.Units.force, "N");

    const auto joint = [&](int i, int j, int k) { return 1 + i + (nx + 1) * (j + (ny + 1) * k); };
    const std::array<double, 7> topLoad = {0, -12345.678, 0.1, 1E-3, 2.5E6, -0.333333333333, 7};
    std::int32_t load = 0;
    for (int k = 0; k <= nz; ++k)
        for (int j = 0; j <= ny; ++j)
            for (int i = 0; i <= nx; ++i) {
                const Joint& p = m.Joints[joint(i, j, k)];
                // Coordinates of more than four digits come back exactly.
                EXPECT_EQ(p.x, 1234.5 * i);
                EXPECT_EQ(p.y, j == 0 ? 0.0 : ParseReal("-" + std::to_string(1000 * j) + "." + std::to_string(j)));
                EXPECT_EQ(p.z, ParseReal(std::to_string(3000 * k) + ".7"));
                std::array<std::int32_t, 7> restraint{};
                if (k == 0)
                    restraint = (i + j) % 2 == 0 ? std::array<std::int32_t, 7>{0, 1, 1, 1, 1, 1, 1}
                                                 : std::array<std::int32_t, 7>{0, 0, 0, 1, 0, 0, 0};
                EXPECT_EQ(p.restraint, restraint) << i << j << k;
                if (k != nz)
                    continue;
                for (std::size_t component = 1; component <= 6; ++component) {
                    const Load& l = m.Loads[++load];
                    EXPECT_EQ(l.target, joint(i, j, k));
                    std::array<double, 7> value{};
                    value[component] = topLoad[component];
                    EXPECT_EQ(l.value, value) << "load " << load;
                }
            }
    EXPECT_EQ(m.Loads.count, load);

    std::int32_t solid = 0;
    for (int k = 0; k < nz; ++k)
        for (int j = 0; j < ny; ++j)
            for (int i = 0; i < nx; ++i) {
                // The import puts each face's corners in perimeter order.
                const std::array<std::int32_t, 9> corners = {
                    0,
                    joint(i, j, k), joint(i + 1, j, k), joint(i + 1, j + 1, k), joint(i, j + 1, k),
                    joint(i, j, k + 1), joint(i + 1, j, k + 1), joint(i + 1, j + 1, k + 1), joint(i, j + 1, k + 1)};
                EXPECT_EQ(m.Solids[++solid].joints, corners);
                EXPECT_EQ(m.Solids[solid].section, 100);
            }
}

} // namespace
} // namespace mirelo
