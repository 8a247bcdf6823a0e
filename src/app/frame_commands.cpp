// The main frame's command routing and its own commands: file lifetime, bars, help, panes,
// About, Exit, closing and dropped files.
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <QWhatsThis>
#include <optional>

#include "file_names.h"
#include "help_contexts.h"
#include "help_window.h"
#include "main_frame.h"
#include "print_commands.h"
#include "recent_files.h"
#include "recovery_copy.h"
#include "reelkeep_doc.h"
#include "reelkeep_view.h"
#include "settings_store.h"
#include "shell_dialogs.h"
#include "single_instance.h"
#include "user_settings.h"
#include "wait_cursor.h"
#include "window_placement.h"

namespace reelkeep {

namespace {

QString FirstLocalFile(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) continue;
        // From the escaped bytes: toLocalFile() loses a byte of a name that is not UTF-8.
        if (!url.host().isEmpty()) return url.toLocalFile();
        return PathFromBytes(
            QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
    }
    return {};
}

}  // namespace

bool CMainFrame::IsOwnCommand(CommandId id) {
    switch (id) {
        case CommandId::FileNew:
        case CommandId::FileOpen:
        case CommandId::FileSave:
        case CommandId::FileSaveAs:
        case CommandId::FilePrint:
        case CommandId::FilePrintPreview:
        case CommandId::FilePrintSetup:
        case CommandId::AppExit:
        case CommandId::ViewToolbar:
        case CommandId::ViewStatusBar:
        case CommandId::About:
        case CommandId::HelpTopics:
        case CommandId::Help:
        case CommandId::ContextHelp:
        case CommandId::NextPane:
        case CommandId::PrevPane:
            return true;
        default:
            return false;
    }
}

// The view answers first, then the document, then the settings, then the frame; a command
// nobody handles yet is shown disabled.
bool CMainFrame::IsCommandEnabled(CommandId id) const {
    if (lifetime_.Loading() && !IsEnabledWhileLoading(id)) return false;
    if (CReelkeepView::Handles(id)) return view_->IsEnabled(id);
    if (CReelkeepDoc::Handles(id)) return doc_.IsEnabled(id);
    if (CUserSettings::Handles(id)) return settings_->IsEnabled(id);
    return IsOwnCommand(id);
}

bool CMainFrame::IsCommandChecked(CommandId id) const {
    if (CReelkeepView::Handles(id)) return view_->IsChecked(id);
    if (CReelkeepDoc::Handles(id)) return doc_.IsChecked(id);
    return IsOwnChecked(id);
}

bool CMainFrame::IsEnabledWhileLoading(CommandId id) {
    switch (id) {
        case CommandId::FileSave:
        case CommandId::FileSaveAs:
        case CommandId::FilePrint:
        case CommandId::FilePrintPreview:
        case CommandId::FilePrintSetup:
            return false;
        default:
            // The rest of the frame's own commands need no catalogue.
            return IsOwnCommand(id);
    }
}

bool CMainFrame::IsOwnChecked(CommandId id) const {
    switch (id) {
        case CommandId::ViewToolbar:
            return !toolbar_->isHidden();
        case CommandId::ViewStatusBar:
            return !statusBar()->isHidden();
        default:
            return false;
    }
}

void CMainFrame::ExecuteCommand(CommandId id) {
    // A checkable button has already checked itself when it was clicked; until the command
    // says otherwise, the buttons show the state the document is in.
    RefreshCommandStates();
    // States can be stale between refreshes (an accelerator pressed after a change); a
    // disabled command never runs.
    if (IsCommandEnabled(id)) {
        // What's This puts up a cursor of its own, which must outlast the command.
        std::optional<CWaitCursor> wait;
        if (id != CommandId::ContextHelp) wait.emplace();
        if (CReelkeepView::Handles(id)) {
            view_->Execute(id);
        } else if (CReelkeepDoc::Handles(id)) {
            doc_.Execute(id);
        } else if (CUserSettings::Handles(id)) {
            settings_->Execute(id);
        } else {
            ExecuteOwn(id);
        }
        if (recovery_) {
            // A display command may lay out a list whose columns the file keeps.
            recovery_->FollowDocument(true);
            recovery_->NoteCommand();
        }
    }
    RefreshCommandStates();
}

