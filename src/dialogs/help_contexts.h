#pragma once

// Context numbers of the help file's topics for the dialog controls, by control. The help window
// finds a control's number through HelpContextOf (dialogs.h).
namespace reelkeep::help {

// Enter/Edit Movies. The custom-field combos have no topic of their own.
inline constexpr int kMovieName = 7;
inline constexpr int kActor1 = 3;
inline constexpr int kActor2 = 4;
inline constexpr int kActor3 = 5;
inline constexpr int kMovieType = 8;
inline constexpr int kMediaType = 12;
inline constexpr int kTime = 11;
inline constexpr int kTapeNumber = 10;
inline constexpr int kCounter = 6;
inline constexpr int kRating = 9;
inline constexpr int kSynopsis = 27;

// Delete Movies.
inline constexpr int kDeleteQuestion = 22;
inline constexpr int kDeleteYes = 26;
inline constexpr int kDeleteYesToAll = 24;
inline constexpr int kDeleteNo = 23;
inline constexpr int kDeleteNoToAll = 25;

// Find Info.
inline constexpr int kFindText = 18;
inline constexpr int kFindMatchCase = 19;
inline constexpr int kFindWholeWord = 20;
inline constexpr int kFindButton = 21;

// The Options sheet's pages: its Help button opens the topic of the page shown.
inline constexpr int kGeneralOptions = 105;
inline constexpr int kNormalViewOptions = 102;
inline constexpr int kActorSortOptions = 106;
inline constexpr int kOneLineOptions = 103;

}  // namespace reelkeep::help
