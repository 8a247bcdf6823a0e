// Which commands the document handles, when they are enabled and checked, and running them;
// with the two that only ask and apply, Filters and Edit Custom Heading. Every rule reads
// document state only, so menus and toolbar can ask at any time.
#include "reelkeep_doc.h"
#include "sort_keys.h"

namespace reelkeep {

namespace {

// The sort commands other than Sort by Actors, whose enable rule they share.
const SortKeyInfo* KeySortOfCommand(CommandId id) {
    const SortKeyInfo* key = FindSortKey(id);
    return key && key->mark != SortMark::Actors ? key : nullptr;
}

bool IsDisplayModeCommand(CommandId id) {
    return id == CommandId::OneLineSorts || id == CommandId::DisplayLabelFormat ||
           id == CommandId::DisplayNormalView;
}

}  // namespace

bool CReelkeepDoc::Handles(CommandId id) {
    switch (id) {
        case CommandId::Enter:
        case CommandId::Modify:
        case CommandId::Delete:
        case CommandId::Undo:
        case CommandId::Find:
        case CommandId::EditCustomHeading:
        case CommandId::Filters:
        case CommandId::SortByActors:
        case CommandId::ExportCsv:
        case CommandId::ExportText:
        case CommandId::ImportCsv:
            return true;
        default:
            return KeySortOfCommand(id) != nullptr || IsDisplayModeCommand(id);
    }
}

bool CReelkeepDoc::IsEnabled(CommandId id) const {
    const bool listed = !display_.Order().empty();
    if (KeySortOfCommand(id)) return listed && !display_.State().LabelFormat();
    if (IsDisplayModeCommand(id)) return listed;
    switch (id) {
        case CommandId::Enter:
        case CommandId::ImportCsv:
            return ready_ && !display_.State().LabelFormat();
        case CommandId::Modify:
            return ui_.RowsToActOn() && !display_.State().LabelFormat();
        case CommandId::Delete:
            return ui_.RowsToActOn() && !display_.State().LabelFormat() && listed;
        case CommandId::Undo:
            return undo_.available && !display_.State().LabelFormat();
        case CommandId::Find:
            return listed && !display_.State().LabelFormat();
        case CommandId::EditCustomHeading:
            return true;
        case CommandId::Filters:
            return catalogue_.Count() > 1;
        case CommandId::SortByActors:
            return !display_.DisplayedActors().empty() && !display_.State().LabelFormat();
        case CommandId::ExportCsv:
        case CommandId::ExportText:
            return listed;
        // Run by the application, but their state is the document's.
        case CommandId::LabelDataColors:
        case CommandId::LabelHeadingColor:
            return printerColorCount_ > 2 && ready_;
        default:
            return false;
    }
}

bool CReelkeepDoc::IsChecked(CommandId id) const {
    if (const SortKeyInfo* key = FindSortKey(id)) return display_.State().sort == key->mark;
    switch (id) {
        case CommandId::OneLineSorts:
            return display_.State().OneLine();
        case CommandId::DisplayLabelFormat:
            return display_.State().LabelFormat();
        case CommandId::DisplayNormalView:
            return display_.State().NormalView();
        default:
            return false;
    }
}

void CReelkeepDoc::Execute(CommandId id) {
    // A stale menu or a scripted caller must not run a command on state that forbids it.
    if (!Handles(id) || !IsEnabled(id)) return;
    CChangeScope change(*this);
    switch (id) {
        case CommandId::Enter:
            return EnterCommand();
        case CommandId::Modify:
            return ModifyCommand();
        case CommandId::Delete:
            return DeleteCommand();
        case CommandId::Undo:
            return UndoCommand();
        case CommandId::Find:
            return FindCommand();
        case CommandId::EditCustomHeading:
            return EditCustomHeadingCommand();
        case CommandId::Filters:
            return FiltersCommand();
        case CommandId::ExportCsv:
            return ExportCommand(ExportKind::Csv);
        case CommandId::ExportText:
            return ExportCommand(ExportKind::Text);
        case CommandId::ImportCsv:
            return ImportCommand();
        case CommandId::SortByActors:
            return SortByActorsCommand();
        case CommandId::SortByTitle:
            TitleSort();
            return RequestViewUpdate();
        case CommandId::SortByTapeNumber:
            return TapeNumberSort();
        case CommandId::OneLineSorts:
            return OneLineSortsCommand();
        case CommandId::DisplayLabelFormat:
            return DisplayLabelFormatCommand();
        case CommandId::DisplayNormalView:
            return DisplayNormalViewCommand();
        default:
            return KeySortCommand(KeySortOfCommand(id)->mark);
    }
}

void CReelkeepDoc::FiltersCommand() {
    std::array<std::string, kFilterCount> filters = display_.Filters();
    if (!ui_.RunFiltersDialog(filters)) return;
    display_.SetFilters(filters);
    RebuildDisplayOrder();
    ReapplyCurrentSort();
    // With no sort key set the re-sort leaves the views alone, yet the listing has changed.
    if (display_.State().sort == SortMark::None) RequestViewUpdate();
}

void CReelkeepDoc::EditCustomHeadingCommand() {
    HeadingTexts headings = display_.CustomHeadings();
    if (!ui_.RunCustomHeadingsDialog(headings)) return;
    // A caption is never left empty: the column titles and the export header need one.
    for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
        if (headings[k].empty()) headings[k] = DefaultCustomHeading(k);
    }
    // An empty catalogue has nothing worth a save prompt.
    if (catalogue_.Count() > 0) modified_ = true;
    ApplyCustomHeadings(headings, true);
}

}  // namespace reelkeep
