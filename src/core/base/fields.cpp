#include "fields.h"

namespace reelkeep {

bool FieldOfColumn(std::uint32_t columnId, Field& field) {
    static constexpr std::array<Field, 10> kByColumn = {
        Field::MovieName, Field::Rating,  Field::Time,      Field::Custom1,   Field::Custom2,
        Field::Custom3,   Field::Custom4, Field::MediaType, Field::MovieType, Field::TapeNumber,
    };
    if (columnId < 1 || columnId > kByColumn.size()) return false;
    field = kByColumn[columnId - 1];
    return true;
}

}  // namespace reelkeep
