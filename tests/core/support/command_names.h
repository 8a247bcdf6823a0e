#pragma once

#include <ostream>
#include <string_view>

#include "command_ids.h"

namespace reelkeep {

// A command's name for failure messages, so that they read "SortByTitle", not "32774". The
// switch has no default: a new command id fails the build until it is named here.
inline std::string_view CommandName(CommandId id) {
#define CASE_NAME(command)   \
    case CommandId::command: \
        return #command;
    switch (id) {
        // clang-format off
        CASE_NAME(FileNew) CASE_NAME(FileOpen) CASE_NAME(FileSave) CASE_NAME(FileSaveAs)
        CASE_NAME(FilePrintSetup) CASE_NAME(FilePrint) CASE_NAME(FilePrintPreview)
        CASE_NAME(FileMruFirst) CASE_NAME(AppExit) CASE_NAME(ExportCsv) CASE_NAME(ExportText)
        CASE_NAME(ImportCsv) CASE_NAME(ImportForeign)
        CASE_NAME(Enter) CASE_NAME(Delete) CASE_NAME(Modify)
        CASE_NAME(SelectAll) CASE_NAME(Undo) CASE_NAME(Find) CASE_NAME(EditCustomHeading)
        CASE_NAME(ViewToolbar) CASE_NAME(ViewStatusBar) CASE_NAME(SortByActors)
        CASE_NAME(SortByTitle) CASE_NAME(SortByCustom1) CASE_NAME(SortByCustom2)
        CASE_NAME(SortByCustom3) CASE_NAME(SortByCustom4) CASE_NAME(SortByTapeNumber)
        CASE_NAME(SortByTime) CASE_NAME(SortByRating) CASE_NAME(SortByMediaType)
        CASE_NAME(SortByMovieType) CASE_NAME(OneLineSorts) CASE_NAME(DisplayLabelFormat)
        CASE_NAME(DisplayNormalView) CASE_NAME(Options) CASE_NAME(GoToEntry) CASE_NAME(Filters)
        CASE_NAME(LabelFont) CASE_NAME(LargeLabels) CASE_NAME(SmallLabels)
        CASE_NAME(LabelDataColors) CASE_NAME(LabelHeadingColor) CASE_NAME(AddField)
        CASE_NAME(RemoveField) CASE_NAME(HelpTopics) CASE_NAME(About) CASE_NAME(ContextHelp)
        CASE_NAME(Help) CASE_NAME(NextPane) CASE_NAME(PrevPane)
        // clang-format on
    }
#undef CASE_NAME
    return "unknown command";
}

inline std::ostream& operator<<(std::ostream& out, CommandId id) { return out << CommandName(id); }

}  // namespace reelkeep
