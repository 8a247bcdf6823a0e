#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "csv_import_dialog.h"
#include "custom_headings_dialog.h"
#include "delete_dialog.h"
#include "entry_dialog.h"
#include "filters_dialog.h"
#include "find_dialog.h"
#include "go_to_entry_window.h"
#include "label_color_dialog.h"
#include "label_print_dialogs.h"
#include "options_sheet.h"
#include "screen_color_dialog.h"

// One of each of the application's own dialogs, built but not shown, for checks that concern
// them all.
inline std::vector<std::unique_ptr<QWidget>> EveryDialog(reelkeep::IOptionPickers& pickers) {
    using namespace reelkeep;
    const std::vector<QString> positions(10, QStringLiteral("Empty"));
    std::vector<std::unique_ptr<QWidget>> dialogs;
    dialogs.push_back(std::make_unique<CEntryDialog>(EntryDialogEntries{}));
    dialogs.push_back(std::make_unique<CDeleteDialog>("Are you sure?"));
    dialogs.push_back(std::make_unique<CFindDialog>(FindSettings{}));
    dialogs.push_back(std::make_unique<CCustomHeadingsDialog>(HeadingTexts{}));
    dialogs.push_back(std::make_unique<CFiltersDialog>(std::array<std::string, kFilterCount>{},
                                                       HeadingTexts{"Director", "Year & Place"}));
    dialogs.push_back(std::make_unique<CLabelCopiesDialog>());
    dialogs.push_back(std::make_unique<CStartPositionDialog>(true, positions));
    dialogs.push_back(std::make_unique<CScreenColorDialog>(ScreenColors{}, pickers));
    dialogs.push_back(std::make_unique<CLabelColorDialog>(std::vector<std::string>{"Drama"},
                                                          std::vector<std::uint32_t>{0}, pickers));
    dialogs.push_back(std::make_unique<COptionsSheet>(OptionsSheetValues{}, pickers));
    dialogs.push_back(std::make_unique<CGoToEntryWindow>(nullptr));
    dialogs.push_back(
        std::make_unique<CCsvImportDialog>(CsvTable{}, HeadingTexts{}, ColumnMapping{}));
    return dialogs;
}
