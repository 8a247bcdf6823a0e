#pragma once

#include <QPointer>
#include <QWidget>

class QAction;
class QListWidget;
class QTextBrowser;
class QUrl;

namespace reelkeep {

// The help window: the contents list beside the page, with Back, Forward and Contents. There is
// one; ShowHelpTopic brings it up.
class CHelpWindow : public QWidget {
    Q_OBJECT
public:
    // home: the window the help belongs to whenever no modal dialog is running.
    explicit CHelpWindow(QWidget* home);

    void ShowTopic(const QUrl& url);
    // A modal dialog blocks every window but its own, so while one runs the help window becomes
    // the dialog's; it goes back home when the dialog closes.
    void FollowModalDialog();

    QTextBrowser* Browser() const { return browser_; }
    QListWidget* ContentsList() const { return contents_; }
    QAction* ContentsAction() const { return contentsAction_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillContentsList();
    void MarkPageInContents(const QUrl& url);
    void MoveTo(QWidget* owner);

    QPointer<QWidget> home_;
    QTextBrowser* browser_;
    QListWidget* contents_;
    QAction* contentsAction_ = nullptr;
};

// Opens the help window on the topic of a context number (help_contexts.h; 0 for the contents),
// or brings the open one forward with that topic.
void ShowHelpTopic(QWidget* parent, int context);

}  // namespace reelkeep
