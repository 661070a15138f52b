#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "allocation_counter.h"
#include "builtin_period.h"
#include "number_text.h"

// The catalogue of the built-in period, as periodos/2008-03.toml gives it.
namespace recibo {
namespace {

const std::vector<Position> &rows() { return builtInPeriod().positions; }
const Position *rowAt(int index) { return builtInPeriod().positionAt(index); }
std::optional<int> findByCode(std::string_view code) { return builtInPeriod().findPosition(code); }

// One row with its point counts read as numbers.
struct Points {
    int basic = 0;
    int complement = 0;
    int task = 0;
    int fullDay = 0;
    int extendedDay = 0;
};

int read16(std::string_view text)
{
    const std::optional<std::int16_t> value = readWhole16(text);
    EXPECT_TRUE(value.has_value()) << '"' << text << "\" is not a 16-bit whole number";
    return value.value_or(-1);
}

Points pointsOf(const Position &p)
{
    return {read16(p.basicPoints), read16(p.complementPoints), read16(p.taskPoints),
            read16(p.fullDayPoints), read16(p.extendedDayPoints)};
}

std::vector<Points> allPoints()
{
    std::vector<Points> result;
    for (const Position &p : rows())
        result.push_back(pointsOf(p));
    return result;
}

bool contains(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}

// ---------------------------------------------------------------------------------------------
// The rows whose seven columns are known exactly.

struct KnownRow {
    int row;  // 1-based
    const char *code;
    const char *name;
    const char *basic;
    const char *complement;
    const char *task;
    const char *fullDay;
    const char *extendedDay;
};

const KnownRow kKnownRows[] = {
    {1, "999", "Analista Princ Tec Doc", "3146", "0", "0", "0", "0"},
    {6, "703", "Asesores", "3429", "0", "0", "0", "0"},
    {7, "734", "Asistente Social", "1500", "101", "150", "0", "0"},
    {8, "928", "Asistente Social", "1500", "101", "150", "0", "0"},
    {20, "779", "CAPACITADORES CENTROS LABORALES   Mecl", "853", "779", "0", "0", "0"},
    {21, "822", "Celador Anexo Albergue", "971", "170", "0", "155", "0"},
    {25, "650", "Coordinador De Acciones No Formales", "1740", "70", "0", "0", "750"},
    {32, "808", "Director 1era Categor\xC3\xAD" "a Jornada Completa", "1942", "43", "0", "669", "0"},
    {33, "817", "Director 2da Anexo Albergue", "1782", "64", "0", "839", "0"},
    {38, "810", "Director 3era Categor\xC3\xAD" "a Jornada Completa", "1692", "76", "0", "663", "0"},
    {40, "811", "Director 4ta Categor\xC3\xAD" "a Jornada Completa", "1592", "89", "0", "657", "0"},
    {43, "672", "Director De 1era A/C De 2 Turnos Con P. De Jorn", "2000", "36", "0", "0", "300"},
    {44, "686", "Director De 1era Cat. A/C De 3 Turnos Con P. De Jorn.", "2000", "36", "0", "0",
     "600"},
    {45, "667", "Director De 1era Cat. Con Prolong. De Jorn.", "2000", "36", "0", "0", "830"},
    {61, "912", "Director Esc. Nivel Inicial 2da Categor\xC3\xAD" "a", "1782", "64", "17", "0", "0"},
    {100, "675", "Jefe Agropecuario 1era Cat. Con Prolong. De Jorn.", "1740", "70", "0", "0",
     "725"},
    {111, "662", "Jefe De Preceptores J. C. Agraria", "1690", "76", "0", "0", "708"},
    {115, "980", "Jefe Dpto. Educaci\xC3\xB3n F\xC3\xADsica", "574", "222", "0", "0", "0"},
    {116, "664", "Jefe Dpto. Educaci\xC3\xB3n F\xC3\xADsica (Transformado) 971 + 620", "971", "170",
     "0", "0", "620"},
    {131, "678", "Jefe Secci\xC3\xB3n Esc. Agrop. Con Prolong. De Jorn.", "1320", "124", "0", "0",
     "590"},
    {135, "655", "Jefe Taller Esc. T\xC3\xA9" "cnica 2da Categor\xC3\xAD" "a", "1550", "94", "0", "0",
     "200"},
    {136, "653", "Jefe Taller Esc. T\xC3\xA9" "cnica 3era Categor\xC3\xAD" "a", "1400", "114", "0", "0",
     "100"},
    {140, "771", "Maestro Auxiliar Escuela Diferenciada Jornada Completa", "971", "170", "0", "620",
     "0"},
    {153, "818", "Maestro De Grado Anexo Albergue", "971", "170", "0", "659", "0"},
    {210, "682", "Preceptor Ayudante Intern. 1era Cat. Con P. De Jorn. (Pas\xC3\xB3 A 684)", "1170",
     "144", "0", "0", "580"},
    {248, "715", "Secretario Docente Hogar Escuela", "1912", "47", "0", "0", "42"},
    {274, "710", "Supervisor De Ense\xC3\xB1" "anza Especial", "2913", "0", "20", "0", "0"},
    {296, "795", "Vicedirector Dpto. Aplicaci\xC3\xB3n De 2da Categor\xC3\xAD" "a ", "1450", "107", "0",
     "0", "0"},
};

void PrintTo(const KnownRow &known, std::ostream *os)
{
    *os << "row " << known.row << " (" << known.code << ')';
}

class KnownRowTest : public testing::TestWithParam<KnownRow> {};

TEST_P(KnownRowTest, HoldsAllSevenColumnsExactly)
{
    const KnownRow &known = GetParam();
    const Position *p = rowAt(known.row - 1);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->code, known.code);
    EXPECT_EQ(p->name, known.name);
    EXPECT_EQ(p->basicPoints, known.basic);
    EXPECT_EQ(p->complementPoints, known.complement);
    EXPECT_EQ(p->taskPoints, known.task);
    EXPECT_EQ(p->fullDayPoints, known.fullDay);
    EXPECT_EQ(p->extendedDayPoints, known.extendedDay);
}

TEST_P(KnownRowTest, IsFoundByItsCode)
{
    EXPECT_EQ(findByCode(GetParam().code), GetParam().row - 1);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, KnownRowTest, testing::ValuesIn(kKnownRows),
                         [](const testing::TestParamInfo<KnownRow> &info) {
                             return "Row" + std::to_string(info.param.row);
                         });

// ---------------------------------------------------------------------------------------------
// Names.

struct NameCase {
    const char *rule;
    int row;
    const char *name;
    std::size_t bytes;
};

void PrintTo(const NameCase &c, std::ostream *os)
{
    *os << "row " << c.row << ": " << c.rule;
}

class StoredNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(StoredNameTest, IsKeptCharacterForCharacter)
{
    const Position *p = rowAt(GetParam().row - 1);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->name, GetParam().name) << GetParam().rule;
    EXPECT_EQ(p->name.size(), GetParam().bytes) << GetParam().rule;
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, StoredNameTest,
    testing::Values(
        NameCase{"three blanks before Mecl", 20, "CAPACITADORES CENTROS LABORALES   Mecl", 38},
        NameCase{"the section sign as two UTF-8 bytes, 2 shifts", 92,
                 "Director/Rector 1\xC2\xA7 - 2 Turnos", 30},
        NameCase{"the section sign as two UTF-8 bytes, 3 shifts", 93,
                 "Director/Rector 1\xC2\xA7 - 3 Turnos", 30},
        NameCase{"a trailing blank", 296,
                 "Vicedirector Dpto. Aplicaci\xC3\xB3n De 2da Categor\xC3\xAD" "a ", 49},
        NameCase{"inner double quotes belong to the name", 86,
                 "Director Parque Escolar \"E. Berduc\"", 35},
        NameCase{"the degree sign", 42, "Director De 1\xC2\xB0 C.E.F.", 22},
        NameCase{"a capital with an accent", 87, "Director Personal \xC3\x9Anico", 24}));

