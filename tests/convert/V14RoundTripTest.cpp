// V14 solid models convert, import and give back their joints, restraints,
// loads, solids and materials.
#include "V14TestFiles.h"
#include "common/NumberText.h"
#include "convert/V14Converter.h"
#include "model/ImportS2k.h"
#include "model/MaterialLaws.h"
#include "script/ScriptGenerator.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace mirelo {
namespace {

TEST(V14RoundTrip, SolidBlockComesBackWhole)
{
    constexpr int nx = 3, ny = 2, nz = 2;
    const V14Conversion c = ConvertV14File(test::SolidBlockV14(nx, ny, nz));
    EXPECT_EQ(c.jointCount, (nx + 1) * (ny + 1) * (nz + 1));
    EXPECT_EQ(c.solidCount, nx * ny * nz);
    EXPECT_EQ(c.notes.size(), 1u); // the solids take normal concrete
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
                EXPECT_EQ(m.Solids[solid].section, 1);
            }
    ASSERT_EQ(m.Materials.count, 1);
    EXPECT_EQ(m.Materials[1].name, "SOLID");
}

// The example's four materials arrive in table order with their E and U (G
// follows from them), and each solid's SEC= names its property's material,
// which its brick takes in the script.
TEST(V14RoundTrip, MaterialTablesReachTheBricks)
{
    const V14Conversion c = ConvertV14File(LoadTextLines(test::ExamplePath("footing-v14-materials.txt").string()));
    EXPECT_EQ(c.materialCount, 4);
    Model m = ImportS2k(c.lines);
    const struct {
        const char* name;
        double e, poisson;
    } materials[] = {{"4000Psi", 24855.5781128195, 0.2},
                     {"A992Fy50", 199947.978795958, 0.3},
                     {"C30", 30000, 0.2},
                     {"C40", 32500, 0.2}};
    ASSERT_EQ(m.Materials.count, 4);
    for (std::int32_t k = 1; k <= 4; ++k) {
        const Material& material = m.Materials[k];
        EXPECT_EQ(material.name, materials[k - 1].name);
        EXPECT_EQ(material.elasticModulus, materials[k - 1].e) << k;
        EXPECT_EQ(material.poisson, materials[k - 1].poisson) << k;
        EXPECT_EQ(material.shearModulus, ShearModulus(material.elasticModulus, material.poisson)) << k;
    }
    ASSERT_EQ(m.Solids.count, 4);
    const std::int32_t sections[] = {3, 3, 4, 4}; // BASE is C30, EDGE C40
    for (std::int32_t n = 1; n <= 4; ++n)
        EXPECT_EQ(m.Solids[n].section, sections[n - 1]) << n;

    const ScriptResult script = GenerateScript(m, AnalysisSettings{}, RecorderSettings{});
    std::vector<std::string> nd, bricks;
    for (std::size_t i = 0; i < script.lines.size(); ++i) {
        const std::string_view line = script.lines[i];
        if (line.starts_with("nDMaterial"))
            nd.emplace_back(line);
        if (line.starts_with("element stdBrick"))
            bricks.emplace_back(line.substr(line.rfind(' ') + 1));
    }
    EXPECT_EQ(nd, (std::vector<std::string>{"nDMaterial ElasticIsotropic 3 3.000E+004 2.000E-001",
                                            "nDMaterial ElasticIsotropic 4 3.250E+004 2.000E-001"}));
    EXPECT_EQ(bricks, (std::vector<std::string>{"3", "3", "4", "4"}));
}

} // namespace
} // namespace mirelo
