#pragma once

#include <QFont>
#include <QString>
#include <array>

#include "display_options.h"
#include "fields.h"
#include "report_pagination.h"
#include "view_colors.h"

namespace reelkeep {

// What a print job takes from the window when it starts: options, colours, fonts and texts.
struct PrintStyle {
    ViewDisplayOptions options;  // grid, box, synopsis, custom fields, list grids
    ViewColors colors;           // the screen colours ("Use Screen Colors")
    std::array<QString, 10> columnTitles;
    std::array<QString, kCustomFieldCount> headings;
    QFont screenFont;       // pixel-sized, as the view draws
    QFont labelFont;        // the label screen font, pixel-sized
    int screenDpiY = 96;    // the resolution the stored column positions were measured in
    int printerColors = 2;  // colour printing only above 2
    LabelColorChoice printerColor = LabelColorChoice::BlackOnly;  // "Printer Color"
    ReportPrintOptions report;  // page numbers, and the article rule of the "Sorted by" line
};

// The fonts a job prints with: the screen font at four times its pixel height (and its bold
// form for the Normal View's captions), and the label font at three times.
struct PrintFonts {
    QFont text;
    QFont bold;
    QFont label;
};
PrintFonts MakePrintFonts(const PrintStyle& style);

// Printer measurements taken at the start of every job, in printer pixels.
struct PrintMetrics {
    int lineHeight = 1;    // height + external leading + 3 of the measuring font
    int charWidth = 1;     // its average character width
    int linesPerPage = 0;  // printable height / lineHeight
    int right = 0;         // printable width - 5
    int pageHeight = 0;    // printable height
    int dpiX = 300;
    int dpiY = 300;
    int offsetX = 0;  // the printable area's distance from the paper's left edge
    int offsetY = 0;  // and from its top edge

    // An inch figure given in hundredths, in pixels across.
    int Inch(int hundredths) const { return dpiX * hundredths / 100; }
};

}  // namespace reelkeep
