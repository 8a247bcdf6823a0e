#pragma once

#include <cstdint>

namespace reelkeep {

// Command identifiers; the window routes menu items, toolbar buttons and accelerators by them.
enum class CommandId : std::uint32_t {
    FileNew = 57600,
    FileOpen = 57601,
    FileSave = 57603,
    FileSaveAs = 57604,
    FilePrintSetup = 57606,
    FilePrint = 57607,
    FilePrintPreview = 57609,
    FileMruFirst = 57616,
    AppExit = 57665,
    ExportCsv = 32841,
    ExportText = 32838,
    ImportCsv = 32842,
    ImportForeign = 32843,

    Enter = 32771,
    Delete = 32772,
    Modify = 32773,
    SelectAll = 32790,
    Undo = 57643,
    Find = 57636,
    EditCustomHeading = 32816,

    ViewToolbar = 59392,
    ViewStatusBar = 59393,
    SortByActors = 32775,
    SortByTitle = 32774,
    SortByCustom1 = 32818,
    SortByCustom2 = 32819,
    SortByCustom3 = 32820,
    SortByCustom4 = 32821,
    SortByTapeNumber = 32776,
    SortByTime = 32777,
    SortByRating = 32778,
    SortByMediaType = 32792,
    SortByMovieType = 32779,
    OneLineSorts = 32793,
    DisplayLabelFormat = 32794,
    DisplayNormalView = 32795,
    Options = 32813,
    GoToEntry = 32829,
    Filters = 32833,

    LabelFont = 32803,
    LargeLabels = 32804,
    SmallLabels = 32805,
    LabelDataColors = 32810,
    LabelHeadingColor = 32811,

    AddField = 32831,
    RemoveField = 32832,

    HelpTopics = 57667,
    About = 57664,
    ContextHelp = 57669,
    Help = 57670,
    NextPane = 57680,
    PrevPane = 57681,
};

}  // namespace reelkeep
