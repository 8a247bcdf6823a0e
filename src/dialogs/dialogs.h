#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fields.h"
#include "filter_fields.h"
#include "lookup_lists.h"
#include "option_pickers.h"
#include "option_values.h"
#include "ui_interface.h"
#include "value_combo.h"

class QWidget;

// The application's modal dialogs, as data in and data out. Each returns true (or an answer)
// only when the user accepted; on cancel the data is left as it was.
namespace reelkeep {

// Enter/Edit Movies: shows values (fields and the four heading captions) with the lists; on
// accept writes the fifteen field texts back into values.fields.
bool RunEntryDialog(QWidget* parent, const EntryDialogEntries& lists, EntryDialogValues& values);

// Delete Movies; nullopt when it was closed without one of its four buttons.
std::optional<DeleteAnswer> RunDeleteDialog(QWidget* parent, std::string_view question);

bool RunFindDialog(QWidget* parent, FindSettings& settings);

bool RunCustomHeadingsDialog(QWidget* parent, HeadingTexts& headings);

// The nine filter texts in FilterField order; the headings name the custom fields.
bool RunFiltersDialog(QWidget* parent, std::array<std::string, kFilterCount>& filters,
                      const HeadingTexts& headings);

void ShowAboutBox(QWidget* parent);

// Printing a lone selected label: how many copies (1 to 99).
std::optional<int> RunLabelCopiesDialog(QWidget* parent);
// Printing selected labels: the 1-based sheet position of the first, with the text shown
// beside each position.
std::optional<int> RunStartPositionDialog(QWidget* parent, bool largeLabels,
                                          const std::vector<QString>& positionTexts);

// Options: the four option pages; values are replaced only on OK, the screen font and colours
// picked through the General page included.
bool RunOptionsSheet(QWidget* parent, OptionsSheetValues& values, IOptionPickers& pickers);

// Label Color Selection: colors[k] is the label colour of movieTypes[k], and holds the picks
// after OK.
bool RunLabelColorDialog(QWidget* parent, const std::vector<std::string>& movieTypes,
                         std::vector<std::uint32_t>& colors, IOptionPickers& pickers);

// The platform's pickers as the program sets them up: the font picker without underline and
// strike-out, its OK taking only the sizes allowed; the colour picker for solid colours.
std::optional<QFont> RunFontPicker(QWidget* parent, const QFont& initial, FontSizeLimit sizes);
std::optional<QColor> RunColorPicker(QWidget* parent, const QColor& initial);

// Import Comma Separated Values: previews the table's first lines and lets each column go to a
// field or be skipped; on accept mapping holds the choices.
bool RunCsvImportDialog(QWidget* parent, const CsvTable& table, const HeadingTexts& headings,
                        ColumnMapping& mapping);

// Add Column: the column identifier (1 to 10) of the column chosen.
std::optional<std::uint32_t> RunAddColumnDialog(QWidget* parent);

// The help-file context number of a dialog control, or of the nearest parent that has one;
// 0 when none has.
int HelpContextOf(const QWidget* control);

}  // namespace reelkeep
