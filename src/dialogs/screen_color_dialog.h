#pragma once

#include "color_list_dialog.h"
#include "option_values.h"

namespace reelkeep {

// Change Screen Color: the four screen colours, the list painted in the colour of the entry
// selected. No entry is selected at first.
class CScreenColorDialog : public CColorListDialog {
    Q_OBJECT
public:
    CScreenColorDialog(const ScreenColors& colors, IOptionPickers& pickers,
                       QWidget* parent = nullptr);

    ScreenColors Colors() const;
};

// Edits colors; true when the dialog was closed with OK.
bool RunScreenColorDialog(QWidget* parent, ScreenColors& colors, IOptionPickers& pickers);

}  // namespace reelkeep
