#include "reelkeep_doc.h"

namespace reelkeep {

void CReelkeepDoc::EditCustomHeadingCommand() {
    HeadingTexts headings = shown_.CustomHeadings();
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
