// The exact answers the value boxes show, driven through the conversion state
// over fake controls and held against an exact reference written apart from
// the code under test (tests/core/answer_reference.h).
#include "core/conversion_state.h"
#include "core/conversion_view.h"
#include "core/convert_text.h"
#include "core/exact_convert.h"
#include "numtext/numtext.h"
#include "tests/catalogue/table_lookup.h"
#include "tests/core/answer_reference.h"
#include "tests/support/fake_view.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

const ConversionState InitialState = Conversion;   // as the process starts

const double CELSIUS = 1.0, FAHRENHEIT = 2.0, RANKINE = 3.0, REAUMUR = 4.0, KELVIN = 5.0;

std::string Box(int box) { return FakeView.boxes[box].text; }
int OtherBox(int box) { return box == BOX_FROM ? BOX_TO : BOX_FROM; }

// The text the double path shows: ParseReal, the factor rule, FormatReal.
std::string DoublePathText(const char* typed, double fromFactor, double toFactor, int decimals, int numFormat)
{
    double value;
    ParseReal(typed, &value);
    char out[32] = "";
    FormatReal(ConvertByFactors(value, fromFactor, toFactor), decimals, out, numFormat);
    return out;
}

class ExactAnswerTest : public testing::Test {
protected:
    void SetUp() override
    {
        Conversion = InitialState;
        FakeViewReset();
        OnChooserChanged(0);
    }
    // The user picks the category and two units by name, empties the box
    // and types the text; the other box's text is returned.
    std::string Shown(int category, const char* from, const char* to, const char* typed, int box = BOX_FROM)
    {
        int fromIndex = UnitIndex(category, from), toIndex = UnitIndex(category, to);
        EXPECT_GE(fromIndex, 0) << from;
        EXPECT_GE(toIndex, 0) << to;
        if (fromIndex < 0 || toIndex < 0) return "(no such unit)";
        FakePick(CHOOSER_CATEGORY, category);
        FakePick(CHOOSER_FROM_UNIT, fromIndex);
        FakePick(CHOOSER_TO_UNIT, toIndex);
        FakeClear(box);
        FakeType(box, typed);
        return Box(OtherBox(box));
    }
    void Options(int decimals, bool scientific)
    {
        Conversion.NumFormat = scientific ? 0 : 1;
        SetDecimalPlaces(decimals);
    }
};

// Each of these showed a digit string ending in 9s: the double product or
// quotient landed an ulp below the round answer and the layout cut it.
TEST_F(ExactAnswerTest, RoundAnswersNoLongerEndInNines)
{
    EXPECT_EQ(DoublePathText("50", 1609.344, 1000.0, 6, 1), " 80.467199");   // what it used to show
    EXPECT_EQ(Shown(CATEGORY_COMMON_LENGTH, "mile", "kilometer", "50"), " 80.467200");
    EXPECT_EQ(Shown(CATEGORY_METRIC_MASS, "centigram", "decigram", "54"), " 5.400000");
    EXPECT_EQ(Shown(CATEGORY_METRIC_LENGTH, "centimeter", "kilometer", "60"), " 0.000600");
    EXPECT_EQ(Shown(CATEGORY_ANGLE, "degree", "mil", "27"), " 480.000000");
    EXPECT_EQ(Shown(CATEGORY_COOKING, "#2.5 can", "#10 can", "24"), " 7.000000");       // 84 cups = 7 * 3 quarts
    EXPECT_EQ(Shown(CATEGORY_TEMPERATURE, "degree Celsius", "degree Fahrenheit", "-49.7"), "-57.460000");
    // Same unit both sides: v * f / f is v, also for a factor with 17 digits.
    EXPECT_EQ(Shown(CATEGORY_ALL_LENGTH, "agate [Adobe]", "agate [Adobe]", "5"), " 5.000000");
}

// Typing into the To box converts the other way, just as exactly.
TEST_F(ExactAnswerTest, BothDirections)
{
    EXPECT_EQ(Shown(CATEGORY_COMMON_LENGTH, "kilometer", "mile", "50", BOX_TO), " 80.467200");
    EXPECT_EQ(Shown(CATEGORY_TEMPERATURE, "degree Fahrenheit", "degree Celsius", "-49.7", BOX_TO), "-57.460000");
    // Afterwards a unit change recomputes the From box from the To box's text.
    FakePick(CHOOSER_FROM_UNIT, UnitIndex(CATEGORY_TEMPERATURE, "kelvin"));
    EXPECT_EQ(Box(BOX_FROM), " 223.450000");
}

// The decimals and the notation re-format from the typed text.
TEST_F(ExactAnswerTest, DisplayOptions)
{
    EXPECT_EQ(Shown(CATEGORY_METRIC_MASS, "centigram", "decigram", "54"), " 5.400000");
    Options(15, false);
    EXPECT_EQ(Box(BOX_TO), " 5.400000000000000");
    Options(0, false);
    EXPECT_EQ(Box(BOX_TO), " 5");
    Options(2, true);
    EXPECT_EQ(Box(BOX_TO), " 5.40E+0000");
    Conversion.DecimalPlaces = 40;                       // a hand-edited DEC_PLACE: shown as 15
    Recompute(BOX_FROM);
    EXPECT_EQ(Box(BOX_TO), " 5.400000000000000E+0000");
    EXPECT_EQ(FakeView.deepestChange, 2);                // the To box's change did not convert back
}

