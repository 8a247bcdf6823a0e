#include "printer_info.h"

#include <QPrinterInfo>

namespace reelkeep {

int DefaultPrinterColorCount() {
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull()) return 2;
    return printer.supportedColorModes().contains(QPrinter::Color) ? 256 : 2;
}

}  // namespace reelkeep
