#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "option_values.h"
#include "qt_ui.h"
#include "recent_files.h"
#include "reelkeep_doc.h"

namespace reelkeep {

class CMainFrame;
class CSettingsStore;
class IShellDialogs;

// The application object: owns the settings, the one document and the main window for the
// whole run, and brings them up in start-up order.
class CReelkeepApp {
public:
    // The user's settings store and the real dialogs.
    CReelkeepApp();
    // Tests pass their own store and scripted dialogs.
    CReelkeepApp(std::unique_ptr<CSettingsStore> store, std::unique_ptr<IShellDialogs> dialogs);
    ~CReelkeepApp();
    CReelkeepApp(const CReelkeepApp&) = delete;
    CReelkeepApp& operator=(const CReelkeepApp&) = delete;

    // Start-up up to a shown main window; false when the application is to end at once.
    bool Start(const QStringList& arguments);
    // Set when the run's work ended within start-up (printing from the command line).
    std::optional<int> ExitStatus() const { return exitStatus_; }

    CReelkeepDoc& Doc() { return doc_; }
    CMainFrame& Frame() { return *frame_; }
    // The settings in force, once started.
    const ScreenColors& Colors() const;
    const FontSpec& ScreenFont() const;
    const FontSpec& LabelFont() const;
    const OptionValues& Options() const;

private:
    bool PrintFile(const QString& file);
    QString LastFileToLoad() const;
    // Offers the changes a crashed run left; true when they were recovered.
    bool OfferRecovery();
    void ApplySettings();

    std::unique_ptr<CSettingsStore> store_;
    std::unique_ptr<IShellDialogs> dialogs_;
    CRecentFiles recent_;
    CQtUI ui_;
    CReelkeepDoc doc_;
    std::unique_ptr<CMainFrame> frame_;
    std::optional<int> exitStatus_;
};

}  // namespace reelkeep