TEST(CatalogueNames, TrailingBlankOnlyWhereItBelongs)
{
    const Position *p = rowAt(295);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->name.back(), ' ');
    EXPECT_NE(p->name[p->name.size() - 2], ' ');
    int withTrailingBlank = 0;
    int withLeadingBlank = 0;
    for (const Position &row : rows()) {
        withTrailingBlank += row.name.back() == ' ' ? 1 : 0;
        withLeadingBlank += row.name.front() == ' ' ? 1 : 0;
    }
    EXPECT_EQ(withTrailingBlank, 1);
    EXPECT_EQ(withLeadingBlank, 0);
}

TEST(CatalogueNames, QuotesAppearOnlyInRow86)
{
    for (std::size_t i = 0; i < rows().size(); ++i) {
        const std::size_t quotes =
            static_cast<std::size_t>(std::count(rows()[i].name.begin(), rows()[i].name.end(), '"'));
        EXPECT_EQ(quotes, i == 85 ? 2u : 0u) << "row " << i + 1;
    }
}

// The code points of a UTF-8 text, or nothing when the bytes are not well-formed UTF-8.
std::optional<std::vector<char32_t>> decodeUtf8(std::string_view text)
{
    std::vector<char32_t> result;
    for (std::size_t i = 0; i < text.size();) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        if (b0 < 0x80) {
            result.push_back(b0);
            ++i;
            continue;
        }
        if ((b0 & 0xE0) != 0xC0 || i + 1 >= text.size())
            return std::nullopt;  // only two-byte sequences can encode Windows-1252 letters here
        const auto b1 = static_cast<unsigned char>(text[i + 1]);
        if ((b1 & 0xC0) != 0x80)
            return std::nullopt;
        const char32_t cp = (char32_t(b0 & 0x1F) << 6) | char32_t(b1 & 0x3F);
        if (cp < 0x80)
            return std::nullopt;  // overlong
        result.push_back(cp);
        i += 2;
    }
    return result;
}

