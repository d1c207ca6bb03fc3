#include "model/ImportS2k.h"
#include "model/MaterialLaws.h"

#include "common/Errors.h"
#include "common/TextLines.h"

#include <gtest/gtest.h>

#include <cmath>

namespace mirelo {
namespace {

Material WithModulus(double e)
{
    Material m;
    m.name = "M";
    m.materialType = kElasticMaterial;
    m.elasticModulus = e;
    return m;
}

// The concrete strength follows E = 4700 √f'c in MPa whatever the units the
// model is in; the steel yields at a strain of 0.002.
TEST(MaterialLaws, StartValuesFollowTheModulusInTheModelsUnits)
{
    struct Case {
        const char* length;
        const char* force;
        double e;           // in the model's units
        double mpaPerUnit;  // one model stress unit in MPa
    };
    const Case cases[] = {
        {"MM", "N", 25000, 1},
        {"", "", 25000, 1}, // no units: N and mm
        {"M", "KN", 2.5e7, 1e-3},
        {"CM", "KGF", 254929, 9.80665 / 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.length) + " " + c.force);
        Material m = WithModulus(c.e);
        SetLawStartValues(m, {c.length, c.force});
        const double fcMpa = std::pow(c.e * c.mpaPerUnit / 4700, 2);
        EXPECT_NEAR(-m.law.fpc * c.mpaPerUnit, fcMpa, 1e-9 * fcMpa);
        EXPECT_NEAR(m.law.epsc0, 2 * m.law.fpc / c.e, 1e-15); // first stiffness E
        EXPECT_DOUBLE_EQ(m.law.fpcu, 0.2 * m.law.fpc);
        EXPECT_DOUBLE_EQ(m.law.epsU, 1.75 * m.law.epsc0);
        EXPECT_DOUBLE_EQ(m.law.ft, -0.1 * m.law.fpc);
        EXPECT_DOUBLE_EQ(m.law.Ets, m.law.ft / 0.002);
        EXPECT_DOUBLE_EQ(m.law.Fy, 0.002 * c.e);
        EXPECT_DOUBLE_EQ(m.law.E0, c.e);
        for (const std::int32_t type : {kSteel01, kConcrete01, kSteel02, kConcrete02}) {
            m.materialType = type;
            EXPECT_EQ(LawProblem(m), "") << type;
        }
    }
    // 25000 MPa is a concrete of 28.3 MPa.
    Material c25 = WithModulus(25000);
    SetLawStartValues(c25, {});
    EXPECT_NEAR(c25.law.fpc, -28.294, 1e-3);
}

TEST(MaterialLaws, ImportTakesFyAndFcFromTheFile)
{
    const Model model = ImportS2k(TextLines::FromText("SYSTEM\n  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=M  FORCE=KN\n\n"
                                                      "MATERIAL\n  NAME=CONC  IDES=C  M=2.4  W=24\n"
                                                      "    T=0  E=3E+07  U=.2  A=1E-05  FC=30000\n"
                                                      "  NAME=STEEL  IDES=S  M=7.85  W=77\n"
                                                      "    T=0  E=2E+08  U=.3  A=1.2E-05  FY=400000\n"
                                                      "  NAME=PLAIN  IDES=C  M=0  W=0\n    T=0  E=2E+07  U=.2\n\nEND\n"));
    ASSERT_EQ(model.Materials.count, 3);
    EXPECT_EQ(model.Materials[1].materialType, kElasticMaterial);
    EXPECT_DOUBLE_EQ(model.Materials[1].law.fpc, -30000);
    EXPECT_DOUBLE_EQ(model.Materials[1].law.epsc0, -0.002);
    EXPECT_DOUBLE_EQ(model.Materials[2].law.Fy, 400000);
    EXPECT_DOUBLE_EQ(model.Materials[2].law.E0, 2e8);
    // Nothing given: from E (20000 MPa is a concrete of 18.1 MPa).
    EXPECT_DOUBLE_EQ(model.Materials[3].law.Fy, 40000);
    EXPECT_NEAR(model.Materials[3].law.fpc, -18107.74, 0.01);
}

TEST(MaterialLaws, ChecksNameTheFirstUnsoundParameter)
{
    struct Case {
        std::int32_t type;
        double MaterialLaw::*field;
        double value;
        const char* problem; // empty: sound
    };
    const Case cases[] = {
        {kConcrete01, &MaterialLaw::fpc, 30, "fpc must be negative, not 30"},
        {kConcrete02, &MaterialLaw::epsc0, 0.002, "epsc0 must be negative, not 0.002"},
        {kConcrete01, &MaterialLaw::fpcu, -40, "fpcu must be between fpc and 0, not -40"},
        {kConcrete01, &MaterialLaw::fpcu, 0, ""},
        {kConcrete01, &MaterialLaw::epsU, -0.001, "epsU must be below epsc0 (-0.002), not -0.001"},
        {kConcrete02, &MaterialLaw::lambda, 1.5, "lambda must be between 0 and 1, not 1.5"},
        {kConcrete02, &MaterialLaw::ft, -1, "ft must be 0 or positive, not -1"},
        {kConcrete02, &MaterialLaw::Ets, -1, "Ets must be 0 or positive, not -1"},
        {kConcrete01, &MaterialLaw::Ets, -1, ""}, // not a Concrete01 parameter
        {kSteel01, &MaterialLaw::Fy, 0, "Fy must be positive, not 0"},
        {kSteel01, &MaterialLaw::E0, -2, "E0 must be positive, not -2"},
        {kSteel02, &MaterialLaw::b, 1, "b must be at least 0 and less than 1, not 1"},
        {kSteel02, &MaterialLaw::R0, 0, "R0 must be positive, not 0"},
        {kSteel02, &MaterialLaw::cR1, 0, "cR1 must be positive, not 0"},
        {kSteel02, &MaterialLaw::cR2, -0.1, "cR2 must be positive, not -0.1"},
        {kSteel01, &MaterialLaw::R0, 0, ""},
        {kElasticMaterial, &MaterialLaw::fpc, 30, ""},
    };
    for (const Case& c : cases) {
        Material m = WithModulus(20);
        m.law = {.Fy = 0.4, .E0 = 200, .b = 0.01, .R0 = 18, .cR1 = 0.925, .cR2 = 0.15, .fpc = -30, .epsc0 = -0.002,
                 .fpcu = -6, .epsU = -0.0035, .lambda = 0.1, .ft = 3, .Ets = 1500};
        m.materialType = c.type;
        m.law.*c.field = c.value;
        EXPECT_EQ(LawProblem(m), c.problem) << c.problem;
    }
}

TEST(MaterialLaws, SettingsByNameAndMaterialsByName)
{
    Model model;
    model.Materials.Reset(2);
    model.Materials[1] = WithModulus(1);
    model.Materials[2] = WithModulus(2);
    model.Materials[2].name = "C:30";
    Material& m = MaterialNamed(model, "C:30");
    EXPECT_EQ(&m, &model.Materials[2]);
    model.Materials[1].name = "C:30";
    EXPECT_EQ(&MaterialNamed(model, "C:30"), &model.Materials[2]); // the last of that name
    EXPECT_THROW(MaterialNamed(model, "c:30"), Error);

    SetMaterialSetting(m, "type", "Concrete02");
    EXPECT_EQ(m.materialType, kConcrete02);
    SetMaterialSetting(m, "type", "2");
    EXPECT_EQ(m.materialType, kSteel01);
    SetMaterialSetting(m, "type", "Elastic");
    EXPECT_EQ(m.materialType, kElasticMaterial);
    SetMaterialSetting(m, "fpc", "-3e4");
    EXPECT_DOUBLE_EQ(m.law.fpc, -30000);
    SetMaterialSetting(m, "cR2", "0.2");
    EXPECT_DOUBLE_EQ(m.law.cR2, 0.2);
    SetMaterialSetting(m, "E", "2.5e4");
    SetMaterialSetting(m, "U", ".25");
    EXPECT_EQ(m.elasticModulus, 25000);
    EXPECT_EQ(m.poisson, 0.25);

    const Material before = m;
    EXPECT_THROW(SetMaterialSetting(m, "type", "concrete02"), Error); // names are exact
    EXPECT_THROW(SetMaterialSetting(m, "type", "6"), Error);
    EXPECT_THROW(SetMaterialSetting(m, "Fpc", "1"), Error);
    EXPECT_THROW(SetMaterialSetting(m, "fpc", "thirty"), ConversionError);
    EXPECT_THROW(SetMaterialSetting(m, "E", "3e4x"), ConversionError);
    EXPECT_THROW(SetMaterialSetting(m, "e", "1"), Error);
    EXPECT_EQ(m.materialType, before.materialType);
    EXPECT_EQ(m.elasticModulus, before.elasticModulus);
    EXPECT_DOUBLE_EQ(m.law.fpc, before.law.fpc);
}

// What the checks raise names the field, for the dialog to put the focus on
// its box; nothing changes then. E and U come first, then the type's law; G
// follows once all is sound.
TEST(MaterialLaws, FinishingAnEditChecksEverythingThenSetsG)
{
    Material good = WithModulus(30000);
    good.name = "C30";
    good.poisson = 0.2;
    SetLawStartValues(good, {});
    good.materialType = kConcrete02;
    const struct {
        const char* field;
        const char* value;
        std::int32_t type;
        const char* message; // empty: accepted
    } cases[] = {
        {"E", "0", kElasticMaterial, "Material C30: E must be positive, not 0"},
        {"E", "-3e4", kConcrete02, "Material C30: E must be positive, not -30000"},
        {"U", "0.5", kElasticMaterial, "Material C30: U must be greater than -1 and less than 0.5, not 0.5"},
        {"U", "-1", kElasticMaterial, "Material C30: U must be greater than -1 and less than 0.5, not -1"},
        {"U", "0.4999", kElasticMaterial, ""},
        {"U", "-0.999", kElasticMaterial, ""},
        {"E", "300", kElasticMaterial, ""},
        {"lambda", "2", kConcrete02, "Material C30 (Concrete02): lambda must be between 0 and 1, not 2"},
        {"lambda", "2", kElasticMaterial, ""}, // the laws of other types are not checked
        {"E", "0", kSteel01, "Material C30: E must be positive, not 0"}, // E before the law
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field) + "=" + c.value);
        Material m = good;
        m.materialType = c.type;
        SetMaterialSetting(m, c.field, c.value);
        const Material edited = m;
        try {
            FinishMaterialEdit(m);
            EXPECT_STREQ(c.message, "");
            EXPECT_EQ(m.shearModulus, ShearModulus(m.elasticModulus, m.poisson));
        } catch (const MaterialError& e) {
            EXPECT_STREQ(e.what(), c.message);
            EXPECT_EQ(e.field, c.field);
            EXPECT_EQ(m.shearModulus, edited.shearModulus);
        }
    }
    // 300 and 0.2 give G = 125; 2.5 and 0.3333 give 2.5 / 2.6666.
    EXPECT_EQ(ShearModulus(300, 0.2), 125);
    EXPECT_DOUBLE_EQ(ShearModulus(2.5, 0.3333), 2.5 / 2.6666);
    EXPECT_THROW(ShearModulus(1, -1), Error);
}

// Each type's parameters are the solver's, in its order, each declared once.
TEST(MaterialLaws, TypesWriteTheSolversParameters)
{
    const auto names = [](std::int32_t type) {
        std::string text;
        for (const LawField& field : LawParameters(type))
            text += std::string(field.declaration.name) + " ";
        return text;
    };
    EXPECT_EQ(names(kSteel01), "Fy E0 b ");
    EXPECT_EQ(names(kSteel02), "Fy E0 b R0 cR1 cR2 ");
    EXPECT_EQ(names(kConcrete01), "fpc epsc0 fpcu epsU ");
    EXPECT_EQ(names(kConcrete02), "fpc epsc0 fpcu epsU lambda ft Ets ");
    EXPECT_EQ(names(kElasticMaterial), "");
    EXPECT_EQ(names(6), "");
    EXPECT_EQ(MaterialLawFields().size(), 13u);
}

} // namespace
} // namespace mirelo
