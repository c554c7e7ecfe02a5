#include "../../lib/tests/TestSupport.h"

#include "pelgo/Numbers.h"
#include "pelgo/wizard/Conversions.h"
#include "pelgo/wizard/Fields.h"
#include "pelgo/wizard/Router.h"

#include <gtest/gtest.h>

namespace pelgo::wizard {
namespace {

const std::string kFahrenheit = "\xC2\xB0 F";
const std::string kCelsius = "\xC2\xB0 C";

TEST(Conversions, AltitudeInFeetBecomesWholeMetres)
{
    struct Case {
        std::int16_t altitude;
        const char* unit;
        std::int16_t metres;
    };
    for (const Case& c : {Case{3300, "ft", 1006}, Case{3281, "ft", 1000}, Case{13123, "ft", 4000},
                          Case{1000, "m", 1000}, Case{3281, "m", 3281}}) {
        EXPECT_EQ(altitudeInMetres(c.altitude, c.unit), c.metres) << c.altitude << " " << c.unit;
    }
}

TEST(Conversions, FahrenheitBecomesWholeCelsius)
{
    struct Case {
        std::int16_t temperature;
        std::string unit;
        std::int16_t celsius;
    };
    for (const Case& c : {Case{104, kFahrenheit, 40}, Case{41, kFahrenheit, 5}, Case{50, kFahrenheit, 10},
                          Case{113, kFahrenheit, 45}, Case{-40, kFahrenheit, -40}, Case{40, kCelsius, 40},
                          Case{104, "C", 104}}) {
        EXPECT_EQ(temperatureInCelsius(c.temperature, c.unit), c.celsius) << c.temperature << " " << c.unit;
    }
}

TEST(Conversions, FahrenheitArithmeticIsSixteenBit)
{
    // (T - 32) × 5 leaves the 16-bit range from T = 6586 on.
    EXPECT_EQ(temperatureInCelsius(6585, kFahrenheit), 3641); // 32765 / 9 = 3640.56
    EXPECT_THROW(temperatureInCelsius(6586, kFahrenheit), OverflowError);
    EXPECT_THROW(temperatureInCelsius(-32768, kFahrenheit), OverflowError);
}

TEST(Conversions, NumbersAreShownInTheRegionalForm)
{
    {
        test::LocaleGuard guard(test::kCommaLocale);
        EXPECT_EQ(shown(0.75), "0,75");
        EXPECT_EQ(shown(0.9 * 14.9), "13,41");
    }
    test::LocaleGuard guard(test::kPointLocale);
    EXPECT_EQ(shown(0.75), "0.75");
    EXPECT_EQ(shown(40), "40");
}

TEST(Conversions, JoinsTexts)
{
    const std::string items[] = {"1,5", "2", ""};
    EXPECT_EQ(joined(items, 3, "|"), "1,5|2|");
    EXPECT_EQ(joined(items, 0, "|"), "");
}

TEST(ChoiceField, SelectionStaysInsideTheList)
{
    ChoiceField<int> list;
    list.add("a", 1);
    list.add("b", 2);
    list.add("a", 3);
    EXPECT_FALSE(list.hasSelection());
    EXPECT_EQ(list.text(), "");
    EXPECT_EQ(list.value(), 0);
    list.select(5);
    EXPECT_EQ(list.selected(), -1);
    EXPECT_EQ(list.findText("a"), 2) << "the last match wins, as when a list box is filled";
    list.select(1);
    EXPECT_EQ(list.text(), "b");
    EXPECT_EQ(list.value(), 2);
    list.clear();
    EXPECT_FALSE(list.hasSelection());
    EXPECT_TRUE(list.empty());
}

TEST(Router, OpensTheScreenOfEachNumber)
{
    EXPECT_EQ(route(-1).kind, ScreenKind::Language);
    EXPECT_EQ(route(0).kind, ScreenKind::Opening);
    for (int step = 1; step <= 14; ++step) {
        EXPECT_EQ(route(step).kind, ScreenKind::Step);
        EXPECT_EQ(route(step).step, step);
    }
    EXPECT_EQ(route(15).kind, ScreenKind::Report);
    EXPECT_EQ(route(15).reportCaller, 6);
    EXPECT_EQ(route(16).reportCaller, 9);
    EXPECT_EQ(route(17).reportCaller, 10);
    EXPECT_EQ(route(18).kind, ScreenKind::None);
    EXPECT_EQ(route(-2).kind, ScreenKind::None);
}

TEST(Router, StepsMoveForwardAndBack)
{
    EXPECT_EQ(backOf(1), -1) << "step 1 goes back to the language screen";
    for (int step = 2; step <= 5; ++step) {
        EXPECT_EQ(forwardOf(step - 1), step);
        EXPECT_EQ(backOf(step), step - 1);
    }
    EXPECT_EQ(forwardOf(5), 6);
    EXPECT_EQ(parametersScreen(5), 9);
    EXPECT_EQ(parametersScreen(3), 10);
    EXPECT_EQ(parametersScreen(4), 10);
    EXPECT_EQ(parametersScreen(0), 10) << "a model not found has number 0";
    EXPECT_EQ(helpPage("Etapa5", "ESP"), "help/Ajuda_Etapa5_ESP.htm");
}

} // namespace
} // namespace pelgo::wizard