TEST(CatalogueNames, AreOneTo65PrintableWindows1252Characters)
{
    constexpr std::size_t kLongestName = 65;
    std::size_t longest = 0;
    for (std::size_t i = 0; i < rows().size(); ++i) {
        const std::optional<std::vector<char32_t>> chars = decodeUtf8(rows()[i].name);
        ASSERT_TRUE(chars.has_value()) << "row " << i + 1;
        EXPECT_GE(chars->size(), 1u) << "row " << i + 1;
        EXPECT_LE(chars->size(), kLongestName) << "row " << i + 1;
        longest = std::max(longest, chars->size());
        for (char32_t c : *chars) {
            // Printable ASCII or the Latin-1 half that Windows-1252 shares with Unicode.
            const bool printable = (c >= 0x20 && c <= 0x7E) || (c >= 0xA0 && c <= 0xFF);
            EXPECT_TRUE(printable) << "row " << i + 1 << " U+" << std::hex << unsigned(c);
        }
    }
    EXPECT_EQ(longest, kLongestName);  // row 210 is the longest name
}

TEST(CatalogueNames, Has297DistinctNames)
{
    std::set<std::string_view> names;
    for (const Position &p : rows())
        names.insert(p.name);
    EXPECT_EQ(names.size(), 297u);
}

