// Category 0 "All Length & Distance": stated rows, synonym groups, prefix
// families, derived rows and a sample of researched lengths.
#include "catalogue/tables.h"
#include "catalogue/units.h"
#include "table_lookup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

namespace {

const int ROWS = 316;

double F(const char* name) { return UnitFactor(CATEGORY_ALL_LENGTH, name); }

// Relative difference, for relations that hold to a few ulps.
double Rel(double a, double b) { return RelativeDifference(a, b); }

TEST(AllLength, TableIsCategoryZero)
{
    for (int u = 0; u < ROWS; ++u)   // the very rows of this table
        EXPECT_EQ(UnitName(CATEGORY_ALL_LENGTH, u), AllLengthUnits[u].name) << u;
    EXPECT_EQ(UnitCount(CATEGORY_ALL_LENGTH), ROWS);
    EXPECT_STREQ(CategoryName(CATEGORY_ALL_LENGTH), "All Length & Distance");
}

TEST(AllLength, StatedRowsAreBitExact)
{
    struct Row { int index; const char* name; double factor; };
    const Row rows[] = {
        { 174, "meter", 1.0 },                                    // base unit
        { 175, "metre", 1.0 },                                    // base unit, second name
        { 4, "angstrom", 1e-10 },
        { 11, "astronomical unit", 149597870691.0 },
        { 33, "centimeter", 0.01 },
        { 52, "decimeter", 0.1 },
        { 58, "douzi\xE8me [watchmaking]", 0.000188 },
        { 59, "douzi\xE8me [print]", 0.00017638888889 },
        { 75, "fathom", 1.8288000000000002 },                     // 6 * 0.3048 in double, not 1.8288
        { 81, "feet [international, U.S.]", 0.3048 },
        { 85, "feet [survey]", 0.3048006096012192 },
        { 94, "foot [international, U.S.]", 0.3048 },
        { 98, "foot [survey]", 0.3048006096012192 },
        { 106, "gigaparsec", 3.085678e+25 },                      // largest factor
        { 125, "kiloparsec", 3.0856776e+19 },
        { 170, "megaparsec", 3.0856776e+22 },
        { 119, "inch [international, U.S.]", 0.025400000000000002 },  // 0.3048 / 12, not 0.0254
        { 124, "kilometer", 1000.0 },
        { 136, "league [nautical]", 5556.0 },
        { 156, "light year [Julian]", 9460730472580800.0 },
        { 179, "micrometer", 1e-06 },
        { 190, "mile [international]", 1609.344 },
        { 191, "mile [nautical, international]", 1852.0 },
        { 197, "mile [survey, US]", 1609.3472186944373 },
        { 204, "millimeter", 0.001 },
        { 222, "parsec", 3.0856774878504976e+16 },
        { 259, "Tivok", 0.025 },
        { 308, "yard", 0.9144 },
        { 309, "yoctometer", 1e-24 },                             // smallest factor
    };
    for (const Row& r : rows) {
        EXPECT_STREQ(AllLengthUnits[r.index].name, r.name) << "index " << r.index;
        EXPECT_EQ(AllLengthUnits[r.index].factor, r.factor) << r.name;
    }
}

TEST(AllLength, OrderAndNamesAtFixedIndexes)
{
    EXPECT_STREQ(AllLengthUnits[0].name, "agate [Adobe]");
    EXPECT_STREQ(AllLengthUnits[26].name, "cable [U.S.]");             // before "[British]"
    EXPECT_STREQ(AllLengthUnits[27].name, "cable [British]");
    EXPECT_STREQ(AllLengthUnits[132].name, "lap [old]");               // before "[competition]"
    EXPECT_STREQ(AllLengthUnits[152].name, "light second");            // light-time units by size
    EXPECT_STREQ(AllLengthUnits[155].name, "light day");
    EXPECT_STREQ(AllLengthUnits[164].name, "link [Ramden, engineer]"); // spelling as shipped
    EXPECT_STREQ(AllLengthUnits[259].name, "Tivok");
    EXPECT_STREQ(AllLengthUnits[291].name, "t'sun");
    EXPECT_STREQ(AllLengthUnits[314].name, "zoll [Switzerland]");
}

TEST(AllLength, DouziemeNamesCarryWindows1252Byte)
{
    // The accented letter is the single byte 0xE8, never a UTF-8 pair.
    for (int i : { 58, 59 }) {
        const unsigned char* name = reinterpret_cast<const unsigned char*>(AllLengthUnits[i].name);
        EXPECT_EQ(name[5], 0xE8) << i;
        EXPECT_EQ(name[6], 'm') << i;
    }
    EXPECT_EQ(std::strlen(AllLengthUnits[58].name), std::strlen("douzieme [watchmaking]"));
    // No other row has a byte above 0x7F.
    for (int i = 0; i < ROWS; ++i) {
        if (i == 58 || i == 59) continue;
        for (const char* p = AllLengthUnits[i].name; *p; ++p)
            EXPECT_LT(static_cast<unsigned char>(*p), 0x80) << AllLengthUnits[i].name;
    }
}

TEST(AllLength, EdgeCases)
{
    const double meter = AllLengthUnits[174].factor, metre = AllLengthUnits[175].factor;
    EXPECT_EQ(ConvertByFactors(123.456, meter, metre), 123.456);   // synonyms: value unchanged
    EXPECT_EQ(ConvertByFactors(123.456, metre, meter), 123.456);
    // The widest ratio of the category is an ordinary finite double.
    double y = ConvertByFactors(1.0, AllLengthUnits[106].factor, AllLengthUnits[309].factor);
    EXPECT_EQ(y, 3.085678e+49);
    EXPECT_TRUE(std::isfinite(y));
    for (int i = 0; i < ROWS; ++i) {
        EXPECT_LE(AllLengthUnits[i].factor, AllLengthUnits[106].factor) << AllLengthUnits[i].name;
        EXPECT_GE(AllLengthUnits[i].factor, AllLengthUnits[309].factor) << AllLengthUnits[i].name;
    }
}

TEST(AllLength, SynonymGroupsShareOneFactor)
{
    // feet [...] rows 79-85 and foot [...] rows 92-98 list the same seven regions.
    for (int k = 0; k < 7; ++k) {
        std::string feet = AllLengthUnits[79 + k].name, foot = AllLengthUnits[92 + k].name;
        EXPECT_EQ(feet.substr(4), foot.substr(4));
        EXPECT_EQ(AllLengthUnits[79 + k].factor, AllLengthUnits[92 + k].factor) << foot;
    }
    for (int k = 0; k < 3; ++k)                                     // block / city block
        EXPECT_EQ(AllLengthUnits[17 + k].factor, AllLengthUnits[41 + k].factor) << k;
    EXPECT_EQ(F("click [U.S. military]"), F("klick"));
    EXPECT_EQ(F("klick"), F("kilometer"));
    EXPECT_EQ(F("verst"), F("werst"));
    EXPECT_EQ(F("em"), F("pica"));
    EXPECT_EQ(F("kyu"), F("Q"));
    EXPECT_EQ(F("Q"), F("quarter [print]"));
    EXPECT_EQ(F("range"), F("township"));
    EXPECT_EQ(F("angstrom"), F("tenthmeter"));
    EXPECT_EQ(F("caliber"), F("inch [international, U.S.]"));
    EXPECT_EQ(F("micrometer"), F("micron"));
    EXPECT_EQ(F("mile [international]"), F("mile [statute]"));
    EXPECT_EQ(F("mile [nautical, international]"), F("mile [nautical, US]"));
    EXPECT_EQ(F("mile [nautical, international]"), F("seemeile"));
    EXPECT_EQ(F("meter"), F("metre"));
}

TEST(AllLength, MetricPrefixesFollowTheRule)
{
    struct Prefix { const char* name; double power; };
    const Prefix rows[] = {
        { "yoctometer", 1e-24 }, { "zeptometer", 1e-21 }, { "attometer", 1e-18 },
        { "femtometer", 1e-15 }, { "picometer", 1e-12 }, { "nanometer", 1e-9 },
        { "micrometer", 1e-6 }, { "millimeter", 1e-3 }, { "centimeter", 1e-2 },
        { "decimeter", 1e-1 }, { "dekameter", 1e1 }, { "hectometer", 1e2 },
        { "kilometer", 1e3 }, { "myriameter", 1e4 }, { "megameter", 1e6 },
        { "gigameter", 1e9 }, { "terameter", 1e12 }, { "petameter", 1e15 },
        { "exameter", 1e18 }, { "zettameter", 1e21 }, { "yottameter", 1e24 },
    };
    for (const Prefix& p : rows)
        EXPECT_EQ(F(p.name), p.power * F("meter")) << p.name;
    // Prefixes on other rows of the table, within an ulp or two of the rule.
    EXPECT_LT(Rel(F("kilofoot"), 1e3 * F("foot [international, U.S.]")), 1e-15);
    EXPECT_LT(Rel(F("kiloyard"), 1e3 * F("yard")), 1e-15);
    EXPECT_LT(Rel(F("microinch"), 1e-6 * F("inch [international, U.S.]")), 1e-15);
    EXPECT_LT(Rel(F("micromicron"), 1e-6 * F("micron")), 1e-15);
    EXPECT_LT(Rel(F("millimicron"), 1e-3 * F("micron")), 1e-15);
    EXPECT_EQ(F("bicron"), F("picometer"));
    EXPECT_EQ(F("fermi"), F("femtometer"));
    EXPECT_EQ(F("nanon"), F("nanometer"));
}

TEST(AllLength, ParsecMultiplesAreStoredShort)
{
    // The exception to the prefix rule: close to 1e3, 1e6, 1e9 parsecs but
    // stored with fewer digits, so not equal to the product.
    const double pc = F("parsec");
    EXPECT_LT(Rel(F("kiloparsec"), 1e3 * pc), 1e-7);
    EXPECT_LT(Rel(F("megaparsec"), 1e6 * pc), 1e-7);
    EXPECT_LT(Rel(F("gigaparsec"), 1e9 * pc), 1e-6);
    EXPECT_NE(F("kiloparsec"), 1e3 * pc);
}

TEST(AllLength, NamesSharedWithOtherLengthTablesAgree)
{
    // Stated values of the complete length tables (categories 4, 10 and 24).
    EXPECT_EQ(F("microinch"), 2.54e-08);
    EXPECT_EQ(F("light second"), 299792458.0);
    EXPECT_EQ(F("light minute"), 17987547480.0);
    EXPECT_EQ(F("light hour"), 1079252848800.0);
    EXPECT_EQ(F("light day"), 25902068371200.0);
    EXPECT_EQ(F("light year [tropical]"), 9460528404879358.0);
    EXPECT_EQ(F("light year [traditional]"), 9454254955488000.0);
    EXPECT_EQ(F("exameter"), 1e+18);
    EXPECT_EQ(F("dekameter"), 10.0);
    // And the live tables, for every name they share with this one.
    for (int c : { CATEGORY_COMMON_LENGTH, CATEGORY_ASTRONOMICAL, CATEGORY_METRIC_LENGTH }) {
        for (int u = 0; u < UnitCount(c); ++u) {
            int i = UnitIndex(CATEGORY_ALL_LENGTH, UnitName(c, u));
            if (i < 0) continue;
            EXPECT_EQ(AllLengthUnits[i].factor, UnitFactor(c, u)) << CategoryName(c) << ": " << UnitName(c, u);
        }
    }
}

TEST(AllLength, DerivedRowsMatchTheirAnchors)
{
    const double in = F("inch [international, U.S.]"), ft = F("foot [international, U.S.]");
    const double sft = F("foot [survey]"), smi = F("mile [survey, US]");
    // US survey units hang on the survey foot, 1200/3937 m.
    EXPECT_LT(Rel(F("chain [Gunter, survey]"), 66 * sft), 1e-15);
    EXPECT_LT(Rel(F("link [Gunter, survey]"), 0.66 * sft), 1e-15);
    EXPECT_LT(Rel(F("rod [survey]"), 16.5 * sft), 1e-15);
    EXPECT_LT(Rel(F("furlong [survey]"), 660 * sft), 1e-15);
    EXPECT_LT(Rel(F("league [US statute]"), 3 * smi), 1e-15);
    EXPECT_LT(Rel(F("township"), 6 * smi), 1e-15);
    // International units hang on the international foot.
    EXPECT_LT(Rel(F("chain [Ramsden, engineer]"), 100 * ft), 1e-15);
    EXPECT_LT(Rel(F("rod [international]"), 16.5 * ft), 1e-15);
    EXPECT_LT(Rel(F("furlong [international]"), 660 * ft), 1e-15);
    EXPECT_LT(Rel(F("league [UK]"), 3 * F("mile [international]")), 1e-15);
    EXPECT_LT(Rel(F("mil"), in / 1000), 1e-15);
    EXPECT_EQ(F("mil"), F("thou"));
    EXPECT_EQ(F("pole"), F("perch"));
    EXPECT_EQ(F("perch"), F("rod [international]"));
    // Nautical.
    EXPECT_LT(Rel(F("cable [British]"), F("mile [nautical, UK]") / 10), 1e-15);
    EXPECT_LT(Rel(F("league [UK nautical]"), 3 * F("mile [nautical, UK]")), 1e-15);
    EXPECT_LT(Rel(F("league [nautical]"), 3 * F("mile [nautical, international]")), 1e-15);
    EXPECT_LT(Rel(F("lieue [France, nautical]"), F("league [nautical]")), 1e-15);
    EXPECT_LT(Rel(F("shackle"), 15 * F("fathom")), 1e-15);
    EXPECT_LT(Rel(F("mark twain"), 2 * F("fathom")), 1e-15);
    EXPECT_EQ(F("twain"), F("mark twain"));
    // Light-time.
    EXPECT_EQ(F("light minute"), 60 * F("light second"));
    EXPECT_EQ(F("light hour"), 60 * F("light minute"));
    EXPECT_EQ(F("light day"), 24 * F("light hour"));
    EXPECT_EQ(F("light year [Julian]"), 365.25 * F("light day"));
    EXPECT_EQ(F("light year [traditional]"), 365 * F("light day"));
    EXPECT_LT(Rel(F("hubble"), 1e9 * F("light year [Julian]")), 1e-15);
    EXPECT_LT(Rel(F("siriometer"), 1e6 * F("astronomical unit")), 1e-15);
    // Vara families: braza 2 varas, pie 1/3, palmo 1/4, legua 5000.
    struct Vara { const char* vara; const char* braza; const char* pie; const char* palmo; };
    const Vara families[] = {
        { "vara [Spanish]", "braza [Spain]", "pie [Spanish]", "palmo [Spanish]" },
        { "vara [Texas]", "braza [Texas]", "pie [Texas]", "palmo [Texas]" },
    };
    for (const Vara& v : families) {
        EXPECT_LT(Rel(F(v.braza), 2 * F(v.vara)), 1e-15) << v.vara;
        EXPECT_LT(Rel(F(v.pie), F(v.vara) / 3), 1e-15) << v.vara;
        EXPECT_LT(Rel(F(v.palmo), F(v.vara) / 4), 1e-15) << v.vara;
    }
    EXPECT_LT(Rel(F("legua [Texas]"), 5000 * F("vara [Texas]")), 1e-15);
    EXPECT_LT(Rel(F("legua [Spanish, pre-1568]"), 5000 * F("vara [Spanish]")), 1e-15);
    EXPECT_LT(Rel(F("braza [Argentina]"), 2 * F("vara [South America]")), 1e-15);
    EXPECT_LT(Rel(F("cuadra [Argentina]"), 150 * F("vara [South America]")), 1e-15);
    // French royal measure.
    const double pied = F("pied de roi");
    EXPECT_EQ(F("Paris foot"), pied);
    EXPECT_EQ(F("foot [France]"), pied);
    EXPECT_LT(Rel(F("toise"), 6 * pied), 1e-15);
    EXPECT_LT(Rel(F("pouce"), pied / 12), 1e-15);
    EXPECT_LT(Rel(F("ligne [France]"), pied / 144), 1e-15);
    EXPECT_LT(Rel(F("mille [French]"), 6000 * pied), 1e-15);
    EXPECT_LT(Rel(F("arpent [France]"), 220 * pied), 1e-15);
    // The Quebec foot is the French foot as Canadian law fixed it (12.789 in),
    // a few parts per million longer than the pied de roi.
    EXPECT_LT(Rel(F("arpent [Canada]"), 180 * F("feet [pre-1963 Canada]")), 1e-15);
    EXPECT_LT(Rel(F("feet [pre-1963 Canada]"), pied), 1e-5);
    // Welsh measures of the laws of Hywel: 3 leaps in a ridge.
    EXPECT_LT(Rel(F("ridge"), 3 * F("leap")), 1e-15);
    // Portuguese route measures: the estadio is 1/24 of the legoa of 18 to the
    // degree; the geographic milha is a third of the shorter league of 20.
    EXPECT_LT(Rel(F("estadio [Portugal]"), F("legoa") / 24), 1e-15);
    EXPECT_LT(Rel(3 * F("milha [Portuguese]"), 1e7 / 1800), 1e-15);
    // Scots, Cape, Japanese, Chinese and Russian families.
    EXPECT_LT(Rel(F("ell [Scotland]"), 37.0 / 12 * F("Scots foot")), 1e-15);
    EXPECT_LT(Rel(F("fall [Scotland]"), 6 * F("ell [Scotland]")), 1e-15);
    EXPECT_EQ(F("Scots mile"), F("mile [Scottish]"));
    EXPECT_LT(Rel(F("cape rood"), 12 * F("cape foot")), 1e-15);
    EXPECT_LT(Rel(F("cape inch"), F("cape foot") / 12), 1e-15);
    EXPECT_LT(Rel(F("ken [Japan]"), 6 * F("shaku [Japan]")), 1e-15);
    EXPECT_LT(Rel(F("ri [Japan]"), 12960 * F("shaku [Japan]")), 1e-15);
    EXPECT_LT(Rel(F("li [modern China]"), 1500 * F("chinese foot")), 1e-15);
    EXPECT_EQ(F("chinese mile"), F("li [modern China]"));
    EXPECT_LT(Rel(F("chinese inch"), F("chinese foot") / 10), 1e-15);
    EXPECT_LT(Rel(F("chinese yard"), 10 * F("chinese foot")), 1e-15);
    // The treaty (customs) measures: ch'ih of 14.1 in, li of 1800 ch'ih.
    EXPECT_LT(Rel(F("t'sun"), F("ch'ih [China]") / 10), 1e-15);
    EXPECT_LT(Rel(F("pu [China]"), 5 * F("ch'ih [China]")), 1e-15);
    EXPECT_LT(Rel(F("li [imperial China]"), 1800 * F("ch'ih [China]")), 1e-15);
    EXPECT_LT(Rel(F("tu"), 250 * F("li [imperial China]")), 1e-15);
    EXPECT_LT(Rel(F("sagene"), 3 * F("arsheen [Russia]")), 1e-15);
    EXPECT_LT(Rel(F("verst"), 500 * F("sagene")), 1e-15);
    EXPECT_LT(Rel(F("vershok"), F("arsheen [Russia]") / 16), 1e-15);
    EXPECT_LT(Rel(F("meile [Austria]"), 4000 * F("klafter [Austria]")), 1e-15);
    EXPECT_EQ(F("hvat [Croatia]"), F("klafter [Austria]"));
    EXPECT_LT(Rel(F("zoll [Germany]"), F("fuss [German]") / 12), 1e-15);
    EXPECT_LT(Rel(F("foot [Egypt]"), F("diraa [Egypt]") / 2), 1e-15);   // kadam = 1/2 dirra
    EXPECT_LT(Rel(F("kerat"), F("diraa [Egypt]") / 24), 1e-15);         // kirat = 1/24 dirra
    EXPECT_LT(Rel(F("mile [Roman, ancient]"), 5000 * F("pes")), 1e-15);
    EXPECT_LT(Rel(F("pace [Roman]"), 5 * F("pes")), 1e-15);
    // Printing: points and their multiples.
    EXPECT_LT(Rel(F("agate [Adobe]"), 5.5 * F("point [Adobe]")), 1e-15);
    EXPECT_LT(Rel(F("twip"), F("point [Adobe]") / 20), 1e-15);
    EXPECT_LT(Rel(F("pica"), 12 * F("point [Adobe]")), 1e-15);
    EXPECT_EQ(F("didot point"), F("point [Didot]"));
}

TEST(AllLength, ResearchedRowsMatchIndependentValues)
{
    // Values from NIST SP 811 / Handbook 44, CODATA, and the legal definitions
    // of the historical units, written out here independently of the table.
    struct Known { const char* name; double meters; double tolerance; };
    const Known rows[] = {
        { "chain [Gunter, survey]", 20.11684023368047, 1e-15 },
        { "chain [Ramsden, engineer]", 30.48, 1e-15 },
        { "furlong [international]", 201.168, 1e-15 },
        { "rod [international]", 5.0292, 1e-15 },
        { "mile [nautical, UK]", 1853.184, 1e-15 },
        { "cable [U.S.]", 219.456, 1e-15 },
        { "league [UK]", 4828.032, 1e-15 },
        { "league [US statute]", 4828.041656083312, 1e-15 },
        { "marathon", 42195.0, 0 },
        { "smoot", 1.7018, 1e-15 },
        { "football field [U.S.]", 91.44, 1e-15 },
        { "U", 0.04445, 1e-15 },
        { "twip", 1.7638888888888888e-05, 1e-15 },
        { "point [Adobe]", 0.00035277777777777776, 1e-15 },
        { "point [TeX]", 0.00035145980351459805, 1e-15 },
        { "point [Britain, US]", 0.0003514598, 1e-15 },
        { "didot point", 0.000376065, 1e-15 },
        { "bohr", 5.29177210544e-11, 1e-10 },                   // CODATA 2022
        { "X unit", 1.00207697e-13, 1e-7 },
        { "pied de roi", 0.324839385, 1e-9 },                     // 144/443.296 m, law of 1799
        { "toise", 1.94903631, 1e-8 },
        { "klafter [Austria]", 1.89648384, 1e-15 },
        { "verst", 1066.8, 1e-15 },                              // 3500 ft
        { "arsheen [Russia]", 0.7112, 1e-15 },                   // 28 in
        { "shaku [Japan]", 0.30303030303030304, 1e-15 },         // 10/33 m
        { "ri [Japan]", 3927.2727272727275, 1e-15 },
        { "mile [Irish]", 2048.256, 1e-15 },                     // 2240 yd
        { "mile [Scottish]", 1814.2, 1e-4 },
        { "cape foot", 0.3148584, 1e-15 },                       // 1.033 ft
        { "wah [Thailand]", 2.0, 0 },
        { "mil [Sweden]", 10000.0, 0 },
        { "lieue [France, metric]", 4000.0, 0 },
        { "metric mile", 1500.0, 0 },
        { "quadrant", 1e7, 0 },
        { "vara [Texas]", 0.8466666666666667, 1e-15 },           // 33 1/3 in
        { "vara [California]", 0.8382, 1e-15 },                  // 33 in
        { "alen [Swedish]", 0.5938, 1e-4 },
        { "meile [North Germany]", 7500.0, 0 },                  // North German Confederation, 1868
        { "miil (mijl) [Denmark]", 7532.4, 1e-15 },              // 24000 Danish fod of 0.31385 m
        { "feet [pre-1963 Canada]", 0.3248406, 1e-15 },          // 12.789 in, Canadian statute
        { "arpent [Canada]", 58.471308, 1e-15 },                 // 180 French feet of 12.789 in
        { "verge", 0.9144, 0 },                                  // the yard in Canadian French
        { "milha [Portuguese]", 1851.852, 1e-6 },                // 1/3 league of 20 to the degree
        { "legoa", 6173.0, 0 },                                  // league of 18 to the degree
        { "faust [Hungary]", 0.1053602, 1e-6 },                  // Austrian law of 1871
        { "alen [Scandinavia]", 0.62748, 1e-15 },                // Norway, 1824
        { "li [imperial China]", 644.652, 1e-15 },               // 2115 ft
        { "fall [English]", 5.0292, 1e-15 },                     // 1/40 furlong
    };
    for (const Known& k : rows) {
        if (k.tolerance == 0) {
            EXPECT_EQ(F(k.name), k.meters) << k.name;
            continue;
        }
        EXPECT_LT(Rel(F(k.name), k.meters), k.tolerance) << k.name << " = " << F(k.name);
    }
}

} // namespace
