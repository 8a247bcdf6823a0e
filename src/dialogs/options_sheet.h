#pragma once

#include <QDialog>
#include <array>

#include "option_values.h"

class QTabWidget;

namespace reelkeep {

class COptionPage;
class IOptionPickers;

// Options: the four option pages on tabs, with OK, Cancel and Help. The pages edit a working
// copy of the values, which only OK hands back; Help opens the topic of the page shown.
class COptionsSheet : public QDialog {
    Q_OBJECT
public:
    COptionsSheet(const OptionsSheetValues& values, IOptionPickers& pickers,
                  QWidget* parent = nullptr);

    const OptionsSheetValues& Values() const { return values_; }

    void accept() override;

private:
    void ShowHelp();

    OptionsSheetValues values_;  // before the pages, which keep references into it
    IOptionPickers& pickers_;
    QTabWidget* tabs_;
    std::array<COptionPage*, 4> pages_{};
};

}  // namespace reelkeep