TEST_F(ExactAnswerTest, AbsoluteZero)
{
    const int T = CATEGORY_TEMPERATURE;
    EXPECT_EQ(Shown(T, "degree Celsius", "kelvin", "-273.15"), "0");              // exactly 0 K
    EXPECT_EQ(Shown(T, "degree Celsius", "kelvin", "-273.16"), "0");              // below: 0 in any unit
    EXPECT_EQ(Shown(T, "degree Celsius", "degree Fahrenheit", "-273.16"), "0");
    EXPECT_EQ(Shown(T, "degree Celsius", "degree Fahrenheit", "-273.15"), "-459.670000");
    EXPECT_EQ(Shown(T, "degree Fahrenheit", "degree Celsius", "-459.67"), "-273.150000");
    EXPECT_EQ(Shown(T, "degree Fahrenheit", "kelvin", "-459.67"), "0");
    EXPECT_EQ(Shown(T, "degree Fahrenheit", "kelvin", "-459.670000000000001"), "0");  // 1e-15 below
    EXPECT_EQ(Shown(T, "degree Reaumur", "degree Celsius", "-218.52"), "-273.150000");
    EXPECT_EQ(Shown(T, "degree Reaumur", "degree Celsius", "-218.520000000000001"), "0");
    EXPECT_EQ(Shown(T, "degree Rankine", "degree Celsius", "0"), "-273.150000");
    EXPECT_EQ(Shown(T, "kelvin", "kelvin", "-0.00000000000000001"), "0");
    // 491.67 R is exactly 0 C; in doubles 491.67 / 1.8 - 273.15 is 5.7e-14.
    EXPECT_EQ(Shown(T, "degree Rankine", "degree Celsius", "491.67"), "0");
    EXPECT_EQ(Shown(T, "degree Celsius", "degree Celsius", "-0"), "0");
}

TEST_F(ExactAnswerTest, TemperaturesFarFromTheOffset)
{
    const int T = CATEGORY_TEMPERATURE;
    Options(15, true);
    // A tiny value next to the offset: it only decides which side of a
    // rounding midpoint the answer falls, and none is near.
    EXPECT_EQ(Shown(T, "degree Celsius", "kelvin", "1e-4000"), " 2.731500000000000E+0002");
    EXPECT_EQ(Shown(T, "degree Celsius", "kelvin", "-1e-4000"), " 2.731500000000000E+0002");
    EXPECT_EQ(Shown(T, "kelvin", "kelvin", "-1e-4000"), "0");                      // still below zero
    EXPECT_EQ(Shown(T, "kelvin", "degree Celsius", "1e-4931"), "-2.731500000000000E+0002");
    // No offset: a plain scale, exact as far as the double range goes.
    EXPECT_EQ(Shown(T, "degree Celsius", "degree Celsius", "1e-320"), " 1.000000000000000E-0320");
    EXPECT_EQ(Shown(T, "kelvin", "degree Rankine", "1e300"), " 1.800000000000000E+0300");
    // Large values: the offset is still counted exactly. 123456789012618.65
    // is a tie at the 16th digit and goes to the even neighbour.
    EXPECT_EQ(Shown(T, "degree Celsius", "kelvin", "123456789012345.5"), " 1.234567890126186E+0014");
    EXPECT_EQ(Shown(T, "degree Celsius", "kelvin", "123456789012345.51"), " 1.234567890126187E+0014");
    EXPECT_EQ(Shown(T, "degree Celsius", "kelvin", "1e300"), " 1.000000000000000E+0300");
    EXPECT_EQ(Shown(T, "degree Celsius", "kelvin", "1e309"), "1e309");             // beyond: as typed
    EXPECT_EQ(Shown(T, "degree Celsius", "degree Fahrenheit", "-1e4931"), "0");     // below zero first
    EXPECT_EQ(Shown(T, "degree Celsius", "degree Fahrenheit", "1e4931"), "1e4931");
}

TEST_F(ExactAnswerTest, TextThatIsNoNumberPassesThrough)
{
    EXPECT_EQ(Shown(CATEGORY_METRIC_LENGTH, "kilometer", "meter", "abc"), "abc");
    EXPECT_EQ(Shown(CATEGORY_METRIC_LENGTH, "kilometer", "meter", ""), "");
    EXPECT_EQ(Shown(CATEGORY_METRIC_LENGTH, "meter", "meter", "1e400"), "1e400");
    EXPECT_EQ(Shown(CATEGORY_METRIC_LENGTH, "meter", "meter", "1e4931"), "1e4931");
    EXPECT_EQ(Shown(CATEGORY_METRIC_LENGTH, "kilometer", "meter", "1e306"), "1e306");       // 1e309 m
    EXPECT_EQ(Shown(CATEGORY_TEMPERATURE, "degree Celsius", "kelvin", "abc", BOX_TO), "abc");
}

