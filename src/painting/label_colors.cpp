#include "label_colors.h"

namespace reelkeep {

QColor ChosenHeadingColor(LabelColorChoice choice, const ViewColors& colors,
                          const CCatalogueDisplay& display) {
    switch (choice) {
        case LabelColorChoice::ScreenColors:
            return colors.heading;
        case LabelColorChoice::LabelColors: {
            const auto& headings = display.HeadingColors();
            return headings.empty() ? QColor(Qt::black) : ToQColor(headings[0]);
        }
        case LabelColorChoice::BlackOnly:
            break;
    }
    return Qt::black;
}

QColor ChosenDataColor(LabelColorChoice choice, const ViewColors& colors,
                       const CCatalogueDisplay& display, std::string_view movieType) {
    switch (choice) {
        case LabelColorChoice::ScreenColors:
            return colors.data;
        case LabelColorChoice::LabelColors: {
            // The type must match a lookup entry exactly; colours follow the list's order.
            const auto& types = display.Catalogue().Lookup(LookupKind::MovieTypes).Entries();
            const auto& dataColors = display.DataColors();
            for (std::size_t k = 0; k < types.size() && k < dataColors.size(); ++k) {
                if (types[k] == movieType) return ToQColor(dataColors[k]);
            }
            break;
        }
        case LabelColorChoice::BlackOnly:
            break;
    }
    return Qt::black;
}

}  // namespace reelkeep
