#include "TestSupport.h"

#include "pelgo/Numbers.h"

#include <cmath>

using namespace pelgo;
using namespace pelgo::test;

namespace {

struct RegionalCase {
    const char* locale;
    const char* text;
    std::optional<double> value;
};

class RegionalParse : public ::testing::TestWithParam<RegionalCase> {};

TEST_P(RegionalParse, ReadsTypedNumbersWithTheRegionalSeparators)
{
    const RegionalCase& c = GetParam();
    LocaleGuard guard(c.locale);
    const auto value = parseRegional(c.text);
    ASSERT_EQ(value.has_value(), c.value.has_value()) << c.text;
    if (value) {
        EXPECT_DOUBLE_EQ(*value, *c.value) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, RegionalParse, ::testing::Values(
    RegionalCase{kPointLocale, "0.75", 0.75},
    RegionalCase{kPointLocale, "  -12.5 ", -12.5},
    RegionalCase{kPointLocale, "+3", 3.0},
    RegionalCase{kPointLocale, "1,234.5", 1234.5},
    RegionalCase{kPointLocale, "1.5e3", 1500.0},
    RegionalCase{kPointLocale, ".5", 0.5},
    RegionalCase{kPointLocale, "0,75", 75.0},        // the comma groups here
    RegionalCase{kCommaLocale, "0,75", 0.75},
    RegionalCase{kCommaLocale, "1.234,5", 1234.5},
    RegionalCase{kCommaLocale, "0.75", 75.0},        // the point groups here
    RegionalCase{kPointLocale, "", std::nullopt},
    RegionalCase{kPointLocale, " ", std::nullopt},
    RegionalCase{kPointLocale, "abc", std::nullopt},
    RegionalCase{kPointLocale, "12 pu", std::nullopt},
    RegionalCase{kPointLocale, "1.2.3", std::nullopt},
    RegionalCase{kPointLocale, "1e", std::nullopt},
    RegionalCase{kPointLocale, "-", std::nullopt},
    RegionalCase{kPointLocale, ",5", std::nullopt}));

struct LeadingCase {
    const char* text;
    double value;
};

class LeadingReal : public ::testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingReal, ReadsTheLeadingNumberWithAPointWhateverTheLocale)
{
    LocaleGuard guard(kCommaLocale);
    EXPECT_DOUBLE_EQ(parseLeadingReal(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, LeadingReal, ::testing::Values(
    LeadingCase{"0.75", 0.75}, LeadingCase{"  -1.5kW", -1.5}, LeadingCase{"1.732", 1.732},
    LeadingCase{"2e3x", 2000.0}, LeadingCase{"2ex", 2.0}, LeadingCase{"3,5", 3.0},
    LeadingCase{"kW", 0.0}, LeadingCase{"", 0.0}, LeadingCase{"-", 0.0}, LeadingCase{".5", 0.5}));

TEST(WholeNumbers, RoundHalvesToEvenAndRejectValuesOutOfRange)
{
    EXPECT_EQ(toInt16(2.5), 2);
    EXPECT_EQ(toInt16(3.5), 4);
    EXPECT_EQ(toInt16(-2.5), -2);
    EXPECT_EQ(toInt16(2.4999), 2);
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(toInt16(-32768), -32768);
    EXPECT_THROW(toInt16(32767.5), OverflowError); // rounds to 32768
    EXPECT_THROW(toInt16(-32769), OverflowError);
    EXPECT_THROW(toInt16(std::nan("")), OverflowError);
    EXPECT_EQ(toInt32(70000.5), 70000);
    EXPECT_THROW(toInt32(3e9), OverflowError);
}

TEST(WholeNumbers, RegionalTextReadsUnderTheLocale)
{
    LocaleGuard guard(kPointLocale);
    EXPECT_EQ(parseRegionalInt16("2.5"), 2);
    EXPECT_EQ(parseRegionalInt16("40000"), std::nullopt);
    EXPECT_EQ(parseRegionalInt16("x"), std::nullopt);
    LocaleGuard comma(kCommaLocale);
    EXPECT_EQ(parseRegionalInt16("2.5"), 25);
    EXPECT_EQ(parseRegionalInt16("2,5"), 2);
}

TEST(Rounding, HalfToEvenAndHalfAwayFromZero)
{
    EXPECT_DOUBLE_EQ(roundHalfEven(0.125, 2), 0.12);
    EXPECT_DOUBLE_EQ(roundHalfEven(0.135, 2), 0.14);
    EXPECT_DOUBLE_EQ(roundHalfEven(12.5), 12.0);
    EXPECT_DOUBLE_EQ(roundHalfAway(12.5), 13.0);
    EXPECT_DOUBLE_EQ(roundHalfAway(-12.5), -13.0);
    EXPECT_DOUBLE_EQ(roundHalfAway(2.675, 2), 2.68); // the decimal the user sees, not its binary neighbour
    EXPECT_DOUBLE_EQ(roundHalfAway(1.005, 2), 1.01);
    EXPECT_DOUBLE_EQ(roundHalfEven(1.2345678, 3), 1.235);
}

TEST(Formatting, ShortestFormWithTheRegionalDecimal)
{
    {
        LocaleGuard guard(kPointLocale);
        EXPECT_EQ(formatNumber(0.75), "0.75");
        EXPECT_EQ(formatNumber(11), "11");
        EXPECT_EQ(formatNumber(0.1 + 0.2), "0.3"); // 15 significant digits
        EXPECT_EQ(formatNumber(-0.0), "0");
        EXPECT_EQ(formatNumber(1234567.5), "1234567.5"); // no grouping
        EXPECT_EQ(formatFixed(2.675, 2), "2.68");
        EXPECT_EQ(formatFixed(-0.001, 2), "0.00");
    }
    LocaleGuard guard(kCommaLocale);
    EXPECT_EQ(formatNumber(0.75), "0,75");
    EXPECT_EQ(formatNumberDot(0.75), "0.75");
    EXPECT_EQ(formatFixed(1.5, 1), "1,5");
}

TEST(Formatting, PowerElementNamesAreTheSameUnderEveryLocale)
{
    for (const char* locale : {kPointLocale, kCommaLocale}) {
        LocaleGuard guard(locale);
        EXPECT_EQ(numberElementName("vlPotencia", 0.75), "vlPotencia0_75") << locale;
        EXPECT_EQ(numberElementName("vlPotencia", 7.5), "vlPotencia7_5") << locale;
        EXPECT_EQ(numberElementName("vlPotencia", 11), "vlPotencia11") << locale;
    }
}

TEST(Formatting, TodayIsDayMonthYear)
{
    const std::string today = todayText();
    ASSERT_EQ(today.size(), 10u);
    EXPECT_EQ(today[2], today[5]);
    EXPECT_NE(std::string("0123456789").find(today[0]), std::string::npos);
}

} // namespace