// The answer is beyond the double range exactly when it would round to an
// infinity as a double, from 2^1024 - 2^970 = 1.7976931348623158079e308 up.
TEST_F(ExactAnswerTest, TopOfTheDoubleRange)
{
    Options(15, true);
    EXPECT_EQ(Shown(CATEGORY_METRIC_LENGTH, "meter", "meter", "1.7976931348623158e308"), " 1.797693134862316E+0308");
    EXPECT_EQ(Shown(CATEGORY_METRIC_LENGTH, "meter", "meter", "1.79769313486231580e308"), " 1.797693134862316E+0308");
    EXPECT_EQ(Shown(CATEGORY_METRIC_LENGTH, "meter", "meter", "1.79769313486231581e308"), "1.79769313486231581e308");
    EXPECT_EQ(Shown(CATEGORY_METRIC_LENGTH, "meter", "meter", "1.797693134862316e308"), "1.797693134862316e308");
    // A typed value beyond the double range that a factor brings back into
    // it shows its exact answer (the double path had only an infinity).
    EXPECT_EQ(Shown(CATEGORY_AREA, "shed", "square meter", "1e310"), " 1.000000000000000E+0258");
    EXPECT_EQ(Shown(CATEGORY_AREA, "square meter", "shed", "1e310", BOX_TO), " 1.000000000000000E+0258");
}

// Below the double range (it would round to zero as a double, up to 2^-1075
// = 2.4703282292062327209e-324) the box shows what the double path shows.
TEST_F(ExactAnswerTest, BottomOfTheDoubleRange)
{
    Options(15, true);
    EXPECT_EQ(Shown(CATEGORY_METRIC_LENGTH, "meter", "meter", "2.47032822920623273e-324"), " 2.470328229206233E-0324");
    EXPECT_EQ(Shown(CATEGORY_METRIC_LENGTH, "meter", "meter", "3e-324"), " 3.000000000000000E-0324");
    EXPECT_EQ(Shown(CATEGORY_METRIC_LENGTH, "meter", "meter", "2.47032822920623272e-324"), "0");
    EXPECT_EQ(Shown(CATEGORY_METRIC_LENGTH, "meter", "meter", "1e-330"), "0");
    // 1e-300 shed in the largest area unit is 1e-400 exactly; the double
    // path's product underflows to zero.
    int largest = 0;
    for (int u = 0; u < UnitCount(CATEGORY_AREA); ++u)
        if (UnitFactor(CATEGORY_AREA, u) > UnitFactor(CATEGORY_AREA, largest)) largest = u;
    EXPECT_EQ(Shown(CATEGORY_AREA, "shed", UnitName(CATEGORY_AREA, largest), "1e-300"), "0");
    // Inside the range, denormals included, the exact answer shows: 1e-310
    // km is 1e-307 m; 1e-320 mm is 1e-323 m, where the double path had the
    // denormal 9.88e-324.
    EXPECT_EQ(Shown(CATEGORY_METRIC_LENGTH, "kilometer", "meter", "1e-310"), " 1.000000000000000E-0307");
    EXPECT_EQ(Shown(CATEGORY_METRIC_LENGTH, "millimeter", "meter", "1e-320"), " 1.000000000000000E-0323");
}

// Factors outside 1e-60 .. 1e60 are not covered by the exact path's bounds;
// such a conversion shows the double path's answer.
TEST(ExactAnswer, FactorsOutsideTheSpanTakeTheDoublePath)
{
    ScannedNumber typed = {false, 2, 1, 1, 0};
    EXPECT_EQ(ExactByFactors(1e61, 1.0, typed).kind, EXACT_NOT_COVERED);
    EXPECT_EQ(ExactByFactors(1.0, 1e-61, typed).kind, EXACT_NOT_COVERED);
    EXPECT_EQ(ExactByFactors(1.0, 0.0, typed).kind, EXACT_NOT_COVERED);
    char out[32] = "2";
    EXPECT_EQ(FormatExactConversion(out, 1e70, 3.0, 0, 2e70 / 3.0, 6, out, 1), 1);
    char expected[32];
    FormatReal(2e70 / 3.0, 6, expected, 1);
    EXPECT_STREQ(out, expected);
}

// The registry gives the exact converter the same key as the double one.
TEST(ExactAnswer, RegistryPairsTheConverters)
{
    for (int c = 0; c < CategoryCount(); ++c)
        EXPECT_EQ(FindExactConverter(c) != nullptr, FindSpecialConverter(c) != nullptr) << c;
    EXPECT_EQ(FindExactConverter(CATEGORY_TEMPERATURE), &ExactTemperature);
    EXPECT_EQ(FindExactConverter(32), nullptr);
    EXPECT_EQ(FindExactConverter(-1), nullptr);
}

// ---- Against the reference -------------------------------------------------

