#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "color_list_dialog.h"

namespace reelkeep {

// Label Color Selection: one line per movie type, in list order, with its label colour. The
// prompt above the list is painted in the colour of the line selected.
class CLabelColorDialog : public CColorListDialog {
    Q_OBJECT
public:
    // colors[k] is the colour of movieTypes[k].
    CLabelColorDialog(const std::vector<std::string>& movieTypes,
                      const std::vector<std::uint32_t>& colors, IOptionPickers& pickers,
                      QWidget* parent = nullptr);

    // Every line's colour put into the place of its movie type.
    void TakeColors(std::vector<std::uint32_t>& colors) const;

private:
    void AddMovieTypes(const std::vector<std::string>& movieTypes,
                       const std::vector<std::uint32_t>& colors);
};

}  // namespace reelkeep
