#pragma once

#include <QPrinter>
#include <cstdint>
#include <memory>

#include "print_job.h"

class QWidget;

namespace reelkeep {

class CDocumentLifetime;
class CReelkeepDoc;
class CReelkeepView;
class CSettingsStore;
class CUserSettings;
class IShellDialogs;

// Print, Print Preview and Print Setup, one job at a time: what a job prints is the mode the
// view shows, with the view's look and the printing options in force when the job begins. The
// printer, with the paper and orientation chosen in Print Setup or the print dialog, stays in
// force for the later jobs of the run. Each job is named after the catalogue's file.
class CPrintCommands {
public:
    CPrintCommands(const CReelkeepDoc& doc, const CDocumentLifetime& lifetime,
                   const CReelkeepView& view, const CUserSettings& settings, IShellDialogs& dialogs,
                   CSettingsStore& store, QWidget* window);
    ~CPrintCommands();

    void Print();
    void Preview();
    void Setup();
    // Prints pages first..last (0 for the job's last) without a dialog; false, after telling
    // the user, when the printer cannot start or the job has no such pages.
    bool PrintPages(bool selection, std::uint32_t first, std::uint32_t last);
    // The pages of the job begun (1 without one).
    std::uint32_t JobPages() const;

    QPrinter& Printer() { return printer_; }
    // Names the jobs after file when the catalogue was read without becoming the window's (-p).
    void NameJobsAfter(const QString& file) { jobFile_ = file; }

private:
    // Before the print dialog: whether it offers "Selection" (rows are selected) and how many
    // pages printing everything takes on the printer.
    struct PrintOffer {
        bool selection = false;
        std::uint32_t pages = 1;
    };
    PrintOffer OfferPrinting();
    PrintRequest MakeRequest(bool printSelection) const;
    // Measures the printer and paginates the mode shown, the selected rows alone when asked; a
    // job printing selected labels asks its questions here. False when the user cancelled one
    // of them: there is no job to print.
    bool BeginJob(bool printSelection, ILabelPrintQuestions& questions);
    // Draws page (1-based) of the job begun; any page, in any order.
    void DrawJobPage(QPainter& painter, std::uint32_t page) const;
    void EndJob();

    const CReelkeepDoc& doc_;
    const CDocumentLifetime& lifetime_;
    const CReelkeepView& view_;
    const CUserSettings& settings_;
    IShellDialogs& dialogs_;
    CSettingsStore& store_;
    QWidget* window_;
    QPrinter printer_;
    std::unique_ptr<CPrintJob> job_;
    QString jobFile_;
};

}  // namespace reelkeep