TEST(CatalogueNames, RepeatedNamesKeepTheirOwnRows)
{
    struct Repeat {
        const char *code;
        int row;
    };
    for (const Repeat &r : {Repeat{"633", 14}, Repeat{"750", 15}, Repeat{"925", 16},
                            Repeat{"996", 17}}) {
        EXPECT_EQ(findByCode(r.code), r.row - 1);
        ASSERT_NE(rowAt(r.row - 1), nullptr);
        EXPECT_EQ(rowAt(r.row - 1)->name, "Bibliotecario");
    }
}

// Sorting key of one character: blanks and signs before digits before letters; letters without
// their accents and regardless of case.
std::pair<int, char32_t> collationKey(char32_t c)
{
    static const std::map<char32_t, char32_t> kPlainLetter = {
        {0xC1, 'a'}, {0xE1, 'a'}, {0xC9, 'e'}, {0xE9, 'e'}, {0xCD, 'i'}, {0xED, 'i'},
        {0xD3, 'o'}, {0xF3, 'o'}, {0xDA, 'u'}, {0xFA, 'u'}, {0xDC, 'u'}, {0xFC, 'u'},
        {0xD1, 'n'}, {0xF1, 'n'}};
    if (const auto it = kPlainLetter.find(c); it != kPlainLetter.end())
        return {2, it->second};
    if (c >= 'A' && c <= 'Z')
        return {2, c - 'A' + 'a'};
    if (c >= 'a' && c <= 'z')
        return {2, c};
    if (c >= '0' && c <= '9')
        return {1, c};
    return {0, c};
}

std::vector<std::pair<int, char32_t>> sortKey(std::string_view name)
{
    std::vector<std::pair<int, char32_t>> key;
    for (char32_t c : decodeUtf8(name).value_or(std::vector<char32_t>{}))
        key.push_back(collationKey(c));
    return key;
}

TEST(CatalogueOrder, NamesStandInDictionaryOrder)
{
    for (std::size_t i = 1; i < rows().size(); ++i) {
        EXPECT_TRUE(sortKey(rows()[i - 1].name) <= sortKey(rows()[i].name))
            << "rows " << i << " and " << i + 1 << ": \"" << rows()[i - 1].name << "\", \""
            << rows()[i].name << '"';
    }
}

TEST(CatalogueOrder, AccentedLettersSortWithTheirPlainLetters)
{
    const std::optional<int> degree = findByCode("648");  // Director De 1° C.E.F.
    const std::optional<int> firstClass = findByCode("672");  // Director De 1era A/C ...
    const std::optional<int> prison = findByCode("724");  // Director Escuela Cárcel
    const std::optional<int> choir = findByCode("730");  // Director Escuela Coral
    ASSERT_TRUE(degree && firstClass && prison && choir);
    EXPECT_LT(*degree, *firstClass);
    EXPECT_LT(*prison, *choir);
}

// ---------------------------------------------------------------------------------------------
// Lookup.

TEST(CatalogueLookup, RowAtCoversExactlyTheIndexes0To310)
{
    for (int i = 0; i < 311; ++i)
        EXPECT_EQ(rowAt(i), &rows()[static_cast<std::size_t>(i)]) << i;
    for (int outside : {-1, 311, 312, INT_MIN, INT_MAX})
        EXPECT_EQ(rowAt(outside), nullptr) << outside;
}

TEST(CatalogueLookup, EveryCodeFindsItsOwnRow)
{
    for (std::size_t i = 0; i < rows().size(); ++i)
        EXPECT_EQ(findByCode(rows()[i].code), static_cast<int>(i)) << rows()[i].code;
}

TEST(CatalogueLookup, SmallestAndLargestCodes)
{
    EXPECT_EQ(findByCode("600"), 109);
    ASSERT_NE(rowAt(109), nullptr);
    EXPECT_EQ(rowAt(109)->name, "Jefe De Preceptores De 2da Y 3ra Categor\xC3\xAD" "a");
    EXPECT_EQ(findByCode("999"), 0);
    ASSERT_NE(rowAt(0), nullptr);
    EXPECT_EQ(rowAt(0)->name, "Analista Princ Tec Doc");
}

