#pragma once

#include <QFont>
#include <QString>
#include <array>

#include "catalogue_display.h"
#include "display_options.h"
#include "view_colors.h"
#include "view_geometry.h"

namespace reelkeep {

// How the catalogue view draws, as the window's settings make it: its fonts, colours, display
// options, and the texts of its column titles and custom headings. The view keeps one, the tool
// makes one from the same settings, and a print job takes its style from it.
struct ViewLook {
    QFont screenFont;  // pixel-sized, as the view draws
    QFont labelFont;
    ViewColors colors;
    ViewDisplayOptions options;
    std::array<QString, 10> columnTitles;
    std::array<QString, kCustomFieldCount> headings;
};

// The look the view starts with on a dpiY screen, before the settings are handed over; the
// custom headings are still empty.
ViewLook StartingLook(int dpiY);
// A font of sizeTenths tenths of a point on a dpiY screen, sized in pixels as the view draws.
QFont MakeViewFont(const QString& face, int sizeTenths, int weight, bool italic, int dpiY);
// The custom headings, and the column titles of the custom fields, which follow them.
void UseCustomHeadings(ViewLook& look, const HeadingTexts& headings);

// What the layout takes from each font.
void MeasureScreenFont(const QFont& font, ViewMetrics& metrics);
void MeasureLabelFont(const QFont& font, ViewMetrics& metrics);
// Both fonts of the look, on a dpiY screen.
ViewMetrics MeasureLook(const ViewLook& look, int dpiY);

}  // namespace reelkeep
