#pragma once

namespace reelkeep {

// The number of colours the default printer prints: 2 (black and white) for a printer without
// colour, and when there is no default printer at all. Label colours are offered only above 2.
int DefaultPrinterColorCount();

}  // namespace reelkeep
