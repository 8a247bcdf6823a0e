#include "name_pools.h"

#include <array>

namespace reelkeep::pools {

namespace {

constexpr std::array<std::string_view, 64> kFirstNames = {
    "Ada",    "Albert",  "Alice",    "Arthur",  "Barbara", "Bernard", "Betty",   "Carl",
    "Carol",  "Charles", "Clara",    "Daniel",  "Diana",   "Donald",  "Doris",   "Edith",
    "Edward", "Eleanor", "Ernest",   "Esther",  "Frank",   "Frances", "George",  "Gloria",
    "Grace",  "Harold",  "Harriet",  "Henry",   "Irene",   "Jack",    "James",   "Jean",
    "Joan",   "John",    "Joseph",   "Judith",  "Karen",   "Kenneth", "Laura",   "Lillian",
    "Louis",  "Lucille", "Margaret", "Marion",  "Martin",  "Mary",    "Michael", "Mildred",
    "Nancy",  "Norman",  "Oscar",    "Pauline", "Peter",   "Ralph",   "Rose",    "Ruth",
    "Samuel", "Sarah",   "Thomas",   "Victor",  "Vivian",  "Walter",  "William", "Zoe",
};

constexpr std::array<std::string_view, 96> kLastNames = {
    "Abbott",   "Adler",   "Ames",    "Archer",   "Baker",   "Barlow",   "Becker",   "Bishop",
    "Blake",    "Bowen",   "Brandt",  "Brooks",   "Burke",   "Carver",   "Chandler", "Clayton",
    "Cole",     "Conrad",  "Crane",   "Dalton",   "Dawson",  "Dean",     "Donovan",  "Doyle",
    "Drake",    "Dunn",    "Ellis",   "Emerson",  "Farrell", "Fields",   "Fisher",   "Fleming",
    "Ford",     "Foster",  "Garland", "Garner",   "Gilbert", "Grant",    "Graves",   "Hale",
    "Harlow",   "Hayes",   "Holden",  "Howard",   "Hudson",  "Hunt",     "Irving",   "Jensen",
    "Keller",   "Kendall", "Lambert", "Lane",     "Lawson",  "Lloyd",    "Logan",    "Lowell",
    "Lyons",    "Marsh",   "Mason",   "Mercer",   "Miles",   "Monroe",   "Moreau",   "Nash",
    "Newman",   "Norris",  "O'Brien", "Owens",    "Palmer",  "Parker",   "Pierce",   "Porter",
    "Quinn",    "Raines",  "Reed",    "Reyes",    "Rhodes",  "Russell",  "Sawyer",   "Shaw",
    "Sinclair", "Sloane",  "Stanton", "Sterling", "Stone",   "Sullivan", "Taylor",   "Thorne",
    "Tucker",   "Vance",   "Wade",    "Walsh",    "Warren",  "Webb",     "Wells",    "Young",
};

constexpr std::array<std::string_view, 32> kTitleAdjectives = {
    "Silent", "Golden", "Distant", "Crimson", "Last",    "First",  "Lost",    "Hidden",
    "Broken", "Wild",   "Quiet",   "Dark",    "Bright",  "Long",   "Final",   "Falling",
    "Rising", "Blue",   "Red",     "Black",   "White",   "Iron",   "Secret",  "Endless",
    "Lonely", "Sweet",  "Savage",  "Frozen",  "Burning", "Little", "Runaway", "Midnight",
};

constexpr std::array<std::string_view, 48> kTitleNouns = {
    "River",    "Shadow", "Empire",  "Summer",  "Winter", "Train",    "Harbor",   "Desert",
    "Mountain", "City",   "Night",   "Morning", "Storm",  "Garden",   "Stranger", "Promise",
    "Journey",  "Return", "Island",  "Valley",  "Bridge", "Highway",  "Station",  "Letter",
    "Window",   "Mirror", "Thunder", "Whisper", "Echo",   "Frontier", "Kingdom",  "Dream",
    "Heart",    "Fire",   "Ice",     "Star",    "Moon",   "Road",     "Hotel",    "Castle",
    "Forest",   "Ocean",  "Wind",    "Rain",    "Street", "Paradise", "Canyon",   "Sky",
};

constexpr std::array<std::string_view, 20> kMovieTypes = {
    "Drama",   "Comedy",      "Action",    "Western",   "Science Fiction", "Horror",    "Thriller",
    "Musical", "Documentary", "Animation", "Romance",   "Mystery",         "War",       "Adventure",
    "Fantasy", "Crime",       "Family",    "Film Noir", "Sports",          "Biography",
};

constexpr std::array<std::string_view, 12> kStudios = {
    "Northlight Pictures", "Bayside Films", "Silver Arc",          "Meridian Studios",
    "Crown Street",        "Lantern House", "Harborview Pictures", "Redwood Films",
    "Paragon Screen",      "Blue Mesa",     "Old Mill Pictures",   "Starfall",
};

constexpr std::array<std::string_view, 5> kConditions = {
    "Excellent", "Good", "Fair", "Worn", "Recorded from TV",
};

constexpr std::array<std::string_view, 10> kOpenings = {
    "A retired detective is drawn back for one last case.",
    "Two strangers meet on a night train heading west.",
    "A small town is shaken when a letter arrives thirty years late.",
    "An ambitious young singer leaves home for the big city.",
    "A ship's crew finds an island that is on no map.",
    "A family inherits a house with a locked room.",
    "A rancher stands up to the men who want his land.",
    "A scientist makes a discovery nobody believes.",
    "Three friends plan the perfect summer.",
    "A soldier tries to find his way home after the war.",
};

constexpr std::array<std::string_view, 10> kTurns = {
    "Nothing goes as planned.",
    "An old rival returns at the worst moment.",
    "The truth turns out to be closer than anyone thought.",
    "A storm cuts them off from the rest of the world.",
    "Each clue leads further into the past.",
    "Loyalties are tested on both sides.",
    "A stolen necklace changes everything.",
    "Time is running out.",
    "Not everyone is who they claim to be.",
    "A chance meeting opens a door to a new life.",
};

constexpr std::array<std::string_view, 8> kEndings = {
    "Based on a true story.",     "Filmed on location.",
    "Recorded with commercials.", "The ending is still talked about.",
    "Watch for the final scene.", "A family favourite.",
    "Widescreen edition.",        "Includes the original trailer.",
};

}  // namespace

std::span<const std::string_view> FirstNames() { return kFirstNames; }
std::span<const std::string_view> LastNames() { return kLastNames; }
std::span<const std::string_view> TitleAdjectives() { return kTitleAdjectives; }
std::span<const std::string_view> TitleNouns() { return kTitleNouns; }
std::span<const std::string_view> MovieTypes() { return kMovieTypes; }
std::span<const std::string_view> Studios() { return kStudios; }
std::span<const std::string_view> Conditions() { return kConditions; }
std::span<const std::string_view> SynopsisOpenings() { return kOpenings; }
std::span<const std::string_view> SynopsisTurns() { return kTurns; }
std::span<const std::string_view> SynopsisEndings() { return kEndings; }

}  // namespace reelkeep::pools
