// SPDX-License-Identifier: MIT
// Places as family trees write them, matched to the calendar history's. The expected places are
// the states the towns belonged to when they kept those calendars (Königsberg in the Duchy of
// Prussia, Boston in the Massachusetts Bay colony), not what the names table says.
#include <gtest/gtest.h>

#include "history/WrittenDayReading.h"
#include "records/PlaceMatching.h"
#include "records/PlaceNames.h"

namespace vardex {
namespace {

const PlaceTable &Table()
{
    static const PlaceTable table = LoadPlaceTable(CALENDAR_HISTORY_FOLDER);
    return table;
}

std::string MatchedId(const PlaceMatcher &matcher, std::string_view text)
{
    const Place *place = matcher.Match(text);
    return place ? place->id : "";
}

TEST(PlaceMatching, TheBuiltInNamesReadAndNameOnlyKnownPlaces)
{
    ASSERT_TRUE(Table().error.empty()) << Table().error;
    EXPECT_EQ(CheckBuiltInPlaceNames(Table()), "");
}

// "" where the text must stay unmatched: its calendar is not known from what it says.
TEST(PlaceMatching, PlacesByCountryThenRegion)
{
    const std::pair<const char *, const char *> cases[] = {
        {"London, Middlesex, England", "england"},
        {"Cardiff, Glamorgan, Wales, United Kingdom", "england"},
        {"Edinburgh, Scotland", "scotland"},
        {"Glasgow, Lanarkshire, Scotland, UK", "scotland"},
        {"Belfast, Antrim, Northern Ireland", "ireland"},
        {"Dublin, Éire", "ireland"},
        {"Amsterdam, Noord-Holland, Netherlands", "holland"},
        {"Middelburg, Zeeland, Nederland", "holland"},
        {"Arnhem, Gelderland, Nederland", "gelderland"},
        {"Deventer, Overijssel, Netherlands", "utrecht"},
        {"Leeuwarden, Fryslân, Nederland", "friesland"},
        {"Gent, Oost-Vlaanderen, België", "brabant"},
        {"Brugge, Vlaanderen", "brabant"},
        {"Boston, Suffolk, Massachusetts, USA", "british-america"},
        {"Boston, Suffolk, Massachusetts Bay", "british-america"},
        {"Savannah, Chatham, Georgia, United States", "british-america"},
        {"Sitka, Alaska", "alaska"},
        {"Sitka, AK, USA", "alaska"},
        {"San Antonio, Bexar, Texas, USA", "spain"},
        {"Québec, Canada", "france"},
        {"München, Bayern, Deutschland", "bavaria"},
        {"Königsberg, Ostpreußen, Preußen", "prussia"},
        {"Berlin, Brandenburg, Preußen", "germany-protestant"},
        {"Leipzig, Sachsen, Germany", "germany-protestant"},
        {"Praha, Čechy", "bohemia"},
        {"Prag, Böhmen, Österreich", "bohemia"},
        {"Brno, Mähren", "bohemia"},
        {"Wien, Österreich", "austria"},
        {"Budapest, Magyarország", "hungary"},
        {"Bern, Schweiz", "switzerland-protestant"},
        {"Luzern, Luzern, Switzerland", "switzerland-catholic"},
        {"Firenze, Toscana, Italia", "florence"},
        {"Pisa, Toscana, Italia", "pisa"},
        {"Pisa, Provincia di Pisa, Toscana, Italia", "pisa"},
        {"Venezia, Veneto, Italy", "venice"},
        {"Roma, Lazio, Italia", "rome"},
        {"Nancy, Meurthe-et-Moselle, France", "lorraine"},
        {"Paris, Seine, France", "france"},
        {"Madrid, España", "spain"},
        {"Lisboa, Portugal", "portugal"},
        {"Kraków, Małopolskie, Polska", "poland"},
        {"Stockholm, Sverige", "sweden"},
        {"Åbo, Suomi", "finland"},
        {"Bergen, Hordaland, Norge", "denmark"},
        {"København, Danmark", "denmark"},
        {"Moskva, Россия", "russia"},
        {"St. Petersburg, Russian Empire", "russia"},
        {"Αθήνα, Ελλάδα", "greece"},
        {"Sofia, България", "bulgaria"},
        {"București, România", "romania"},
        {"Beograd, Srbija", "serbia"},
        // Traps: a town named like a place of another calendar, in a country or state that is not it.
        {"Florence, Lauderdale, Alabama, USA", "france"},
        {"Holland, Ottawa, Michigan, USA", "france"},
        {"England, Lonoke, Arkansas, USA", "france"},
        {"Paris, Lamar, Texas, USA", "spain"},
        {"Tbilisi, Georgia", ""},
        {"Florence", ""},
        // Countries whose parts kept different calendars, without a region that says which.
        {"Berlin, Germany", ""},
        {"Köln, Deutschland", ""},
        {"Hamburg, Deutschland", "germany-protestant"},
        {"Rotterdam, Netherlands", ""},
        {"Chur, Graubünden, Schweiz", ""},
        {"Milano, Lombardia, Italia", ""},
        {"London, Great Britain", ""},
        {"Boston, USA", ""},
        {"Strasbourg, Bas-Rhin, France", ""},
        {"Wrocław, Dolnośląskie, Polska", ""},
        {"Cluj, Transilvania, România", ""},
        {"Breslau, Schlesien, Preußen", ""},
        {"Nowhere, Atlantis", ""},
        {"", ""},
        {" , ,", ""},
    };
    const PlaceMatcher matcher(Table(), {});
    for (const auto &[text, id] : cases)
        EXPECT_EQ(MatchedId(matcher, text), id) << text;
}

TEST(PlaceMatching, CaseAccentsDotsAndSpacingDoNotMatter)
{
    const std::pair<const char *, const char *> cases[] = {
        {"PRUSSIA", "prussia"},
        {"preussen", "prussia"},
        {"Preußen", "prussia"},
        {"PREUSSEN", "prussia"},
        {"cechy", "bohemia"},
        {"BÖHMEN", "bohemia"},
        {"Boehmen", "bohemia"},
        {"  london ,  ENGLAND  ", "england"},
        {"Boston,MA,U.S.A.", "british-america"},
        {"Haarlem, Noord Holland, Nederland", "holland"},
        {"Haarlem, noord-holland , the  netherlands", "holland"},
        {"Athens, ΕΛΛΆΔΑ", "greece"},
        {"Moscow, РОССИЯ", "russia"},
        {"London,\tEngland", "england"},
        {"Kingston upon Hull, Yorkshire, England,", "england"},
    };
    const PlaceMatcher matcher(Table(), {});
    for (const auto &[text, id] : cases)
        EXPECT_EQ(MatchedId(matcher, text), id) << text;
    EXPECT_EQ(FoldPlaceName("  Łódź – Æbelø  "), "lodz aebelo");
}

// The user's map comes first, on the whole text: it settles what the names leave open and overrides
// them, but one town of the same name elsewhere is not touched.
TEST(PlaceMatching, ThePlaceMapComesFirst)
{
    const PlaceMap map = ParsePlaceMap("# my tree's places\n"
                                       "\n"
                                       "Berlin, Germany\tgermany-protestant\r\n"
                                       "  Florence, Lauderdale, Alabama, USA \t british-america\n"
                                       "Berlin,  GERMANY\tgermany-protestant\n",
                                       Table());
    ASSERT_EQ(map.error, "");
    ASSERT_EQ(map.entries.size(), 3u);
    using Entry = std::pair<std::string, std::string>;
    EXPECT_EQ(map.entries[1], Entry("Florence, Lauderdale, Alabama, USA", "british-america"));
    const PlaceMatcher matcher(Table(), map);
    EXPECT_EQ(MatchedId(matcher, "BERLIN ,germany"), "germany-protestant");
    EXPECT_EQ(MatchedId(matcher, "florence, lauderdale, alabama, u.s.a."), "british-america");
    EXPECT_EQ(MatchedId(matcher, "Mitte, Berlin, Germany"), "");
    EXPECT_EQ(MatchedId(matcher, "London, England"), "england");
}

TEST(PlaceMatching, AFaultyPlaceMapNamesItsLine)
{
    const std::pair<const char *, const char *> cases[] = {
        {"# places\n\nLondon, England\tenglnd\n",
         "Line 3 of the place map: unknown place 'englnd'; vardex-cli history --places lists them."},
        {"London, England england\n",
         "Line 1 of the place map: no tab between the place as written and its place id."},
        {"A\tengland\n \t england\n", "Line 2 of the place map: no place before the tab."},
        {"A\tengland\nB\t\n",
         "Line 2 of the place map: unknown place ''; vardex-cli history --places lists them."},
        {"A\tEngland\n",
         "Line 1 of the place map: unknown place 'England'; vardex-cli history --places lists them."},
        {"A\teng\x1b[0m\xff\n", "Line 1 of the place map: unknown place 'eng\\x1B[0m\\xFF'; vardex-cli "
                                "history --places lists them."},
        {"Paris\tfrance\nx\tengland\nPARIS\tspain\n",
         "Line 3 of the place map: 'PARIS' is mapped to another place on line 1."},
    };
    for (const auto &[text, error] : cases) {
        const PlaceMap map = ParsePlaceMap(text, Table());
        EXPECT_EQ(map.error, error) << text;
    }
}

TEST(PlaceMatching, FaultyNamesAreRefusedWithTheirLine)
{
    const std::pair<const char *, const char *> cases[] = {
        {"\tA\ta\n\tB\tb\tc\n",
         "Line 2 of the place names: three fields separated by tabs are wanted, not 4."},
        {"# c\nX\tA\ta\n", "Line 2 of the place names: 'X' of its within is not named before it."},
        {"\tA|B\ta\n\tC\t= D\n", "Line 2 of the place names: 'D' is no name without a within."},
        {"\tA|a\ta\n\ta\tb\n", "Line 2 of the place names: 'a' is named twice."},
        {"\tA||B\ta\n", "Line 1 of the place names: an empty name."},
        {"\tA\t\n", "Line 1 of the place names: no place id."},
    };
    for (const auto &[text, error] : cases)
        EXPECT_EQ(ParsePlaceNames(text).error, error) << text;
    // A name given "=" is the same node: what lies within it is found from either.
    const PlaceNameTree tree = ParsePlaceNames("\tP\tp\nP\tE\te\n\tG\t-\nG\tPreußen\t= P\n");
    ASSERT_EQ(tree.error, "");
    const size_t viaG = tree.nodes[tree.nodes[0].children.at("g")].children.at("preussen");
    EXPECT_EQ(viaG, tree.nodes[0].children.at("p"));
    EXPECT_EQ(tree.nodes[tree.nodes[viaG].children.at("e")].placeId, "e");
}

}  // namespace
}  // namespace vardex
