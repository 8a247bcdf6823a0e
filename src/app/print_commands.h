#pragma once

#include <QPrinter>
#include <cstdint>

class QWidget;

namespace reelkeep {

class CReelkeepView;
class CSettingsStore;
class IShellDialogs;

// Print, Print Preview and Print Setup. The printer, with the paper and orientation chosen in
// Print Setup or the print dialog, stays in force for the later jobs of the run.
class CPrintCommands {
public:
    CPrintCommands(CReelkeepView& view, IShellDialogs& dialogs, CSettingsStore& store,
                   QWidget* window);

    void Print();
    void Preview();
    void Setup();
    // Prints pages first..last (0 for the job's last) without a dialog; false, after telling
    // the user, when the printer cannot start or the job has no such pages.
    bool PrintPages(bool selection, std::uint32_t first, std::uint32_t last);

    QPrinter& Printer() { return printer_; }

private:
    CReelkeepView& view_;
    IShellDialogs& dialogs_;
    CSettingsStore& store_;
    QWidget* window_;
    QPrinter printer_;
};

}  // namespace reelkeep