// The answer ExactByFactors / ExactTemperature gives, as the reference's
// RefShown, or why there is none.
bool SameAnswer(const ExactAnswer& a, const RefRational& expected, std::string* why)
{
    RefRange range = RefRangeOf(expected);
    ExactKind kind = range == REF_ZERO ? EXACT_ZERO
                   : range == REF_BELOW_RANGE ? EXACT_BELOW_RANGE
                   : range == REF_BEYOND_RANGE ? EXACT_BEYOND_RANGE
                                               : EXACT_DIGITS;
    if (a.kind != kind) {
        *why = "kind " + std::to_string(a.kind) + ", expected " + std::to_string(kind);
        return false;
    }
    if (kind != EXACT_DIGITS) return true;
    RefShown s = RefRoundOnce(expected);
    if (a.digits.negative != s.negative || a.digits.digits != s.digits || a.digits.exponent != s.exponent) {
        *why = std::to_string(a.digits.digits) + "e" + std::to_string(a.digits.exponent) + ", expected " +
               std::to_string(s.digits) + "e" + std::to_string(s.exponent);
        return false;
    }
    return true;
}

// The 18-digit integer just below r, plus offset, as the text "digitsEe".
std::string EighteenDigits(const RefRational& r, int offset)
{
    int e = (int)std::floor((RefBitLength(r.num) - RefBitLength(r.den)) * 0.30103) - 17;
    for (;;) {
        RefRational scaled = RefTimes(r, RefDecimal(false, 1, -e));
        if (RefBitLength(scaled.num) - RefBitLength(scaled.den) > 62) {  // keep the quotient in 64 bits
            ++e;
            continue;
        }
        RefInt remainder = scaled.num;
        uint64_t digits = RefDivide(remainder, scaled.den);
        if (digits >= 1000000000000000000ull) ++e;
        else if (digits < 100000000000000000ull) --e;
        else return std::to_string(digits + offset) + "e" + std::to_string(e);
    }
}

// Doubles that stand for themselves (3 ulps off a round decimal) and for
// decimals, at the ends of the covered span; typed values of 18 digits with
// exponents that put the answer at both ends of the double range and in the
// middle. The bounds of the big integers are asserted in a debug build.
TEST(ExactAnswer, ExtremeFactorsAgainstReference)
{
    const double factors[] = {
        1e-60, 1e60, std::nextafter(std::nextafter(std::nextafter(1e60, 0.0), 0.0), 0.0),
        std::nextafter(std::nextafter(std::nextafter(1e-60, 1.0), 1.0), 1.0), 1.0000000000000002e-60,
        9.999999999999999e59, 1.0, 0.3048, 1 / 0.3048,
    };
    const char* texts[] = {
        "999999999999999999e-400", "123456789012345678E-0300", "1e-4931", "999999999999999999e4913",
        "1", "1.5", "123456789012345678e-17", "1e200", "1e-200", "1e-250", "1e250", "4.5e-320",
    };
    for (double from : factors) {
        for (double to : factors) {
            for (const char* text : texts) {
                ScannedNumber typed;
                ASSERT_TRUE(ScanNumber(text, &typed));
                RefRational value = RefOfScanned(typed);
                RefRational expected = RefOver(RefTimes(value, RefStandsFor(from)), RefStandsFor(to));
                std::string why;
                EXPECT_TRUE(SameAnswer(ExactByFactors(from, to, typed), expected, &why))
                    << text << " * " << Hex(from) << " / " << Hex(to) << ": " << why;
            }
        }
    }
    // Answers straddling the edges of the double range: typed values of 18
    // digits just below and just above edge / factor, so that the answer's
    // 16 digits cannot tell on which side of the edge it lies.
    const RefRational edges[] = {RefOverflowEdge(), RefUnderflowEdge()};
    for (const RefRational& edge : edges) {
        for (double factor : {0.3048, 1 / 0.3048, 1.8288000000000002, 4.54609e-3, 1.0}) {
            RefRational target = RefOver(edge, RefStandsFor(factor));
            for (int offset : {-1, 0, 1, 2}) {
                std::string text = EighteenDigits(target, offset);
                ScannedNumber typed;
                ASSERT_TRUE(ScanNumber(text.c_str(), &typed)) << text;
                RefRational expected = RefTimes(RefOfScanned(typed), RefStandsFor(factor));
                std::string why;
                EXPECT_TRUE(SameAnswer(ExactByFactors(factor, 1.0, typed), expected, &why))
                    << text << " * " << Hex(factor) << ": " << why;
            }
        }
    }
}

TEST(ExactAnswer, TemperatureEdgesAgainstReference)
{
    const double codes[] = {CELSIUS, FAHRENHEIT, RANKINE, REAUMUR, KELVIN, 0.0, 7.5};
    const char* texts[] = {
        "0", "-0", "1e-41", "-1e-41", "1e-40", "-1e-40", "9.99999999999999999e-41", "1e-39", "-1e-39",
        "123456789012345678e-57", "-273.15", "-459.67", "-218.52", "-273.150000000000001",
        "-459.669999999999999", "1e305", "-1e305", "999999999999999999e291", "1.7976931348623158e308",
        "1e309", "1e-4931", "12345.678901234567", "-17.7777777777777778", "0.0000000000000001",
    };
    for (double from : codes) {
        for (double to : codes) {
            for (const char* text : texts) {
                ScannedNumber typed;
                ASSERT_TRUE(ScanNumber(text, &typed));
                RefRational value = RefOfScanned(typed);
                RefRational expected = RefTemperature(from, to, value);
                std::string why;
                EXPECT_TRUE(SameAnswer(ExactTemperature(from, to, typed), expected, &why))
                    << text << " " << from << " -> " << to << ": " << why;
            }
        }
    }
}

