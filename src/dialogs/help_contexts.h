#pragma once

// Context numbers of the help topics. A control's number opens the help on that control; a
// window's number opens the page on that window, for F1 and for What's This on any control
// without a number of its own. The help window finds a control's number through HelpContextOf
// (dialogs.h) and the page of a number through HelpTopicUrl (help_topics.h).
namespace reelkeep::help {

// The contents page.
inline constexpr int kContents = 0;

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

// Windows and dialogs.
inline constexpr int kCatalogueView = 100;
inline constexpr int kEntryDialog = 101;
inline constexpr int kDeleteDialog = 102;
inline constexpr int kFindDialog = 103;
inline constexpr int kCustomHeadingsDialog = 104;
inline constexpr int kFiltersDialog = 105;
inline constexpr int kLabelCopiesDialog = 106;
inline constexpr int kStartPositionDialog = 107;
inline constexpr int kAddColumnDialog = 108;
inline constexpr int kGoToEntryWindow = 109;
inline constexpr int kLabelColorsDialog = 110;
inline constexpr int kScreenColorsDialog = 111;
inline constexpr int kPrintPreview = 112;
inline constexpr int kCsvImportDialog = 113;

// The pages of the Options sheet; each page's Help button opens its own.
inline constexpr int kOptionsGeneral = 120;
inline constexpr int kOptionsNormalView = 121;
inline constexpr int kOptionsActorSort = 122;
inline constexpr int kOptionsOneLineSorts = 123;

}  // namespace reelkeep::help