void CMainFrame::ExecuteOwn(CommandId id) {
    switch (id) {
        case CommandId::FileNew:
            lifetime_.NewCatalogue();
            break;
        case CommandId::FileOpen:
            lifetime_.Open();
            break;
        case CommandId::FileSave:
            lifetime_.Save();
            break;
        case CommandId::FileSaveAs:
            lifetime_.SaveAs();
            break;
        case CommandId::FilePrint:
            printing_->Print();
            break;
        case CommandId::FilePrintPreview:
            printing_->Preview();
            break;
        case CommandId::FilePrintSetup:
            printing_->Setup();
            break;
        case CommandId::AppExit:
            close();
            break;
        case CommandId::ViewToolbar:
            toolbar_->setVisible(toolbar_->isHidden());
            break;
        case CommandId::ViewStatusBar:
            statusBar()->setVisible(statusBar()->isHidden());
            break;
        case CommandId::About:
            dialogs_.ShowAbout(this);
            break;
        case CommandId::HelpTopics:
        case CommandId::Help:
            // In a dialog F1 never reaches the main window: the help requests answer it there.
            ShowHelpTopic(this, help::kContents);
            break;
        case CommandId::ContextHelp:
            QWhatsThis::enterWhatsThisMode();
            break;
        case CommandId::NextPane:
        case CommandId::PrevPane:
            // With two panes the next one is the previous one too.
            FocusOtherPane();
            break;
        default:
            break;
    }
}

QWidget* CMainFrame::FirstToolbarButton() const {
    if (toolbar_->isHidden() || toolbar_->isFloating()) return nullptr;
    for (QAction* action : toolbar_->actions()) {
        QWidget* button = toolbar_->widgetForAction(action);
        if (!action->isSeparator() && button != nullptr && button->isVisible() &&
            button->isEnabled()) {
            return button;
        }
    }
    return nullptr;
}

void CMainFrame::FocusOtherPane() {
    QWidget* button = FirstToolbarButton();
    if (button != nullptr && !toolbar_->isAncestorOf(QApplication::focusWidget())) {
        button->setFocus(Qt::ShortcutFocusReason);
    } else {
        view_->setFocus(Qt::ShortcutFocusReason);
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // The file being read is given up; the catalogue it would have replaced is the one to keep.
    lifetime_.CancelLoading();
    if (!lifetime_.SaveModified()) {
        event->ignore();
        return;
    }
    SavePlacement(store_, CapturePlacement(*this));
    store_.Sync();
    // Saved or given up: nothing is left to recover.
    if (recovery_) recovery_->Remove();
    event->accept();
}

bool CMainFrame::CommitSessionData(bool allowsInteraction) {
    if (!doc_.IsModified()) return true;
    if (!allowsInteraction) {
        if (recovery_) recovery_->WriteIfModified(true);
        return true;
    }
    if (!lifetime_.SaveModified()) return false;
    // Saved, or the changes were given up on purpose.
    if (recovery_) recovery_->Remove();
    return true;
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!FirstLocalFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QString path = FirstLocalFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    OpenHandedFile(path);
}

void CMainFrame::ServeHandOvers(CInstanceServer& server) {
    connect(&server, &CInstanceServer::knocked, this, &CMainFrame::BringToFront);
    connect(&server, &CInstanceServer::requested, this, &CMainFrame::OpenHandedFile);
    server.SetFreeCheck([this] { return IsFreeForHandOver(); });
}

void CMainFrame::OpenHandedFile(const QString& path) {
    BringToFront();
    if (path.isEmpty()) return;
    const CWaitCursor wait;
    lifetime_.OpenFile(path);
    RefreshCommandStates();
}

void CMainFrame::BringToFront() {
    // Un-minimized to the state it had, maximized or not.
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

// A file opened under an open dialog, menu or command would pull the catalogue from under it.
bool CMainFrame::IsFreeForHandOver() const {
    return !documentChanging_ && QApplication::activeModalWidget() == nullptr &&
           QApplication::activePopupWidget() == nullptr;
}

}  // namespace reelkeep
