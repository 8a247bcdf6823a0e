#pragma once

#include <QColor>
#include <string_view>

#include "catalogue_display.h"
#include "display_options.h"
#include "view_colors.h"

// The colours of label text by the "Printer Color" choice: the screen's colours, the
// catalogue's label colours, or black. The label view and the printed labels both use them.
namespace reelkeep {

// Captions and the tape number.
QColor ChosenHeadingColor(LabelColorChoice choice, const ViewColors& colors,
                          const CCatalogueDisplay& display);
// The values of a movie of the given type.
QColor ChosenDataColor(LabelColorChoice choice, const ViewColors& colors,
                       const CCatalogueDisplay& display, std::string_view movieType);

}  // namespace reelkeep
