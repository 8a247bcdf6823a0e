#include "main_frame.h"

#include <QAction>
#include <QGuiApplication>
#include <QIcon>
#include <QKeySequence>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QSessionManager>
#include <QStatusBar>
#include <QToolBar>

#include "app_strings.h"
#include "column_edit_route.h"
#include "command_table.h"
#include "dialog_widgets.h"
#include "file_names.h"
#include "help_contexts.h"
#include "help_requests.h"
#include "print_commands.h"
#include "qt_text.h"
#include "recent_files.h"
#include "recovery_copy.h"
#include "reelkeep_doc.h"
#include "reelkeep_view.h"
#include "settings_store.h"
#include "status_progress.h"
#include "user_settings.h"
#include "view_requests.h"

namespace reelkeep {

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString CommandText(std::string_view english) { return Translated("Commands", english); }

QIcon CommandIcon(const CommandInfo& info) {
    const QIcon drawn(QStringLiteral(":/icons/") + Text(info.icon));
    return info.themeIcon.empty() ? drawn : QIcon::fromTheme(Text(info.themeIcon), drawn);
}

}  // namespace

CMainFrame::CMainFrame(CReelkeepDoc& doc, CRecentFiles& recent, IShellDialogs& dialogs,
                       CSettingsStore& store)
    : doc_(doc),
      recent_(recent),
      dialogs_(dialogs),
      store_(store),
      lifetime_(doc, recent, dialogs, this) {
    view_ = new CReelkeepView(doc_, this);
    setCentralWidget(view_);
    AttachPageHelp(view_, help::kCatalogueView);
    new CHelpRequests(this);
    settings_ = std::make_unique<CUserSettings>(doc_, *view_, store_, dialogs_, this);
    printing_ = std::make_unique<CPrintCommands>(doc_, lifetime_, *view_, *settings_, dialogs_,
                                                 store_, this);
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    setAcceptDrops(true);
    connect(view_, &CReelkeepView::commandRequested, this, &CMainFrame::ExecuteCommand);
    connect(view_, &CReelkeepView::selectionChanged, this, &CMainFrame::RefreshCommandStates);
    RouteColumnEdits(*view_, doc_);
    goToWindow_ = &AnswerViewRequests(*view_, doc_.Display());
    connect(&lifetime_, &CDocumentLifetime::pathChanged, this, &CMainFrame::UpdateCaption);
    cancelLoad_ = new QAction(this);
    cancelLoad_->setShortcut(QKeySequence(Qt::Key_Escape));
    cancelLoad_->setEnabled(false);
    addAction(cancelLoad_);
    connect(cancelLoad_, &QAction::triggered, &lifetime_, &CDocumentLifetime::CancelLoading);
    connect(&lifetime_, &CDocumentLifetime::loadingChanged, this, [this] {
        view_->AwaitCatalogue(lifetime_.Loading() && doc_.Catalogue().Count() == 0);
        UpdateCaption();
        RefreshCommandStates();
    });
    connect(&recent_, &CRecentFiles::changed, this, &CMainFrame::UpdateRecentFileMenu);
    // Kept at once rather than only on exit, so a crash does not lose the list.
    connect(&recent_, &CRecentFiles::changed, this, [this] {
        recent_.Save(store_);
        store_.Sync();
    });
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        const bool mayAsk = manager.allowsInteraction();
        const bool carryOn = CommitSessionData(mayAsk);
        // Done asking: the other programs may ask theirs.
        if (mayAsk) manager.release();
        if (!carryOn) manager.cancel();
    });
    UpdateCaption();
    UpdateRecentFileMenu();
    RefreshCommandStates();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::KeepRecoveryCopies() {
    recovery_ = std::make_unique<CRecoveryCopy>(doc_, CRecoveryCopy::DefaultFolder());
    // The timer can fire in a modal loop opened halfway through a command.
    recovery_->SetBusyCheck([this] { return documentChanging_; });
    // A catalogue saved, opened or started afresh has no unsaved changes left to recover.
    connect(&lifetime_, &CDocumentLifetime::pathChanged, this, [this] {
        recovery_->SetOriginalPath(lifetime_.Path());
        if (!doc_.IsModified()) recovery_->Remove();
    });
}

void CMainFrame::CreateActions() {
    for (const CommandInfo& info : AllCommands()) actions_[info.id] = CreateAction(info);
    for (const CommandId id : CommandsOutsideMenus()) addAction(actions_.at(id));
}

QAction* CMainFrame::CreateAction(const CommandInfo& info) {
    // The label in the user's language; the accelerator stays the English text's.
    const QString label = CommandText(info.menuText).section(u'\t', 0, 0);
    auto* action = new QAction(label, this);
    QList<QKeySequence> keys;
    for (const std::string_view key : {MenuAccelerator(info), info.standardKey}) {
        if (!key.empty()) keys.append(QKeySequence(Text(key), QKeySequence::PortableText));
    }
    action->setShortcuts(keys);
    action->setStatusTip(CommandText(info.prompt));
    action->setWhatsThis(CommandText(info.prompt));
    action->setToolTip(info.toolTip.empty() ? ToQt(ToolTipText(FromQt(label)))
                                            : CommandText(info.toolTip));
    action->setCheckable(info.checkable);
    if (!info.icon.empty()) action->setIcon(CommandIcon(info));
    // Menus show check marks, not the toolbar's pictures.
    action->setIconVisibleInMenu(false);
    const CommandId id = info.id;
    connect(action, &QAction::triggered, this, [this, id] { ExecuteCommand(id); });
    return action;
}

