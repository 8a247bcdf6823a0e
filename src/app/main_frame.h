#pragma once

#include <QMainWindow>
#include <map>
#include <memory>

#include "command_ids.h"
#include "document_lifetime.h"

class QAction;
class QMenu;
class QToolBar;

namespace reelkeep {

class CGoToEntryWindow;
class CReelkeepDoc;
class CReelkeepView;
class CInstanceServer;
class CPrintCommands;
class CRecoveryCopy;
class CRecentFiles;
class CSettingsStore;
class CStatusPanes;
class CUserSettings;
class IShellDialogs;
struct CommandInfo;

// The main window: menu bar, dockable toolbar, status bar with its progress layout and the
// catalogue view. Every menu item and toolbar button is a QAction keyed by its command id; the
// frame asks the view, the document or itself whether a command is enabled or checked whenever
// a menu opens and after every command and selection change.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(CReelkeepDoc& doc, CRecentFiles& recent, IShellDialogs& dialogs,
               CSettingsStore& store);
    ~CMainFrame() override;

    CReelkeepView& View() { return *view_; }
    // Opened when the view asks for Go to Entry; hidden, not destroyed, when closed.
    CGoToEntryWindow& GoToWindow() const { return *goToWindow_; }
    CDocumentLifetime& Lifetime() { return lifetime_; }
    CStatusPanes& StatusPanes() { return *panes_; }
    CPrintCommands& Printing() { return *printing_; }
    CUserSettings& Settings() { return *settings_; }
    // Once kept, a copy of unsaved changes is written from time to time; a run that only
    // prints never starts this.
    void KeepRecoveryCopies();
    CRecoveryCopy& Recovery() { return *recovery_; }

    // The status bar's layouts for long loops.
    void ShowProgressLayout();
    void ShowNormalLayout();
    void SetProgressCaption(const QString& text);

    // While the document changes, the view keeps showing its last picture and the menus and
    // toolbar keep their states, so nothing shows a half-changed catalogue.
    void BeginDocumentChange();
    void EndDocumentChange();

    bool IsCommandEnabled(CommandId id) const;
    bool IsCommandChecked(CommandId id) const;
    // Runs an enabled command through whoever handles it, then refreshes the command states.
    void ExecuteCommand(CommandId id);
    void RefreshCommandStates();
    // The desktop session is ending: asks "Save changes to …?" as closing the window does;
    // false when the user cancelled, to hold the session up. Where no question may be asked,
    // the recovery copy keeps the changes instead.
    bool CommitSessionData(bool allowsInteraction);
    // Takes the files later starts hand over: the window comes forward, and each file opens as
    // a dropped one does once no dialog or command is under way.
    void ServeHandOvers(CInstanceServer& server);
    // Brings the window forward and opens path as File Open does (nothing for an empty path).
    void OpenHandedFile(const QString& path);

    // The action of a command (menu item and toolbar button alike); nullptr for unknown ids.
    QAction* Action(CommandId id) const;
    QToolBar* ToolBar() const { return toolbar_; }
    // The four recent-file entries of the File menu; those past the end of the list are hidden.
    const QList<QAction*>& RecentFileActions() const { return recentActions_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateActions();
    QAction* CreateAction(const CommandInfo& info);
    void CreateMenus();
    void FillMenu(QMenu& menu, const struct MenuSpec& contents);
    void CreateToolBar();
    void CreateStatusBar();
    void UpdateRecentFileMenu();
    void UpdateCaption();
    // "Filter on: 14 of 60 movies" while a filter is on, else empty.
    QString FilterStatusText() const;

    // Commands the frame answers itself: the file commands, the bars, help, the panes, About
    // and Exit.
    static bool IsOwnCommand(CommandId id);
    bool IsOwnChecked(CommandId id) const;
    void ExecuteOwn(CommandId id);
    // The panes are the catalogue and the toolbar while it is docked and shown; F6 and Shift+F6
    // move the keyboard focus from one to the other.
    void FocusOtherPane();
    QWidget* FirstToolbarButton() const;
    void BringToFront();
    bool IsFreeForHandOver() const;
    // While a file is read for the catalogue, only what needs no catalogue stays enabled.
    static bool IsEnabledWhileLoading(CommandId id);

    CReelkeepDoc& doc_;
    CRecentFiles& recent_;
    IShellDialogs& dialogs_;
    CSettingsStore& store_;
    CDocumentLifetime lifetime_;
    CReelkeepView* view_ = nullptr;
    CGoToEntryWindow* goToWindow_ = nullptr;
    std::unique_ptr<CPrintCommands> printing_;
    std::unique_ptr<CUserSettings> settings_;
    std::unique_ptr<CRecoveryCopy> recovery_;  // null until KeepRecoveryCopies()
    CStatusPanes* panes_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    std::map<CommandId, QAction*> actions_;
    bool documentChanging_ = false;
    QAction* recentPlaceholder_ = nullptr;
    QAction* cancelLoad_ = nullptr;  // Escape while a file is read
    QList<QAction*> recentActions_;
};

}  // namespace reelkeep
