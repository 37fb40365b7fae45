// The "All Weight & Mass" table: its given rows, the rows that must share a
// factor, the unit systems it mixes (avoirdupois, troy, apothecaries', SI
// prefixes, regional systems) and sizes known from standards.
#include "catalogue/tables.h"
#include "table_lookup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

namespace {

int IndexOf(const char* name) { return UnitIndex(CATEGORY_ALL_MASS, name); }
double Kg(const char* name) { return UnitFactor(CATEGORY_ALL_MASS, name); }
double Convert(double value, const char* from, const char* to) { return ConvertUnits(CATEGORY_ALL_MASS, value, from, to); }

TEST(AllMass, GivenRowsAreTheGivenDoublesAtTheirIndexes)
{
    const struct { int index; const char* name; double factor; } given[] = {
        { 78, "kilogram", 1.0 },
        { 79, "kilogram-force", 1.0 },
        { 95, "libra [metric]", 1.0 },
        { 165, "seer [Pakistan]", 1.0 },
        { 15, "carat [international]", 0.0002 },
        { 45, "dyne", 1.01971621e-06 },
        { 47, "electronvolt", 1.782662e-36 },
        { 62, "grain", 6.479891e-05 },
        { 63, "gram", 0.001 },
        { 72, "jupiter", 1.899e+27 },
        { 90, "lb, lbs", 0.45359237 },
        { 97, "long ton", 1016.0469088000001 },
        { 111, "metric ton", 1000.0 },
        { 122, "Newton", 0.101971621 },
        { 127, "on\xE7" "a [Portuguese]", 0.02869 },
        { 132, "ounce", 0.028349523125 },
        { 134, "ounce [troy]", 0.0311034768 },
        { 142, "pound", 0.45359237 },
        { 143, "pound-force", 0.45359237 },
        { 145, "pound [troy]", 0.3732417216 },
        { 160, "Tivok", 0.01 },
        { 167, "short ton", 907.18474 },
        { 170, "stone", 6.35029318 },
        { 175, "technische mass einheit (TME)", 9.80665 },
    };
    for (const auto& row : given) {
        EXPECT_STREQ(AllMassUnits[row.index].name, row.name) << "index " << row.index;
        EXPECT_EQ(AllMassUnits[row.index].factor, row.factor) << row.name;
    }
}

TEST(AllMass, StoredOrderAtItsIrregularPlaces)
{
    EXPECT_STREQ(AllMassUnits[0].name, "arratel, artel [Arab]");
    EXPECT_STREQ(AllMassUnits[17].name, "carat [UK]");           // before "carat [pre-1913 US]"
    EXPECT_STREQ(AllMassUnits[18].name, "carat [pre-1913 US]");
    EXPECT_STREQ(AllMassUnits[133].name, "ounce-force");         // before "ounce [troy]"
    EXPECT_STREQ(AllMassUnits[152].name, "quarter (ton) [US]");
    EXPECT_STREQ(AllMassUnits[161].name, "rotl, rotel, rottle, ratel [Arab]");  // after "Tivok"
    EXPECT_STREQ(AllMassUnits[200].name, "zettagram");
}

TEST(AllMass, OncaIsTheOnlyNonAsciiNameAndCarriesTheWindows1252Cedilla)
{
    int nonAscii = 0;
    for (const UnitEntry& row : AllMassUnits)
        for (const char* p = row.name; *p; ++p)
            if (static_cast<unsigned char>(*p) >= 0x80) ++nonAscii;
    EXPECT_EQ(nonAscii, 1);
    EXPECT_EQ(static_cast<unsigned char>(AllMassUnits[127].name[2]), 0xE7);  // not UTF-8 C3 A7
    EXPECT_EQ(std::strlen(AllMassUnits[127].name), std::strlen("onca [Portuguese]"));
}

TEST(AllMass, RowsThatShareAFactor)
{
    const char* groups[][5] = {
        { "carat [international]", "carat [metric]" },
        { "lb, lbs", "pound", "pound-force" },
        { "long ton", "ton [long, UK]" },
        { "metric ton", "megagram", "millier", "ton [metric]", "tonne" },
        { "ounce", "ounce-force" },
        { "ounce [troy]", "troy ounce" },
        { "pound [troy]", "troy pound" },
        { "Tivok", "dekagram" },
        { "short ton", "ton [short, US]" },
        { "technische mass einheit (TME)", "hyl" },
        { "microgram", "gamma", "mic" },           // three names for 1e-9 kg
        { "millidalton", "millimass unit" },
    };
    for (const auto& group : groups)
        for (int i = 1; i < 5 && group[i]; ++i)
            EXPECT_EQ(Kg(group[i]), Kg(group[0])) << group[i] << " vs " << group[0];
}

TEST(AllMass, FactorOneOnlyOnTheFourBaseRowsSoTheyConvertUnchanged)
{
    const char* base[] = { "kilogram", "kilogram-force", "libra [metric]", "seer [Pakistan]" };
    for (const char* from : base)
        for (const char* to : base)
            EXPECT_EQ(Convert(3.75, from, to), 3.75) << from << " -> " << to;
}

TEST(AllMass, EdgeCasesOfTheTable)
{
    EXPECT_EQ(Convert(1, "pound", "ounce"), 16.0);
    EXPECT_EQ(Convert(1, "pound", "gram"), 453.59237);
    // the widest ratio: about 1.07e+63 electronvolt in one jupiter
    EXPECT_TRUE(WithinRelative(Convert(1, "jupiter", "electronvolt"), 1.0652e+63, 1e-3));
    double smallest = AllMassUnits[0].factor, largest = AllMassUnits[0].factor;
    for (const UnitEntry& row : AllMassUnits) {
        smallest = std::fmin(smallest, row.factor);
        largest = std::fmax(largest, row.factor);
    }
    EXPECT_EQ(smallest, Kg("electronvolt"));
    EXPECT_EQ(largest, Kg("jupiter"));
}

// A name this table shares with "Common Weight" or "Metric Mass" is the same unit there.
TEST(AllMass, NamesSharedWithTheSmallMassTablesCarryTheSameFactor)
{
    int shared = 0;
    for (const UnitEntry& row : CommonWeightUnits)
        if (IndexOf(row.name) >= 0) {
            EXPECT_EQ(Kg(row.name), row.factor) << row.name;
            ++shared;
        }
    for (const UnitEntry& row : MetricMassUnits)
        if (IndexOf(row.name) >= 0) {
            EXPECT_EQ(Kg(row.name), row.factor) << row.name;
            ++shared;
        }
    EXPECT_EQ(shared, 55);  // every name of both tables is here
}

TEST(AllMass, SiPrefixesOfTheGramAndTheTonne)
{
    const struct { const char* name; double kg; } grams[] = {  // literals: MinGW's pow is not exact
        { "yoctogram", 1e-27 }, { "zeptogram", 1e-24 }, { "femtogram", 1e-18 }, { "picogram", 1e-15 },
        { "nanogram", 1e-12 }, { "microgram", 1e-9 }, { "milligram", 1e-6 }, { "centigram", 1e-5 },
        { "decigram", 1e-4 }, { "gram", 1e-3 }, { "dekagram", 1e-2 }, { "hectogram", 1e-1 },
        { "kilogram", 1e0 }, { "myriagram", 1e1 }, { "megagram", 1e3 }, { "gigagram", 1e6 },
        { "teragram", 1e9 }, { "petagram", 1e12 }, { "exagram", 1e15 }, { "zettagram", 1e18 },
        { "yottagram", 1e21 }, { "etto [Italy]", 1e-1 },
    };
    for (const auto& g : grams)
        EXPECT_EQ(Kg(g.name), g.kg) << g.name;
    EXPECT_EQ(Kg("decitonne"), 100.0);
    EXPECT_EQ(Kg("dekatonne"), 10000.0);
    EXPECT_EQ(Kg("kilotonne"), 1e6);
    EXPECT_EQ(Kg("megatonne"), 1e9);
    EXPECT_EQ(Kg("gigatonne"), 1e12);
    EXPECT_EQ(Kg("quintal [metric]"), 100.0);
}

TEST(AllMass, AvoirdupoisFamily)
{
    const double lb = 0.45359237;
    const struct { const char* name; double pounds; } rows[] = {
        { "grain", 1.0 / 7000 }, { "dram", 1.0 / 256 }, { "ounce", 1.0 / 16 },
        { "quartern", 3.5 }, { "quartern-loaf", 4 }, { "clove", 7 }, { "stone", 14 },
        { "quarter [UK]", 28 }, { "tod", 28 }, { "quarter [US]", 25 },
        { "firkin [butter, soap]", 56 }, { "truss", 56 }, { "fotmal [lead]", 70 },
        { "flask", 76 }, { "bag [portland cement]", 94 },
        { "cental", 100 }, { "hundredweight [short, US]", 100 }, { "keg [nails]", 100 },
        { "hundredweight [long, UK]", 112 }, { "sack [UK, wool]", 364 },
        { "bale [US]", 480 }, { "quarter (ton) [US]", 500 },
        { "short ton", 2000 }, { "long ton", 2240 }, { "last [US, wool]", 4368 },
        { "kip", 1000 },  // kilopound-force
        { "kiloton [short, US]", 2e6 }, { "kiloton [long, UK]", 2.24e6 },
    };
    for (const auto& row : rows)
        EXPECT_TRUE(WithinUlps(Kg(row.name), row.pounds * lb, 2)) << row.name;
}

TEST(AllMass, TroyAndApothecariesFamiliesBuiltOnTheGrain)
{
    const double grain = 64.79891e-6;
    EXPECT_TRUE(WithinUlps(Kg("pennyweight [troy]"), 24 * grain, 2));
    EXPECT_TRUE(WithinUlps(Kg("scruple [troy]"), 20 * grain, 2));
    EXPECT_TRUE(WithinUlps(Kg("dram [apothecaries]"), 60 * grain, 2));
    EXPECT_TRUE(WithinUlps(Kg("troy ounce"), 480 * grain, 2));
    EXPECT_TRUE(WithinUlps(Kg("troy pound"), 5760 * grain, 2));
    EXPECT_TRUE(WithinUlps(Kg("mercantile pound"), 6750 * grain, 2));
    EXPECT_TRUE(WithinUlps(Kg("mark [English]"), 8 * Kg("troy ounce"), 2));
    EXPECT_TRUE(WithinUlps(Kg("carat [UK]"), Kg("troy ounce") / 151.5, 2));
    EXPECT_TRUE(WithinUlps(Kg("point"), Kg("carat [metric]") / 100, 2));
}

// Force rows hold the mass that weighs that force under 9.80665 m/s^2.
TEST(AllMass, ForceRowsAndGravitationalMassUnits)
{
    const double gn = 9.80665, ft = 0.3048;
    EXPECT_TRUE(WithinUlps(Kg("dyne"), Kg("Newton") * 1e-5, 1));  // 1 N = 1e5 dyn
    EXPECT_TRUE(WithinRelative(Kg("Newton"), 1 / gn, 1e-8));
    EXPECT_EQ(Kg("hyl"), gn);                                     // kgf s^2/m
    EXPECT_TRUE(WithinUlps(Kg("slug"), 0.45359237 * gn / ft, 2));   // lbf s^2/ft
    EXPECT_TRUE(WithinUlps(Kg("slinch"), 12 * Kg("slug"), 2));      // lbf s^2/in
}

TEST(AllMass, AtomicAndElectronvoltRows)
{
    EXPECT_TRUE(WithinUlps(Kg("kilodalton"), 1e3 * Kg("dalton"), 1));
    EXPECT_TRUE(WithinUlps(Kg("megadalton"), 1e6 * Kg("dalton"), 1));
    EXPECT_TRUE(WithinUlps(Kg("millidalton"), 1e-3 * Kg("dalton"), 1));
    EXPECT_TRUE(WithinUlps(Kg("gigaelectronvolt"), 1e9 * Kg("electronvolt"), 1));
    EXPECT_TRUE(WithinUlps(Kg("avogram"), 1e-3 / 6.02214076e23, 1));  // 1 g / N_A
    // the successive recommended values of the atomic mass unit drift by parts in 1e5
    const char* amu[] = { "atomic mass unit [1960]", "atomic mass unit [1973]",
                          "atomic mass unit [1986]", "atomic mass unit [1998]", "dalton" };
    for (const char* name : amu)
        EXPECT_TRUE(WithinRelative(Kg(name), 1.66054e-27, 1e-4)) << name;
    // eV/c^2 with c = 299792458 m/s and e = 1.602176634e-19 C
    EXPECT_TRUE(WithinRelative(Kg("electronvolt"), 1.602176634e-19 / (299792458.0 * 299792458.0), 1e-6));
    EXPECT_TRUE(WithinRelative(Kg("electron"), 9.1093837e-31, 1e-7));
}

TEST(AllMass, RegionalSystemsHoldTogether)
{
    const struct { const char* unit; double count; const char* of; } rows[] = {
        // Russian
        { "pud, pood [Russia]", 40, "funt, funte [Russia]" },
        { "packen [Russia]", 30, "pud, pood [Russia]" },
        // Indian (Act of 1956) and Pakistani metric
        { "maund [India]", 40, "seer [India]" },
        { "seer [India]", 80, "tola [India]" },
        { "maund [Pakistan]", 40, "seer [Pakistan]" },
        { "tola [Pakistan]", 180, "grain" },  // gold is still sold by the 180-grain tola
        // Japanese
        { "kin [Japan]", 160, "momme [Japan]" },
        { "kwan [Japan]", 1000, "momme [Japan]" },
        { "tael, tahil [Japan]", 10, "momme [Japan]" },
        { "dan [Japan]", 100, "kin [Japan]" },
        // Chinese and Malay
        { "jin [China]", 10, "liang [China]" },
        { "liang [China]", 10, "qian [China]" },
        { "dan [China]", 100, "jin [China]" },
        { "catti [China]", 160, "mace [China]" },
        { "catti [China]", 16, "tahil [China]" },   // kati and tahil: one old system
        { "tahil [China]", 10, "mace [China]" },
        { "koyan [Malaysia]", 4000, "catti [China]" },
        // Portuguese, built on the given onca row
        { "arratel, artel [Arab]", 16, "on\xE7" "a [Portuguese]" },
        { "libra [Portugal, Spain]", 16, "on\xE7" "a [Portuguese]" },
        { "arroba [Portugal]", 32, "arratel, artel [Arab]" },
        { "quintal [Portugal]", 4, "arroba [Portugal]" },
        { "tonelada [Portugal]", 54, "arroba [Portugal]" },
        // Castilian
        { "quintal [Spanish]", 4, "arroba [Spain]" },
        { "tonelada [Spain]", 20, "quintal [Spanish]" },
        { "quintal [Spanish]", 1600, "onza [Spanish]" },
        { "marco [Spanish]", 8, "onza [Spanish]" },
        // French poids de marc
        { "livre [France]", 2, "marc [France]" },
        { "livre [France]", 16, "once [France]" },
        { "once [France]", 8, "gros" },
        { "gros", 3, "denier [France]" },
        { "gros", 1, "drachme" },
        { "quintal [French]", 100, "livre [France]" },
        { "tonneau [France]", 2000, "livre [France]" },
        // Roman, ancient and Papal
        { "libra [ancient Rome]", 12, "uncia [Rome]" },
        { "uncia [Rome]", 48, "obolus [Ancient Rome]" },
        { "libra [Italy]", 12, "oncia [Italy]" },
        { "oncia [Italy]", 24, "denaro [Italy]" },
        { "denaro [Italy]", 24, "grano, grani [Italy]" },
        // German (metric pound of 500 g, Cologne mark)
        { "pfund [Denmark, Germany]", 30, "lot [Germany]" },
        { "pfund [Denmark, Germany]", 16, "unze [Germany]" },
        { "centner [Germany]", 100, "pfund [Denmark, Germany]" },
        { "zentner [Germany]", 100, "pfund [Denmark, Germany]" },
        { "mark [German]", 288, "gran [Germany]" },
        // Arab and Ottoman
        { "qintar [Arab]", 100, "rotl, rotel, rottle, ratel [Arab]" },
        { "tovar [Bulgaria]", 100, "okka [Turkey]" },
        // Hebrew
        { "mina [Hebrew]", 50, "shekel [Hebrew]" },
        { "talent [Hebrew]", 3000, "shekel [Hebrew]" },
        { "shekel [Hebrew]", 4, "rebah" },  // reba', the quarter shekel
        // English coal and lead
        { "chalder, chaldron", 53, "hundredweight [long, UK]" },
        { "keel [coal]", 8, "chalder, chaldron" },
        { "fother [lead]", 30, "fotmal [lead]" },
        { "last [US, wool]", 12, "sack [UK, wool]" },
    };
    for (const auto& row : rows)
        EXPECT_TRUE(WithinUlps(Kg(row.unit), row.count * Kg(row.of), 4))
            << row.unit << " = " << row.count << " " << row.of;
    EXPECT_TRUE(WithinRelative(Kg("arratel, artel [Arab]"), 0.459, 1e-3));  // the arratel of 1499
}

// Sizes taken from references independent of this table's derivations.
TEST(AllMass, KnownSizes)
{
    EXPECT_TRUE(WithinRelative(Kg("troy ounce"), 31.1034768e-3, 1e-12));
    EXPECT_TRUE(WithinRelative(Kg("slug"), 14.59390, 1e-6));              // SP 811: 1.459390 E+01
    EXPECT_TRUE(WithinRelative(Kg("hundredweight [long, UK]"), 50.80235, 1e-6));
    EXPECT_TRUE(WithinRelative(Kg("catti [China]"), 0.6047898267, 1e-9));   // 1 1/3 lb, Hong Kong catty
    EXPECT_TRUE(WithinRelative(Kg("tahil [China]"), 0.037799364167, 1e-9));  // Hong Kong tael, 37.799 364 167 g
    EXPECT_TRUE(WithinRelative(Kg("pud, pood [Russia]"), 16.3807, 1e-5));
    EXPECT_TRUE(WithinRelative(Kg("maund [India]"), 37.3242, 1e-12));
    EXPECT_TRUE(WithinRelative(Kg("tola [India]"), 11.6638e-3, 1e-5));   // 180 grains
    EXPECT_EQ(Kg("kwan [Japan]"), 3.75);
    EXPECT_EQ(Kg("baht [Thailand]"), 0.015);
    EXPECT_EQ(Kg("crith"), 89.885e-6);                                  // 1 L of hydrogen at STP
}

}  // namespace