void CMainFrame::CreateMenus() {
    for (const MenuSpec& contents : MainMenus()) {
        QMenu* menu = menuBar()->addMenu(CommandText(contents.title));
        FillMenu(*menu, contents);
    }
}

void CMainFrame::FillMenu(QMenu& menu, const MenuSpec& contents) {
    connect(&menu, &QMenu::aboutToShow, this, &CMainFrame::RefreshCommandStates);
    for (const MenuItem& item : contents.items) {
        switch (item.kind) {
            case MenuItem::Kind::Command:
                menu.addAction(actions_.at(item.id));
                break;
            case MenuItem::Kind::Separator:
                menu.addSeparator();
                break;
            case MenuItem::Kind::Submenu:
                FillMenu(*menu.addMenu(CommandText(item.submenu->title)), *item.submenu);
                break;
            case MenuItem::Kind::RecentFiles:
                recentPlaceholder_ = menu.addAction(appstr::Tr(appstr::kRecentFilePlaceholder));
                recentPlaceholder_->setEnabled(false);
                for (int i = 0; i < CRecentFiles::kMaxEntries; ++i) {
                    QAction* entry = menu.addAction(QString());
                    connect(entry, &QAction::triggered, this, [this, i] {
                        lifetime_.OpenRecent(i);
                        RefreshCommandStates();
                    });
                    recentActions_.append(entry);
                }
                break;
        }
    }
}

void CMainFrame::CreateToolBar() {
    toolbar_ = new QToolBar(appstr::Tr(appstr::kToolbarTitle), this);
    toolbar_->setObjectName(QStringLiteral("mainToolBar"));
    toolbar_->setIconSize(QSize(16, 15));
    toolbar_->setAllowedAreas(Qt::AllToolBarAreas);
    toolbar_->setMovable(true);
    toolbar_->setFloatable(true);
    for (const auto& button : ToolbarButtons()) {
        if (button) {
            toolbar_->addAction(actions_.at(*button));
            // F6 brings the keyboard here; Tab and the arrow keys then walk the buttons.
            toolbar_->widgetForAction(actions_.at(*button))->setFocusPolicy(Qt::TabFocus);
        } else {
            toolbar_->addSeparator();
        }
    }
    addToolBar(Qt::TopToolBarArea, toolbar_);
}

void CMainFrame::CreateStatusBar() { panes_ = new CStatusPanes(*statusBar()); }

void CMainFrame::ShowProgressLayout() { panes_->ShowProgressLayout(); }

void CMainFrame::ShowNormalLayout() { panes_->ShowNormalLayout(); }

void CMainFrame::SetProgressCaption(const QString& text) { panes_->SetProgressCaption(text); }

QAction* CMainFrame::Action(CommandId id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::BeginDocumentChange() {
    documentChanging_ = true;
    view_->FreezeDrawing();
}

void CMainFrame::EndDocumentChange() {
    documentChanging_ = false;
    // In the journal before anything can ask: an import's report comes next.
    if (recovery_) recovery_->FollowDocument();
    view_->ThawDrawing();
    RefreshCommandStates();
}

void CMainFrame::RefreshCommandStates() {
    if (documentChanging_) return;
    cancelLoad_->setEnabled(lifetime_.Loading());
    for (const auto& [id, action] : actions_) {
        action->setEnabled(IsCommandEnabled(id));
        if (action->isCheckable()) action->setChecked(IsCommandChecked(id));
    }
    setWindowModified(doc_.IsModified());
    panes_->SetFilterText(FilterStatusText());
}

QString CMainFrame::FilterStatusText() const {
    const CCatalogueDisplay& display = doc_.Display();
    if (!display.FiltersOn()) return {};
    const QLocale locale;
    return tr("Filter on: %1 of %2 movies")
        .arg(locale.toString(static_cast<qulonglong>(display.Order().size())),
             locale.toString(static_cast<qulonglong>(display.Catalogue().Count())));
}

void CMainFrame::UpdateRecentFileMenu() {
    const QStringList& paths = recent_.Paths();
    recentPlaceholder_->setVisible(paths.isEmpty());
    for (int i = 0; i < recentActions_.size(); ++i) {
        QAction* entry = recentActions_[i];
        entry->setVisible(i < paths.size());
        if (i >= paths.size()) continue;
        entry->setText(CRecentFiles::MenuText(i, paths[i]));
        entry->setStatusTip(appstr::Tr(appstr::kRecentFilePrompt).arg(DisplayPath(paths[i])));
    }
}

void CMainFrame::UpdateCaption() {
    setWindowTitle(lifetime_.Caption());
    setWindowModified(doc_.IsModified());
}

}  // namespace reelkeep
