#pragma once

#include <vector>

#include "csv_mapping.h"
#include "csv_reader.h"
#include "fields.h"
#include "import_report.h"

namespace reelkeep {

// The movies of a table as the mapping sends its columns to fields; the table's values are
// moved out. The report gets the count and every problem of reading and mapping, by line.
std::vector<RecordValues> ImportedRecords(CsvTable& table, const ColumnMapping& mapping,
                                          ImportReport& report);

}  // namespace reelkeep
