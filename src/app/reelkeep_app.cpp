#include "reelkeep_app.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <QPrinterInfo>
#include <cstdio>

#include "app_strings.h"
#include "command_line.h"
#include "file_access.h"
#include "file_errors.h"
#include "file_names.h"
#include "main_frame.h"
#include "print_commands.h"
#include "printer_info.h"
#include "qt_text.h"
#include "recovery_copy.h"
#include "settings_store.h"
#include "shell_dialogs.h"
#include "user_settings.h"
#include "window_placement.h"

namespace reelkeep {

CReelkeepApp::CReelkeepApp()
    : CReelkeepApp(std::make_unique<CSettingsStore>(), std::make_unique<CQtShellDialogs>()) {}

CReelkeepApp::CReelkeepApp(std::unique_ptr<CSettingsStore> store,
                           std::unique_ptr<IShellDialogs> dialogs)
    : store_(std::move(store)), dialogs_(std::move(dialogs)), ui_(*dialogs_), doc_(ui_) {}

CReelkeepApp::~CReelkeepApp() = default;

bool CReelkeepApp::Start(const QStringList& arguments) {
    // The installed desktop entry and its icon, so that the desktop shows the window as it shows
    // the menu entry; the icon built in serves a Reelkeep run from its build folder.
    const QString desktopId = QStringLiteral("org.quillfen.Reelkeep");
    QGuiApplication::setDesktopFileName(desktopId);
    QApplication::setWindowIcon(
        QIcon::fromTheme(desktopId, QIcon(QStringLiteral(":/icons/reelkeep.xpm"))));
    recent_.Load(*store_);
    const CommandLine line = ParseCommandLine(arguments);
    if (!line.error.isEmpty()) {
        dialogs_->ShowMessage(nullptr, line.error, MessageButtons::Ok, MessageIcon::Warning);
        return false;
    }
    if (!line.printFile.isEmpty()) return PrintFile(line.printFile);
    const QString lastFile = line.file.isEmpty() ? LastFileToLoad() : QString();

    frame_ = std::make_unique<CMainFrame>(doc_, recent_, *dialogs_, *store_);
    ui_.Attach(doc_, *frame_);
    frame_->KeepRecoveryCopies();
    const bool recovered = OfferRecovery();
    const QString startupFile = recovered ? QString() : line.file.isEmpty() ? lastFile : line.file;
    // A file that cannot be read at all ends the start-up before any window shows.
    if (!startupFile.isEmpty() && !frame_->Lifetime().IsReadable(startupFile)) return false;
    if (!recovered) frame_->Lifetime().StartNewCatalogue();

    ApplyPlacement(*frame_, LoadPlacement(*store_));
    frame_->repaint();
    doc_.SetProgressEnabled(true);
    doc_.SetPrinterColorCount(DefaultPrinterColorCount());
    ApplySettings();
    // The window shows at once, with a new catalogue; the file's follows once it is read.
    if (!startupFile.isEmpty()) frame_->Lifetime().OpenInBackground(startupFile);
    frame_->RefreshCommandStates();
    // The file asked for still opens, after the recovered changes had their save question.
    if (recovered && !line.file.isEmpty()) frame_->OpenHandedFile(line.file);
    return true;
}

// The catalogue printed on the default printer with the saved options, without a window; the
// run then ends. It leaves the recent files and any recovery copy alone: nothing was opened for
// the user to come back to.
bool CReelkeepApp::PrintFile(const QString& file) {
    frame_ = std::make_unique<CMainFrame>(doc_, recent_, *dialogs_, *store_);
    ui_.Attach(doc_, *frame_);
    // The file first: a file that cannot be printed says why, printer or not.
    if (!doc_.OpenDocument(CorePath(file))) return false;
    if (QPrinterInfo::defaultPrinter().isNull()) {
        std::fprintf(stderr, "%s\n",
                     FromQt(appstr::Tr(appstr::kNoPrinter).arg(DisplayPath(file))).c_str());
        return false;
    }
    doc_.SetPrinterColorCount(DefaultPrinterColorCount());
    ApplySettings();
    frame_->Printing().NameJobsAfter(file);
    if (!frame_->Printing().PrintPages(false, 1, 0)) return false;
    exitStatus_ = 0;
    return true;
}

// The most recent file when "LoadLast" asks for it and it can be read; empty otherwise.
QString CReelkeepApp::LastFileToLoad() const {
    if (store_->ReadInt(kSectionUserData, "LoadLast", 0) != 1 || recent_.Paths().isEmpty()) {
        return {};
    }
    const QString& path = recent_.Paths().front();
    try {
        CFileSource readable(CorePath(path));
        return path;
    } catch (const CFileError&) {
        return {};
    }
}

bool CReelkeepApp::OfferRecovery() {
    CRecoveryCopy& recovery = frame_->Recovery();
    auto found = recovery.Leftover();
    if (!found) return false;
    const QString name = found->originalPath.isEmpty() ? appstr::Tr(appstr::kUntitled)
                                                       : DisplayFileName(found->originalPath);
    const auto refuse = [&] {
        if (!found->refused) return;
        const bool other = *found->refused == journal::Verdict::OtherCatalogue;
        dialogs_->ShowMessage(
            nullptr,
            appstr::Tr(other ? appstr::kJournalOtherCatalogue : appstr::kJournalDamaged).arg(name),
            MessageButtons::Ok, MessageIcon::Warning);
        // The whole copy, if any, is still good; the journal is not offered again.
        found->replay = false;
        found->refused.reset();
    };
    refuse();
    if (!found->copyPath.isEmpty()) {
        const QString when = QLocale().toString(found->written, QLocale::ShortFormat);
        const QString question = appstr::Tr(appstr::kRecoverPrompt).arg(name, when);
        if (dialogs_->AskRecover(nullptr, question)) {
            if (!recovery.PrepareCopy(*found)) refuse();
            if (QFileInfo::exists(found->copyPath) &&
                frame_->Lifetime().LoadRecoveryCopy(found->copyPath, found->originalPath)) {
                // Kept until the changes are saved: a second crash must not lose them either.
                recovery.FollowRecoveredCopy();
                return true;
            }
        }
    }
    recovery.Remove();
    return false;
}

void CReelkeepApp::ApplySettings() {
    frame_->Settings().LoadAndApply();
    store_->Sync();
}

const ScreenColors& CReelkeepApp::Colors() const { return frame_->Settings().Colors(); }

const FontSpec& CReelkeepApp::ScreenFont() const { return frame_->Settings().ScreenFont(); }

const FontSpec& CReelkeepApp::LabelFont() const { return frame_->Settings().LabelFont(); }

const OptionValues& CReelkeepApp::Options() const { return frame_->Settings().Options(); }

}  // namespace reelkeep
