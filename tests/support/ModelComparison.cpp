#include "support/ModelComparison.h"

#include <gtest/gtest.h>

#include <string>

namespace mirelo::test {

namespace {

// Compares table counts, then each record with `same`, naming the record in a failure.
template <typename Record, typename Compare>
void ExpectSameTable(const char* what, const Table<Record>& a, const Table<Record>& b, Compare same)
{
    ASSERT_EQ(a.count, b.count) << what << " count";
    for (std::int32_t i = 1; i <= a.count; ++i) {
        SCOPED_TRACE(std::string(what) + " " + std::to_string(i));
        same(a[i], b[i]);
    }
}

void ExpectSameLaw(const MaterialLaw& a, const MaterialLaw& b)
{
    EXPECT_EQ(a.Fy, b.Fy);
    EXPECT_EQ(a.E0, b.E0);
    EXPECT_EQ(a.b, b.b);
    EXPECT_EQ(a.R0, b.R0);
    EXPECT_EQ(a.cR1, b.cR1);
    EXPECT_EQ(a.cR2, b.cR2);
    EXPECT_EQ(a.fpc, b.fpc);
    EXPECT_EQ(a.epsc0, b.epsc0);
    EXPECT_EQ(a.fpcu, b.fpcu);
    EXPECT_EQ(a.epsU, b.epsU);
    EXPECT_EQ(a.lambda, b.lambda);
    EXPECT_EQ(a.ft, b.ft);
    EXPECT_EQ(a.Ets, b.Ets);
}

} // namespace

void ExpectSameModel(const Model& expected, const Model& actual)
{
    ExpectSameTable("joint", expected.Joints, actual.Joints, [](const Joint& a, const Joint& b) {
        EXPECT_EQ(a.x, b.x);
        EXPECT_EQ(a.y, b.y);
        EXPECT_EQ(a.z, b.z);
        EXPECT_EQ(a.mass, b.mass);
        EXPECT_EQ(a.restraint, b.restraint);
        EXPECT_EQ(a.linkedJoint, b.linkedJoint);
    });
    ExpectSameTable("constraint", expected.Constraints, actual.Constraints, [](const Constraint& a, const Constraint& b) {
        EXPECT_EQ(a.memberCount, b.memberCount);
        EXPECT_EQ(a.members, b.members);
        EXPECT_EQ(a.masterJoint, b.masterJoint);
    });
    ExpectSameTable("material", expected.Materials, actual.Materials, [](const Material& a, const Material& b) {
        EXPECT_EQ(a.name, b.name);
        EXPECT_EQ(a.materialType, b.materialType);
        EXPECT_EQ(a.elasticModulus, b.elasticModulus);
        EXPECT_EQ(a.poisson, b.poisson);
        EXPECT_EQ(a.shearModulus, b.shearModulus);
        ExpectSameLaw(a.law, b.law);
    });
    ExpectSameTable("frame section", expected.FrameSections, actual.FrameSections,
                    [](const FrameSection& a, const FrameSection& b) {
                        EXPECT_EQ(a.name, b.name);
                        EXPECT_EQ(a.shape, b.shape);
                        EXPECT_EQ(a.elementKind, b.elementKind);
                        EXPECT_EQ(a.dim, b.dim);
                        EXPECT_EQ(a.material, b.material);
                        EXPECT_EQ(a.colour, b.colour);
                        EXPECT_EQ(a.divideX, b.divideX);
                        EXPECT_EQ(a.divideY, b.divideY);
                        EXPECT_EQ(a.barNumX, b.barNumX);
                        EXPECT_EQ(a.barNumY, b.barNumY);
                        EXPECT_EQ(a.cover, b.cover);
                        EXPECT_EQ(a.barAreaX, b.barAreaX);
                        EXPECT_EQ(a.barAreaY, b.barAreaY);
                        EXPECT_EQ(a.sectionUse, b.sectionUse);
                        EXPECT_EQ(a.geomTransf, b.geomTransf);
                    });
    ExpectSameTable("shell section", expected.ShellSections, actual.ShellSections,
                    [](const ShellSection& a, const ShellSection& b) {
                        EXPECT_EQ(a.name, b.name);
                        EXPECT_EQ(a.thickness, b.thickness);
                        EXPECT_EQ(a.shellKind, b.shellKind);
                        EXPECT_EQ(a.material, b.material);
                        EXPECT_EQ(a.colour, b.colour);
                    });
    ExpectSameTable("frame", expected.Frames, actual.Frames, [](const Frame& a, const Frame& b) {
        EXPECT_EQ(a.jointI, b.jointI);
        EXPECT_EQ(a.jointJ, b.jointJ);
        EXPECT_EQ(a.section, b.section);
        EXPECT_EQ(a.segments, b.segments);
        EXPECT_EQ(a.angle, b.angle);
        EXPECT_EQ(a.axis2X, b.axis2X);
        EXPECT_EQ(a.axis2Y, b.axis2Y);
        EXPECT_EQ(a.axis2Z, b.axis2Z);
        EXPECT_EQ(a.releaseEnd, b.releaseEnd);
    });
    ExpectSameTable("shell", expected.Shells, actual.Shells, [](const Shell& a, const Shell& b) {
        EXPECT_EQ(a.joints, b.joints);
        EXPECT_EQ(a.section, b.section);
    });
    ExpectSameTable("solid", expected.Solids, actual.Solids, [](const Solid& a, const Solid& b) {
        EXPECT_EQ(a.joints, b.joints);
        EXPECT_EQ(a.section, b.section);
    });
    ExpectSameTable("load", expected.Loads, actual.Loads, [](const Load& a, const Load& b) {
        EXPECT_EQ(a.loadType, b.loadType);
        EXPECT_EQ(a.target, b.target);
        EXPECT_EQ(a.loadCase, b.loadCase);
        EXPECT_EQ(a.direction, b.direction);
        EXPECT_EQ(a.value, b.value);
    });
    ASSERT_EQ(expected.LoadCaseCount, actual.LoadCaseCount);
    for (std::int32_t c = 1; c <= expected.LoadCaseCount; ++c)
        EXPECT_EQ(expected.LoadCaseNames.at(static_cast<std::size_t>(c)), actual.LoadCaseNames.at(static_cast<std::size_t>(c)))
            << "load case " << c;
    EXPECT_EQ(expected.ActiveShellCount, actual.ActiveShellCount);
    EXPECT_EQ(expected.Units.length, actual.Units.length);
    EXPECT_EQ(expected.Units.force, actual.Units.force);
}

} // namespace mirelo::test