// ---- Sweeps through the conversion state -----------------------------------

// A typed value: its text and the exact decimal it writes. Whole numbers up
// to 1000 and values with one to three decimals, a third of them negative.
struct TypedValue {
    std::string text;
    RefRational exact;
};

TypedValue RandomTyped(std::mt19937_64& random)
{
    bool negative = random() % 3 == 0;
    int decimals = (int)(random() % 4);                       // 0: a whole number
    uint64_t digits = random() % (decimals ? 1000000 : 1001);
    uint64_t scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    std::string text = negative ? "-" : "";
    text += std::to_string(digits / scale);
    if (decimals) {
        std::string fraction = std::to_string(digits % scale);
        text += "." + std::string(decimals - fraction.size(), '0') + fraction;
    }
    return {text, RefDecimal(negative, digits, -decimals)};
}

class ExactAnswerSweep : public ExactAnswerTest {
protected:
    // The numbers the rows of a category stand for, worked out once.
    std::vector<RefRational> Factors(int category)
    {
        std::vector<RefRational> factors;
        for (int u = 0; u < UnitCount(category); ++u)
            factors.push_back(RefStandsFor(UnitFactor(category, u)));
        return factors;
    }
    // Types the value into box with units from and to current, and holds
    // the other box against the reference at 0, 2, 6 and 15 decimals in both
    // notations. Returns false after the first mismatch.
    bool Check(int category, int from, int to, int box, const TypedValue& value, const RefRational& expected)
    {
        SelectConversion(category, from, to);
        FakeClear(box);
        FakeType(box, value.text.c_str());
        RefShown shown = RefRoundOnce(expected);
        for (int scientific = 0; scientific < 2; ++scientific) {
            for (int decimals : {0, 2, 6, 15}) {
                Options(decimals, scientific != 0);
                std::string want = RefLayout(shown, decimals, scientific != 0);
                const int answerUnit = box == BOX_FROM ? to : from;
                RefParts parts = RefPartsOf(UnitName(category, answerUnit));
                if (!parts.ratio.empty()) {   // in parts, or the first part alone from 10^15 up
                    std::string inParts = RefPartsText(expected, parts, decimals, 0);
                    want = inParts.empty() ? want + parts.mark[0] : inParts;
                }
                std::string got = Box(OtherBox(box));
                if (got != want) {
                    ADD_FAILURE() << CategoryName(category) << ": \"" << value.text << "\" typed in box " << box
                                  << ", " << UnitName(category, from) << " -> "
                                  << UnitName(category, to) << ", " << decimals << " decimals"
                                  << (scientific ? " scientific" : " fixed") << ": shows \"" << got
                                  << "\", exact answer \"" << want << "\" (" << RefText(expected) << ")";
                    return false;
                }
            }
        }
        return true;
    }
    // Every pair (from, to) given, both directions, `perPair` values each.
    void SweepPairs(int category, const std::vector<std::pair<int, int>>& pairs, int perPair, uint64_t seed)
    {
        std::mt19937_64 random(seed);
        std::vector<RefRational> factors = Factors(category);
        int failures = 0;
        for (const std::pair<int, int>& pair : pairs) {
            for (int box : {BOX_FROM, BOX_TO}) {
                // Typed in the To box, the value is in the to-unit.
                const RefRational& in = factors[box == BOX_FROM ? pair.first : pair.second];
                const RefRational& out = factors[box == BOX_FROM ? pair.second : pair.first];
                for (int i = 0; i < perPair; ++i) {
                    TypedValue value = RandomTyped(random);
                    RefRational expected = RefOver(RefTimes(value.exact, in), out);
                    if (!Check(category, pair.first, pair.second, box, value, expected) && ++failures >= 10)
                        return;
                }
            }
        }
    }
    static std::vector<std::pair<int, int>> AllPairs(int category)
    {
        std::vector<std::pair<int, int>> pairs;
        for (int a = 0; a < UnitCount(category); ++a)
            for (int b = 0; b < UnitCount(category); ++b) pairs.push_back({a, b});
        return pairs;
    }
};

#ifdef METROVA_LONG_SWEEPS
const int kValuesPerPair = 4;       // per direction
const int kSampledPairs = 100000;   // every pair of every category, in practice
#else
const int kValuesPerPair = 3;
const int kSampledPairs = 60;
#endif

TEST_F(ExactAnswerSweep, CommonCategoriesEveryPair)
{
    for (int category : {CATEGORY_COMMON_LENGTH, CATEGORY_COMMON_SPEED, CATEGORY_COMMON_WEIGHT, CATEGORY_METRIC_LENGTH, CATEGORY_METRIC_MASS}) {
        SCOPED_TRACE(CategoryName(category));
        SweepPairs(category, AllPairs(category), kValuesPerPair, 1000 + category);
    }
}

