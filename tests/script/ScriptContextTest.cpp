#include "script/ScriptTestSupport.h"

#include <limits>
#include <stdexcept>

namespace mirelo {
namespace {

test::BlockOutput Written(void (*write)(ScriptContext&))
{
    static const Model model;
    return test::WriteBlocks(model, {}, {}, write);
}

TEST(ScriptContext, FillsEachKindOfPlaceholder)
{
    const test::Lines lines = Written([](ScriptContext& script) {
                                  script.Format("a %d b %D c %s d %S", 7, std::int64_t{-12}, std::string_view("x y"),
                                                std::string("Z"));
                                  script.Format("%0.4E|%0.4e|%0.3F|%0.2f", 200000.0, 0.05, -1.0, 120.0);
                                  script.Format("no placeholder ");
                              }).lines;
    EXPECT_EQ(lines, (test::Lines{"a 7 b -12 c x y d Z", "2.000E+005|5.000E-002|-1.000|120.00", "no placeholder "}));
}

TEST(ScriptContext, ATemplateThatDoesNotMatchItsValuesIsAProgramFault)
{
    EXPECT_THROW(Written([](ScriptContext& s) { s.Format("%d", 1.5); }), std::logic_error);
    EXPECT_THROW(Written([](ScriptContext& s) { s.Format("%0.4E", 1); }), std::logic_error);
    EXPECT_THROW(Written([](ScriptContext& s) { s.Format("%d %d", 1); }), std::logic_error);
    EXPECT_THROW(Written([](ScriptContext& s) { s.Format("%d", 1, 2); }), std::logic_error);
    EXPECT_THROW(Written([](ScriptContext& s) { s.Format("%q", 1); }), std::logic_error);
    EXPECT_THROW(Written([](ScriptContext& s) { s.Format("100% sure"); }), std::logic_error);
}

TEST(ScriptContext, InfinitiesAndNaNsNeverReachTheScript)
{
    EXPECT_THROW(Written([](ScriptContext& s) { s.Format("%0.4E", std::numeric_limits<double>::infinity()); }),
                 FloatingPointError);
    EXPECT_THROW(Written([](ScriptContext& s) { s.Format("%0.3F", std::numeric_limits<double>::quiet_NaN()); }),
                 FloatingPointError);
}

} // namespace
} // namespace mirelo