TEST(CatalogueLookup, OnlyTheExactTextMatches)
{
    for (std::string_view code : {" 999", "999 ", "0645", "", "64", "6", "0", "000", "599",
                                  "1000", " 645", "64 5", "6450", "9999", "abc", "645\n"}) {
        EXPECT_EQ(findByCode(code), std::nullopt) << '"' << code << '"';
    }
}

TEST(CatalogueLookup, AllocatesNothing)
{
    const std::vector<Position> &all = rows();  // the period is built on first use
    const std::size_t before = test::allocationCount();
    int found = 0;
    for (const Position &p : all) {
        found += findByCode(p.code).has_value() ? 1 : 0;
        found += rowAt(found % 311) != nullptr ? 1 : 0;
    }
    found += findByCode(" 999").has_value() ? 1 : 0;
    const std::size_t after = test::allocationCount();
    EXPECT_EQ(found, 622);
    EXPECT_EQ(after, before);
}

TEST(CatalogueCodes, AreUniqueThreeDigitsFrom600To999)
{
    std::set<std::string_view> codes;
    for (const Position &p : rows()) {
        ASSERT_EQ(p.code.size(), 3u) << p.code;
        EXPECT_TRUE(std::all_of(p.code.begin(), p.code.end(),
                                [](char c) { return c >= '0' && c <= '9'; }))
            << p.code;
        const int value = read16(p.code);
        EXPECT_GE(value, 600) << p.code;
        EXPECT_LE(value, 999) << p.code;
        codes.insert(p.code);
    }
    EXPECT_EQ(codes.size(), 311u);
}

// ---------------------------------------------------------------------------------------------
// Point columns.

TEST(CataloguePoints, EveryTextReadsAsA16BitWholeNumberWrittenPlainly)
{
    for (std::size_t i = 0; i < rows().size(); ++i) {
        const Position &p = rows()[i];
        for (std::string_view text : {p.basicPoints, p.complementPoints, p.taskPoints,
                                      p.fullDayPoints, p.extendedDayPoints}) {
            const std::optional<std::int16_t> value = readWhole16(text);
            ASSERT_TRUE(value.has_value()) << "row " << i + 1 << ": \"" << text << '"';
            // No sign, no leading zeros, no blanks: the text is the plain decimal of its value.
            EXPECT_EQ(std::to_string(*value), text) << "row " << i + 1;
        }
    }
}

TEST(CataloguePoints, BasicPointsRange574To3429AndNeverZero)
{
    const std::vector<Points> points = allPoints();
    int lowest = INT_MAX;
    int highest = INT_MIN;
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_NE(points[i].basic, 0) << "row " << i + 1;
        lowest = std::min(lowest, points[i].basic);
        highest = std::max(highest, points[i].basic);
    }
    EXPECT_EQ(lowest, 574);
    EXPECT_EQ(highest, 3429);
}

TEST(CataloguePoints, ComplementRange0To779)
{
    const std::vector<Points> points = allPoints();
    int lowest = INT_MAX;
    int highest = INT_MIN;
    for (const Points &p : points) {
        lowest = std::min(lowest, p.complement);
        highest = std::max(highest, p.complement);
    }
    EXPECT_EQ(lowest, 0);
    EXPECT_EQ(highest, 779);
}

struct ValueSetCase {
    const char *column;
    int Points::*member;
    std::set<int> values;
    int nonZeroRows;
};

void PrintTo(const ValueSetCase &c, std::ostream *os)
{
    *os << c.column;
}

class ValueSetTest : public testing::TestWithParam<ValueSetCase> {};