TEST_F(ExactAnswerSweep, OtherCategoriesSampledPairs)
{
    std::mt19937_64 random(4242);
    for (int category = 0; category < CategoryCount(); ++category) {
        if (category == CATEGORY_COMMON_LENGTH || category == CATEGORY_COMMON_SPEED || category == CATEGORY_COMMON_WEIGHT ||
            category == CATEGORY_METRIC_LENGTH || category == CATEGORY_METRIC_MASS || category == CATEGORY_TEMPERATURE)
            continue;
        SCOPED_TRACE(CategoryName(category));
        int count = UnitCount(category);
        std::vector<std::pair<int, int>> pairs;
        if ((long long)count * count <= kSampledPairs) {
            pairs = AllPairs(category);
        } else {
            for (int i = 0; i < kSampledPairs; ++i)
                pairs.push_back({(int)(random() % count), (int)(random() % count)});
        }
        SweepPairs(category, pairs, kValuesPerPair, 2000 + category);
    }
}

// The same unit on both sides shows the typed value itself, for every unit of
// every category: v * f / f is v whatever f stands for. (Temperatures below
// absolute zero still give 0, so they are typed positive here.)
TEST_F(ExactAnswerSweep, SameUnitShowsTheTypedValue)
{
    const char* texts[] = {"5", "-0.1", "123456789012345678", "-9.99999999999999999e-200", "1.5e300",
                           "0.00000000000000001e-3", "12345.6789"};
    int failures = 0;
    for (int category = 0; category < CategoryCount(); ++category) {
        for (int u = 0; u < UnitCount(category); ++u) {
            for (const char* text : texts) {
                if (category == CATEGORY_TEMPERATURE && text[0] == '-') continue;
                ScannedNumber n;
                ASSERT_TRUE(ScanNumber(text, &n)) << text;
                TypedValue value = {text, RefOfScanned(n)};
                int box = u % 2 ? BOX_TO : BOX_FROM;
                if (!Check(category, u, u, box, value, value.exact) && ++failures >= 10) return;
            }
        }
    }
}

TEST_F(ExactAnswerSweep, TemperatureEveryPair)
{
    std::mt19937_64 random(28);
    // Around absolute zero in every unit, and everyday values.
    const char* nearZero[] = {"-273.15", "-273.16", "-459.67", "-459.68", "-218.52", "-218.53", "0", "-0",
                              "-0.001", "0.001", "491.67", "255.372", "-40", "100", "37", "1e-30"};
    int failures = 0;
    for (int from = 0; from < 5; ++from) {
        for (int to = 0; to < 5; ++to) {
            for (int box : {BOX_FROM, BOX_TO}) {
                double in = UnitFactor(CATEGORY_TEMPERATURE, box == BOX_FROM ? from : to);
                double out = UnitFactor(CATEGORY_TEMPERATURE, box == BOX_FROM ? to : from);
                std::vector<TypedValue> values;
                for (const char* text : nearZero) {
                    ScannedNumber n;
                    ScanNumber(text, &n);
                    values.push_back({text, RefOfScanned(n)});
                }
                for (int i = 0; i < 4 * kValuesPerPair; ++i) values.push_back(RandomTyped(random));
                for (const TypedValue& value : values) {
                    RefRational expected = RefTemperature(in, out, value.exact);
                    if (!Check(CATEGORY_TEMPERATURE, from, to, box, value, expected) && ++failures >= 10) return;
                }
            }
        }
    }
}

}  // namespace

// ---- Typed expressions -----------------------------------------------------

