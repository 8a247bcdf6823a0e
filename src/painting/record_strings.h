#pragma once

#include <QtGlobal>
#include <array>
#include <string_view>

#include "fields.h"
#include "qt_text.h"

// Texts drawn with the records, on the screen and on paper alike, kept together so they can be
// checked at a glance.
namespace reelkeep::recordtext {

// The user's-language form of one of these texts.
inline QString Tr(std::string_view text) { return Translated("Records", text); }

// A field's caption from the field table, in the user's language; empty for the custom fields,
// which go by the catalogue's headings.
inline QString FieldCaption(Field f) { return Translated("Core", InfoOf(f).caption); }

// Column titles by column identifier - 1; titles 4..7 follow the custom headings.
inline constexpr std::array<std::string_view, 10> kColumnTitles = {
    QT_TRANSLATE_NOOP("Records", " Movie Title"), QT_TRANSLATE_NOOP("Records", " Rating"),
    QT_TRANSLATE_NOOP("Records", " Time"),        QT_TRANSLATE_NOOP("Records", " Custom 1"),
    QT_TRANSLATE_NOOP("Records", " Custom 2"),    QT_TRANSLATE_NOOP("Records", " Custom 3"),
    QT_TRANSLATE_NOOP("Records", " Custom 4"),    QT_TRANSLATE_NOOP("Records", " Media Type"),
    QT_TRANSLATE_NOOP("Records", " Movie Type"),  QT_TRANSLATE_NOOP("Records", " #"),
};

// The key column's title in Sort by Actors, and what a cell of an unknown column shows.
inline constexpr std::string_view kActorsColumnTitle = QT_TRANSLATE_NOOP("Records", "Actors");
inline constexpr std::string_view kBadColumn = QT_TRANSLATE_NOOP("Records", "Failed");

// Captions of a record block and of the labels.
inline constexpr std::string_view kMovieTitle = QT_TRANSLATE_NOOP("Records", "Movie Title");
inline constexpr std::string_view kTapeNumber = QT_TRANSLATE_NOOP("Records", "Tape #: ");
inline constexpr std::string_view kTime = QT_TRANSLATE_NOOP("Records", "Time: ");
inline constexpr std::string_view kActors = QT_TRANSLATE_NOOP("Records", "Actors");
inline constexpr std::string_view kRating = QT_TRANSLATE_NOOP("Records", "Rating: ");
inline constexpr std::string_view kCounter = QT_TRANSLATE_NOOP("Records", "Counter: ");
inline constexpr std::string_view kMedia = QT_TRANSLATE_NOOP("Records", "Media:");
inline constexpr std::string_view kType = QT_TRANSLATE_NOOP("Records", "Type: ");
// The printed block's caption of the movie type has no colon, unlike the screen's.
inline constexpr std::string_view kPrintedType = QT_TRANSLATE_NOOP("Records", "Type");
inline constexpr std::string_view kSynopsis = QT_TRANSLATE_NOOP("Records", "Synopsis");

}  // namespace reelkeep::recordtext
