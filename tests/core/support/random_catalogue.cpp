#include "random_catalogue.h"

#include <algorithm>

namespace reelkeep::test {

namespace {

using Pool = std::vector<std::string>;

const std::string& Pick(std::mt19937& rng, const Pool& pool) {
    return pool[std::uniform_int_distribution<std::size_t>(0, pool.size() - 1)(rng)];
}

const Pool kTitles = {
    "Abyss",      "abyss",  "ABYSS",   "The Abyss", "THE ABYSS", "the abyss",
    "The ",       "The",    "Theater", "The End",   "THE END",   "End",
    "",           " Space", "Zed",     "zed",       "DELETE",    "Two\nLines",
    "\"Quoted\"", "Alien",  "Aliens",  "A",         "the  x",    "\xC3\x89t\xC3\xA9",
    "_under",     "Z",      "Émile",   "été",       "Östen",     "Über",
    "The Ünd",    "Çay",    "Жук",     "жара"};
const Pool kActors = {"Ann",
                      "ann",
                      "ANN",
                      "Bob",
                      "",
                      "",
                      "",
                      "NO ACTOR LISTED",
                      "no actor listed",
                      "De Niro",
                      "de niro",
                      " Sp",
                      "Smith",
                      "Smithson",
                      "Sm",
                      "Zoe",
                      "O\"Neil",
                      "Line\nBreak"};
// Multi-byte text and lengths either side of the one-byte length prefix's limit come through the
// file as they went in.
const Pool kValues = {"PG",
                      "pg",
                      "PG-13",
                      "R",
                      "",
                      "",
                      " R",
                      " ",
                      "Drama",
                      "drama",
                      "DRAMA",
                      "100",
                      "95",
                      "\"q\"",
                      "a\nb",
                      "Zz",
                      "a,b\t",
                      "\xE2\x82\xAC \xD0\x96",
                      "\xF0\x9F\x8E\xAC",
                      std::string(254, 'L'),
                      std::string(255, 'L'),
                      std::string(256, 'L')};
const Pool kTapes = {"1",
                     "01",
                     "001",
                     "10",
                     "9",
                     "7",
                     "07",
                     "",
                     "",
                     "A1",
                     "7a",
                     "7A",
                     " 5",
                     "5 ",
                     "000",
                     "0",
                     std::string(120, '9'),
                     "1" + std::string(119, '0'),
                     "0" + std::string(120, '9'),
                     "12"};
const Pool kCounters = {"",  "",   " 5",    "300", "50", "-3", "+4",  "12a",      "x",
                        "0", "-0", "00012", "-",   "50", "7",  "-20", "999999999"};

}  // namespace

std::vector<RecordValues> RandomRecords(std::mt19937& rng, std::size_t count) {
    // Narrow pools now and then, so that many records tie.
    const bool narrow = rng() % 3 == 0;
    const auto pick = [&](const Pool& pool) -> const std::string& {
        if (!narrow) return Pick(rng, pool);
        return pool[rng() % std::min<std::size_t>(3, pool.size())];
    };
    std::vector<RecordValues> records(count);
    for (RecordValues& r : records) {
        r[FieldIndex(Field::MovieName)] = pick(kTitles);
        for (int k = 0; k < 3; ++k) r[FieldIndex(ActorField(k))] = pick(kActors);
        for (Field f :
             {Field::MovieType, Field::MediaType, Field::Time, Field::Rating, Field::Custom1,
              Field::Custom2, Field::Custom3, Field::Custom4, Field::Synopsis}) {
            r[FieldIndex(f)] = pick(kValues);
        }
        r[FieldIndex(Field::TapeNumber)] = pick(kTapes);
        r[FieldIndex(Field::Counter)] = pick(kCounters);
    }
    return records;
}

std::array<std::string, kFilterCount> RandomFilters(std::mt19937& rng) {
    static const Pool kFilterTexts = {"All", "All", "All", "All",      "all", "ALL",
                                      "",    "a",   "A",   "Sm",       "de",  "pg",
                                      "Dr",  "The", "1",   "no actor", "R"};
    std::array<std::string, kFilterCount> filters;
    for (std::string& f : filters) f = rng() % 3 == 0 ? Pick(rng, kFilterTexts) : "All";
    return filters;
}

}  // namespace reelkeep::test