// What the user types, read once: the other box shows the reference's exact
// answer for the expression's exact value, in either box and under either
// pair of locale symbols, and the stored doubles come from the same reading.
TEST_F(ExactAnswerTest, TypedExpressionsAndTextsThatAreNoNumber)
{
    struct Row { int category; const char* from; const char* to; const char* typed; int64_t num, den; int box; } rows[] = {
        {CATEGORY_COMMON_LENGTH, "feet", "inch", "1/3", 1, 3, BOX_FROM},          // exactly 4 inch
        {CATEGORY_COMMON_LENGTH, "inch", "feet", "(2+1/2)*3", 15, 2, BOX_TO},
        {CATEGORY_COOKING, "cup [US]", "milliliter", "\xe2\x88\x92" "3\xc2\xbd", -7, 2, BOX_TO},
        {CATEGORY_TEMPERATURE, "degree Celsius", "degree Fahrenheit", "-(3-5)", 2, 1, BOX_FROM},
        {CATEGORY_TEMPERATURE, "degree Fahrenheit", "kelvin", "1e3/7", 1000, 7, BOX_TO},
    };
    for (const Row& row : rows) {
        double from = UnitFactor(row.category, row.from), to = UnitFactor(row.category, row.to);
        if (row.box == BOX_TO) std::swap(from, to);
        RefRational value = RefOver(RefRationalOf(row.num), RefRationalOf(row.den));
        RefRational answer = row.category == CATEGORY_TEMPERATURE ? RefTemperature(from, to, value)
                                                         : RefOver(RefTimes(value, RefStandsFor(from)), RefStandsFor(to));
        std::string expected = RefBoxText(answer, 6, false);
        EXPECT_EQ(Shown(row.category, row.from, row.to, row.typed, row.box), expected) << row.typed;
        double typedValue = row.box == BOX_FROM ? Conversion.fromValue : Conversion.toValue;
        EXPECT_EQ(typedValue, (double)row.num / (double)row.den) << row.typed;  // one correctly rounded division
        char out[32] = "";
        ASSERT_EQ(ConvertTypedText(row.typed, row.category, UnitIndex(row.category, row.box == BOX_FROM ? row.from : row.to),
                                   UnitIndex(row.category, row.box == BOX_FROM ? row.to : row.from), out, sizeof out), 1);
        EXPECT_EQ(out, expected) << row.typed;
    }
    // The locale's symbols as the shell hands them down; what is no number
    // (or beyond the range) passes through, and ConvertTypedText leaves out alone.
    SetNumberSymbols(",", ".");
    EXPECT_EQ(Shown(CATEGORY_METRIC_LENGTH, "meter", "centimeter", "1.234,5"), " 123450.000000");
    SetNumberSymbols(".", ",");
    EXPECT_EQ(Shown(CATEGORY_METRIC_LENGTH, "meter", "centimeter", "1,5"), "1,5");
    const char* refused[] = {"1/0", "(1+2", "1e300*1e300"};
    for (const char* text : refused) {
        EXPECT_EQ(Shown(CATEGORY_METRIC_LENGTH, "meter", "centimeter", text), text);
        char out[8] = "keep";
        EXPECT_EQ(ConvertTypedText(text, CATEGORY_METRIC_LENGTH, 0, 1, out, sizeof out), 0) << text;
        EXPECT_STREQ(out, "keep");
    }
    char out[8] = "keep";
    EXPECT_EQ(ConvertTypedText("5", CATEGORY_METRIC_LENGTH, 0, 99, out, sizeof out) + ConvertTypedText("5", 32, 0, 0, out, 8) +
                  ConvertTypedText("5", CATEGORY_METRIC_LENGTH, 0, 0, out, 3), 0);  // no such unit or category; too small
    EXPECT_STREQ(out, "keep");
}

// ---- Compound rows and fractions -------------------------------------------

// Answers in parts: a carry at every part, negatives, zero leading parts, the
// first part alone from 10^15 up; and fractions, exact and not, ties, carries.
TEST_F(ExactAnswerTest, AnswersInPartsAndFractions)
{
    struct Row {
        int category;
        const char *from, *to;
        int decimals, denominator, numFormat;
        std::vector<std::pair<const char*, const char*>> typedAndShown;
    };
    const int FIX = NUM_FORMAT_FIXED, SCI = NUM_FORMAT_SCIENTIFIC, AUTO = NUM_FORMAT_AUTOMATIC;
    const char *FT_IN = "foot + inch", *HMS = "hour + minute + second", *DMS = "degree + minute + second";
    const Row rows[] = {
        {CATEGORY_COMMON_LENGTH, "inch", FT_IN, 6, 0, FIX, {{"67.5", "5 ft 7.500000 in"}, {"11.9999999", "1 ft 0.000000 in"},
                                                            {"7.5", "7.500000 in"}, {"-0.0000001", "0.000000 in"}}},
        {CATEGORY_COMMON_LENGTH, "feet", FT_IN, 0, 0, SCI, {{"999999999999999", "999999999999999 ft 0 in"},
                                                            {"-999999999999999.99", "-1.E+0015 ft"}}},
        {CATEGORY_COMMON_LENGTH, "feet", FT_IN, 2, 0, FIX, {{"-67.5", "-67 ft 6.00 in"}, {"-2e20", "-2.00E+0020 ft"}}},
        {CATEGORY_COMMON_WEIGHT, "ounce", "pound + ounce", 3, 0, FIX, {{"35.5", "2 lb 3.500 oz"}, {"15.9999999", "1 lb 0.000 oz"}}},
        {CATEGORY_TIME, "second", HMS, 6, 0, FIX, {{"5415", "1 h 30 min 15.000000 s"}, {"3599.9999999", "1 h 0 min 0.000000 s"}}},
        {CATEGORY_TIME, "second", HMS, 0, 0, AUTO, {{"-90", "-1 min 30 s"}}},
        {CATEGORY_ANGLE, DMS, DMS, 2, 0, FIX, {{"10.7508333333333", "10\xC2\xB0 45' 3.00\""}, {"0.99999999", "1\xC2\xB0 0' 0.00\""}}},
        // Fractions: the nearest multiple, reduced, "≈ " when not exact; ties to even.
        {CATEGORY_COMMON_LENGTH, "inch", "inch", 6, 16, FIX, {{"3.4375", "3 7/16"}, {"0.4375", "7/16"}, {"5", "5"},
                                                              {"0.03125", "\xE2\x89\x88 0"}, {"0.09375", "\xE2\x89\x88 1/8"},
                                                              {"-0.99", "\xE2\x89\x88 -1"}}},
        {CATEGORY_COMMON_LENGTH, "inch", "inch", 2, 16, SCI, {{"3.4375", " 3.43E+0000"}}},   // not in scientific
        {CATEGORY_COMMON_LENGTH, "inch", "inch", 2, 16, AUTO, {{"1e-9", " 1.00E-0009"}, {"1.5", "1 1/2"}}},
        {CATEGORY_COMMON_LENGTH, "inch", FT_IN, 6, 8, FIX, {{"67.4", "\xE2\x89\x88 5 ft 7 3/8 in"}, {"11.99", "\xE2\x89\x88 1 ft 0 in"}}},
        {CATEGORY_TEMPERATURE, "degree Celsius", "degree Fahrenheit", 6, 64, FIX, {{"37.5", "99 1/2"}, {"-300", "0"}}},
    };
    for (const Row& row : rows) {
        Conversion.NumFormat = row.numFormat;
        SetDecimalPlaces(row.decimals);
        SetAnswerDenominator(row.denominator);
        for (const auto& pair : row.typedAndShown) {
            char out[TYPED_ANSWER_MAX_TEXT] = "";
            ConvertTypedText(pair.first, row.category, UnitIndex(row.category, row.from), UnitIndex(row.category, row.to),
                             out, sizeof out);
            EXPECT_STREQ(out, pair.second) << pair.first << " " << row.from << " -> " << row.to;
        }
    }
    // Sixteenths against the reference, from every common length into feet.
    SetDecimalPlaces(6);
    Conversion.NumFormat = FIX;
    SetAnswerDenominator(16);
    std::mt19937_64 random(19);
    for (int from = 0; from < UnitCount(CATEGORY_COMMON_LENGTH) - 1; ++from) {
        TypedValue value = RandomTyped(random);
        RefRational answer = RefOver(RefTimes(value.exact, RefStandsFor(UnitFactor(CATEGORY_COMMON_LENGTH, from))),
                                     RefStandsFor(UnitFactor(CATEGORY_COMMON_LENGTH, 1)));
        char out[TYPED_ANSWER_MAX_TEXT] = "";
        ConvertTypedText(value.text.c_str(), CATEGORY_COMMON_LENGTH, from, 1, out, sizeof out);
        EXPECT_EQ(out, RefPartsText(answer, RefParts(), 6, 16)) << value.text;
    }
    SetAnswerDenominator(0);
}