TEST_P(ValueSetTest, TakesExactlyTheListedValues)
{
    std::set<int> seen;
    int nonZero = 0;
    const std::vector<Points> points = allPoints();
    for (std::size_t i = 0; i < points.size(); ++i) {
        const int value = points[i].*GetParam().member;
        EXPECT_TRUE(GetParam().values.count(value)) << "row " << i + 1 << ": " << value;
        seen.insert(value);
        nonZero += value != 0 ? 1 : 0;
    }
    EXPECT_EQ(seen, GetParam().values);
    EXPECT_EQ(nonZero, GetParam().nonZeroRows);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, ValueSetTest,
    testing::Values(
        ValueSetCase{"tareadif", &Points::task, {0, 17, 20, 150}, 51},
        ValueSetCase{"jorcompleta", &Points::fullDay, {0, 155, 620, 657, 659, 663, 669, 839}, 35},
        ValueSetCase{"proljornada",
                     &Points::extendedDay,
                     {0, 42, 100, 200, 300, 580, 590, 600, 620, 708, 725, 750, 830},
                     34}),
    [](const testing::TestParamInfo<ValueSetCase> &info) { return std::string(info.param.column); });

TEST(CataloguePoints, SupplementsExcludeEachOther)
{
    const std::vector<Points> points = allPoints();
    int withNone = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Points &p = points[i];
        EXPECT_FALSE(p.fullDay != 0 && p.extendedDay != 0) << "row " << i + 1;
        EXPECT_FALSE(p.task != 0 && (p.fullDay != 0 || p.extendedDay != 0)) << "row " << i + 1;
        withNone += (p.task == 0 && p.fullDay == 0 && p.extendedDay == 0) ? 1 : 0;
    }
    EXPECT_EQ(withNone, 191);
}

TEST(CataloguePoints, ComplementIsZeroExactlyFrom2288BasicPoints)
{
    constexpr int kNoComplementFrom = 2288;
    const std::vector<Points> points = allPoints();
    int zeroComplement = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(points[i].complement == 0, points[i].basic >= kNoComplementFrom)
            << "row " << i + 1 << ": " << points[i].basic << " / " << points[i].complement;
        zeroComplement += points[i].complement == 0 ? 1 : 0;
    }
    EXPECT_EQ(zeroComplement, 41);
}

TEST(CataloguePoints, EqualBasicPointsHaveEqualComplements)
{
    std::map<int, std::set<int>> complementsByBasic;
    for (const Points &p : allPoints())
        complementsByBasic[p.basic].insert(p.complement);
    for (const auto &[basic, complements] : complementsByBasic)
        EXPECT_EQ(complements.size(), 1u) << basic << " basic points";
}

TEST(CataloguePoints, MostFrequentPairIs971With170In71Rows)
{
    std::map<std::pair<int, int>, int> pairs;
    for (const Points &p : allPoints())
        ++pairs[{p.basic, p.complement}];
    const auto top = std::max_element(pairs.begin(), pairs.end(), [](const auto &a, const auto &b) {
        return a.second < b.second;
    });
    ASSERT_NE(top, pairs.end());
    EXPECT_EQ(top->first, std::make_pair(971, 170));
    EXPECT_EQ(top->second, 71);
    const std::size_t ties = static_cast<std::size_t>(
        std::count_if(pairs.begin(), pairs.end(), [&](const auto &e) { return e.second == 71; }));
    EXPECT_EQ(ties, 1u);
}

