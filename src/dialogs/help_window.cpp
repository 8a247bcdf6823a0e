#include "help_window.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QKeySequence>
#include <QListWidget>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "dialog_strings.h"
#include "help_contexts.h"
#include "help_topics.h"
#include "qt_text.h"

namespace reelkeep {

namespace {

constexpr int kWidthChars = 120;
constexpr int kHeightLines = 40;

// Room between the entries of the pages' term lists, which read as one block without it.
constexpr char kPageStyle[] = "dt { margin-top: 6px; } dd { margin-bottom: 4px; }";

// The one help window; it goes when the window it belongs to goes.
QPointer<CHelpWindow> g_helpWindow;

QString PageTitle(std::string_view page) {
    QFile file(HelpPageUrl(page).path().prepend(QLatin1Char(':')));
    if (!file.open(QIODevice::ReadOnly)) return ToQt(page);
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    return document.metaInformation(QTextDocument::DocumentTitle);
}

// The page without the place on it.
QUrl PageOf(QUrl url) {
    url.setFragment(QString());
    return url;
}

// The outermost window of a widget: the main window for its dialogs and their controls.
QWidget* HomeOf(QWidget* widget) {
    if (widget == nullptr) return nullptr;
    while (widget->parentWidget() != nullptr) widget = widget->parentWidget();
    return widget;
}

// Over the window the help belongs to, and wholly on that window's screen, frame included: a
// window left where the platform first puts it may have its title bar above the screen.
void PlaceOnScreen(QWidget& window, const QWidget* home) {
    const QScreen* screen = home != nullptr ? home->screen() : window.screen();
    if (screen == nullptr) return;
    const QRect area = screen->availableGeometry();
    QMargins frame = window.windowHandle() ? window.windowHandle()->frameMargins() : QMargins();
    // Before the window manager frames it, allow at least for a title bar.
    if (frame.isNull()) frame.setTop(window.style()->pixelMetric(QStyle::PM_TitleBarHeight));
    window.resize(window.size().boundedTo(area.size().shrunkBy(frame)));
    QRect placed(QPoint(0, 0), window.size().grownBy(frame));
    placed.moveCenter(home != nullptr && home->isVisible() ? home->frameGeometry().center()
                                                           : area.center());
    placed.moveLeft(
        std::max(area.left(), std::min(placed.left(), area.right() + 1 - placed.width())));
    placed.moveTop(
        std::max(area.top(), std::min(placed.top(), area.bottom() + 1 - placed.height())));
    // A window not yet shown takes this as its frame's corner.
    window.move(placed.topLeft());
}

}  // namespace

CHelpWindow::CHelpWindow(QWidget* home)
    : QWidget(home, Qt::Window),
      home_(home),
      browser_(new QTextBrowser(this)),
      contents_(new QListWidget(this)) {
    setWindowTitle(dlg::Tr(dlg::kHelpTitle));
    // Closing the main window ends the program even while the help is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    browser_->document()->setDefaultStyleSheet(QString::fromLatin1(kPageStyle));

    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack),
                                   dlg::Tr(dlg::kHelpBack), browser_, &QTextBrowser::backward);
    back->setShortcut(QKeySequence::Back);
    back->setEnabled(false);
    QAction* forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                                      dlg::Tr(dlg::kHelpForward), browser_, &QTextBrowser::forward);
    forward->setShortcut(QKeySequence::Forward);
    forward->setEnabled(false);
    contentsAction_ =
        bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), dlg::Tr(dlg::kHelpContents),
                       this, [this] { ShowTopic(HelpTopicUrl(help::kContents)); });
    // Escape closes the help as it closes a dialog.
    auto* closeHelp = new QAction(this);
    closeHelp->setShortcut(QKeySequence::Cancel);
    connect(closeHelp, &QAction::triggered, this, &QWidget::close);
    addAction(closeHelp);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &CHelpWindow::MarkPageInContents);

    FillContentsList();
    const auto openPage = [this](const QListWidgetItem* item) {
        ShowTopic(item->data(Qt::UserRole).toUrl());
    };
    connect(contents_, &QListWidget::itemClicked, this, openPage);
    connect(contents_, &QListWidget::itemActivated, this, openPage);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    const int charWidth = fontMetrics().averageCharWidth();
    const int listWidth = contents_->sizeHintForColumn(0) + 2 * contents_->frameWidth() + charWidth;
    splitter->setSizes({listWidth, charWidth * kWidthChars - listWidth});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(splitter, 1);
    resize(charWidth * kWidthChars, fontMetrics().height() * kHeightLines);
}

void CHelpWindow::FillContentsList() {
    for (const std::string_view page : HelpContentsPages()) {
        auto* item = new QListWidgetItem(PageTitle(page), contents_);
        item->setData(Qt::UserRole, HelpPageUrl(page));
    }
}

void CHelpWindow::ShowTopic(const QUrl& url) { browser_->setSource(url); }

void CHelpWindow::MarkPageInContents(const QUrl& url) {
    const QUrl page = PageOf(url);
    for (int row = 0; row < contents_->count(); ++row) {
        if (contents_->item(row)->data(Qt::UserRole).toUrl() == page) {
            contents_->setCurrentRow(row);
            return;
        }
    }
    contents_->clearSelection();
}

void CHelpWindow::FollowModalDialog() {
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* owner = modal != nullptr ? modal : home_.data();
    if (owner == parentWidget()) return;
    if (parentWidget() != nullptr) parentWidget()->removeEventFilter(this);
    MoveTo(owner);
    if (modal != nullptr) modal->installEventFilter(this);
}

bool CHelpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched == parentWidget()) FollowModalDialog();
    return QWidget::eventFilter(watched, event);
}

void CHelpWindow::MoveTo(QWidget* owner) {
    const QRect place = geometry();
    const bool shown = isVisible();
    setParent(owner, Qt::Window);
    setGeometry(place);
    if (shown) show();
}

void ShowHelpTopic(QWidget* parent, int context) {
    const bool opening = g_helpWindow.isNull();
    if (opening) g_helpWindow = new CHelpWindow(HomeOf(parent));
    CHelpWindow* window = g_helpWindow.data();
    window->FollowModalDialog();
    if (opening) PlaceOnScreen(*window, window->parentWidget());
    window->ShowTopic(HelpTopicUrl(context));
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace reelkeep