// Text typed into a compound row, in every mark form; what is not read so is
// no number.
TEST_F(ExactAnswerTest, TextReadInParts)
{
    struct Row {
        int category;
        const char *from, *to;
        std::vector<const char*> typed;
        const char* shown;   // 0: no number
    };
    const char *FT_IN = "foot + inch", *HMS = "hour + minute + second", *DMS = "degree + minute + second";
    const Row rows[] = {
        {CATEGORY_COMMON_LENGTH, FT_IN, "inch", {"5 ft 7 in", "5' 7\"", "5'7", "5 FEET 7 INCH",
                                                 "5\xE2\x80\xB2 7\xE2\x80\xB3", "4 ft 19 in", "67 in"}, " 67.000000"},
        {CATEGORY_COMMON_LENGTH, FT_IN, "inch", {"5 ft", "10/2"}, " 60.000000"},
        {CATEGORY_COMMON_LENGTH, FT_IN, "inch", {"5' 7 1/2\""}, " 67.500000"},
        {CATEGORY_COMMON_LENGTH, FT_IN, "inch", {"-5 ft 7 in"}, "-67.000000"},
        {CATEGORY_COMMON_WEIGHT, "stone + pound", "pound", {"11 st 4 lb", "11 stones 4 pounds"}, " 158.000000"},
        {CATEGORY_COMMON_WEIGHT, "pound + ounce", "ounce", {"2 lbs 3 1/2 ounces", "1 pound 19.5 ounce"}, " 35.500000"},
        {CATEGORY_TIME, HMS, "second", {"1:30", "1 hr 30 minutes", "1 hours 1800 sec", "1 hour 29 minute 60 s"}, " 5400.000000"},
        {CATEGORY_TIME, HMS, "second", {"1:30:15"}, " 5415.000000"},
        {CATEGORY_ANGLE, DMS, DMS, {"10\xC2\xB0" "45'3\"", "10 deg 45\xE2\x80\xB2 3\xE2\x80\xB3", "10 degree 45.05'"},
         "10\xC2\xB0 45' 3.000000\""},
        {CATEGORY_COMMON_LENGTH, FT_IN, "inch", {"7 in 5 ft", "5 ft 7 in 3", "5 ft -7 in", "5 kg", "5 fts", "1:30", ""}, 0},
        {CATEGORY_TIME, HMS, "second", {"1:30:15:2", "1::2", "1:", "1 s 2 h"}, 0},
        {CATEGORY_ANGLE, DMS, "degree", {"10 ft", "10\xC2\xB0\xC2\xB0"}, 0},
    };
    for (const Row& row : rows) {
        for (const char* typed : row.typed) {
            char out[TYPED_ANSWER_MAX_TEXT] = "";
            int shown = ConvertTypedText(typed, row.category, UnitIndex(row.category, row.from),
                                         UnitIndex(row.category, row.to), out, sizeof out);
            EXPECT_EQ(shown, row.shown != 0) << typed;
            if (row.shown) {
                EXPECT_STREQ(out, row.shown) << typed;
            }
        }
    }
}