// The complement closes about 12.8 % of the gap between the basic points and 2288.
TEST(CataloguePoints, ComplementFollowsTheGapTo2288)
{
    constexpr int kGapEnd = 2288;
    constexpr int kPermille = 128;
    constexpr int kToleranceThousandths = 3000;  // the known rows stray by up to 2.6 points
    constexpr int kExceptionBasic = 853;         // the Mecl trainers' row keeps its own complement
    std::set<int> knownBasics;
    for (const KnownRow &k : kKnownRows)
        knownBasics.insert(read16(k.basic));

    const std::vector<Points> points = allPoints();
    int exactRows = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Points &p = points[i];
        if (p.basic >= kGapEnd || p.basic == kExceptionBasic)
            continue;
        const int gap = kGapEnd - p.basic;
        EXPECT_LE(std::abs(1000 * p.complement - kPermille * gap), kToleranceThousandths)
            << "row " << i + 1 << ": " << p.basic << " / " << p.complement;
        if (knownBasics.count(p.basic) == 0) {
            // gap * 0.128 rounded to the nearest whole; 0.128 = 16/125 never lands on a half
            const int rounded = (2 * kPermille * gap + 1000) / 2000;
            EXPECT_EQ(p.complement, rounded) << "row " << i + 1 << ": " << p.basic;
            ++exactRows;
        }
    }
    EXPECT_GT(exactRows, 0);
    EXPECT_EQ(std::count_if(points.begin(), points.end(),
                            [&](const Points &p) { return p.basic == kExceptionBasic; }),
              1);
}

// ---------------------------------------------------------------------------------------------
// Points against what the names say.

TEST(CatalogueByName, FullDayNamesCarryFullDayPoints)
{
    // Two full-day names are paid otherwise: the agrarian full-day head (row 133) draws
    // extended-day points like row 111, and row 175 differentiated-task points.
    const std::set<std::string_view> otherwise = {"691", "772"};
    int checked = 0;
    for (std::size_t i = 0; i < rows().size(); ++i) {
        const Position &p = rows()[i];
        const bool fullDayName = contains(p.name, "Jornada Completa")
                                 || contains(p.name, "Jorn. Completa")
                                 || contains(p.name, "J. Completa")
                                 || contains(p.name, "Anexo Albergue");
        if (!fullDayName)
            continue;
        ++checked;
        EXPECT_EQ(read16(p.fullDayPoints) != 0, otherwise.count(p.code) == 0)
            << "row " << i + 1 << ": " << p.name;
    }
    EXPECT_EQ(checked, 37);
}

TEST(CatalogueByName, ExtendedDayNamesCarryExtendedDayPoints)
{
    int checked = 0;
    for (std::size_t i = 0; i < rows().size(); ++i) {
        const Position &p = rows()[i];
        if (!(contains(p.name, "Con Prolong. De Jorn") || contains(p.name, "Con P. De Jorn")
              || contains(p.name, "Con Prol. De Jorn")))
            continue;
        ++checked;
        EXPECT_NE(read16(p.extendedDayPoints), 0) << "row " << i + 1 << ": " << p.name;
    }
    EXPECT_EQ(checked, 24);
    const std::optional<int> without = findByCode("835");  // ... Sin Prolongacion De Jornada
    ASSERT_TRUE(without.has_value());
    EXPECT_EQ(rows()[static_cast<std::size_t>(*without)].extendedDayPoints, "0");
}

TEST(CatalogueByName, EveryTeacherIs971Plus170)
{
    int teachers = 0;
    for (std::size_t i = 0; i < rows().size(); ++i) {
        const Position &p = rows()[i];
        if (!p.name.starts_with("Maestro "))
            continue;
        ++teachers;
        EXPECT_EQ(p.basicPoints, "971") << "row " << i + 1 << ": " << p.name;
        EXPECT_EQ(p.complementPoints, "170") << "row " << i + 1 << ": " << p.name;
    }
    EXPECT_EQ(teachers, 69);
}

// 1 for a first-category word, 2 for second and so on; 0 for a word that names no category.
int categoryOf(std::string_view word)
{
    static const std::map<std::string_view, int> kCategories = {
        {"1era", 1}, {"1ra", 1},     {"Primera", 1}, {"2da", 2},     {"Segunda", 2},
        {"3era", 3}, {"3ra", 3},     {"Tercera", 3}, {"4ta", 4},     {"Cuarta", 4}};
    const auto it = kCategories.find(word);
    return it == kCategories.end() ? 0 : it->second;
}

// The name with its one category word replaced by '#', and that category; {name, 0} when the
// name has no category word or more than one.
std::pair<std::string, int> categoryFamily(std::string_view name)
{
    std::string family;
    int category = 0;
    int categoryWords = 0;
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = name.find(' ', start);
        if (end == std::string_view::npos)
            end = name.size();
        const std::string_view word = name.substr(start, end - start);
        if (const int c = categoryOf(word)) {
            category = c;
            ++categoryWords;
            family += '#';
        } else {
            family += word;
        }
        if (end < name.size())
            family += ' ';
        start = end + 1;
    }
    return {family, categoryWords == 1 ? category : 0};
}

TEST(CatalogueByName, HigherCategoriesEarnMoreBasicPoints)
{
    std::map<std::string, std::vector<std::pair<int, int>>> families;  // category, basic
    for (const Position &p : rows()) {
        const auto [family, category] = categoryFamily(p.name);
        if (category != 0)
            families[family].push_back({category, read16(p.basicPoints)});
    }
    int compared = 0;
    for (const auto &[family, members] : families) {
        for (const auto &[catA, basicA] : members) {
            for (const auto &[catB, basicB] : members) {
                if (catA < catB) {
                    ++compared;
                    EXPECT_GT(basicA, basicB) << '"' << family << "\": category " << catA
                                              << " against " << catB;
                }
            }
        }
    }
    // e.g. "Director Escuela # Categoría" alone compares six pairs of its four categories
    EXPECT_GE(compared, 40);
}

TEST(CatalogueByName, DirectorsRankAboveDeputiesAndSecretaries)
{
    // For each category, the least-paid director outranks every deputy and secretary.
    std::map<int, int> lowestDirector;
    std::map<int, int> highestBelow;
    for (const Position &p : rows()) {
        const int category = categoryFamily(p.name).second;
        if (category == 0)
            continue;
        const int basic = read16(p.basicPoints);
        if (p.name.starts_with("Director ")) {
            auto [it, inserted] = lowestDirector.try_emplace(category, basic);
            if (!inserted)
                it->second = std::min(it->second, basic);
        } else if (p.name.starts_with("Vicedirector ") || p.name.starts_with("Subdirector ")
                   || p.name.starts_with("Secretario ") || p.name.starts_with("Prosecretario ")) {
            auto [it, inserted] = highestBelow.try_emplace(category, basic);
            if (!inserted)
                it->second = std::max(it->second, basic);
        }
    }
    ASSERT_EQ(highestBelow.size(), 3u);  // deputies and secretaries of categories 1 to 3
    for (const auto &[category, below] : highestBelow) {
        ASSERT_TRUE(lowestDirector.count(category)) << category;
        EXPECT_GT(lowestDirector[category], below) << "category " << category;
    }
}

TEST(CatalogueByName, HeadsOutrankTheirDeputyOfTheSameName)
{
    struct Rank {
        std::string_view head;
        std::string_view deputy;
    };
    const Rank ranks[] = {{"Director ", "Vicedirector "}, {"Director ", "Subdirector "},
                          {"Director ", "Secretario "},   {"Rector ", "Vicerector "},
                          {"Jefe ", "Subjefe "},          {"Secretario ", "Prosecretario "}};
    int compared = 0;
    for (const Rank &rank : ranks) {
        for (const Position &head : rows()) {
            if (!head.name.starts_with(rank.head))
                continue;
            const std::string_view rest = std::string_view(head.name).substr(rank.head.size());
            for (const Position &deputy : rows()) {
                if (deputy.name.starts_with(rank.deputy)
                    && std::string_view(deputy.name).substr(rank.deputy.size()) == rest) {
                    ++compared;
                    EXPECT_GT(read16(head.basicPoints), read16(deputy.basicPoints))
                        << head.name << " / " << deputy.name;
                }
            }
        }
    }
    EXPECT_GE(compared, 10);
}

}  // namespace
}  // namespace recibo
