#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace reelkeep {

// The wait cursor over the whole application while a command runs. A modal dialog the command
// opens shows the normal cursor while it is up, so that the user sees the program is waiting
// for them rather than working; the wait cursor comes back when it closes. A command run from
// inside another keeps the outer one's cursor.
class CWaitCursor : public QObject {
public:
    CWaitCursor();
    ~CWaitCursor() override;
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool outermost_ = false;
    // The modal windows shown meanwhile, each with a normal cursor pushed for it.
    std::vector<QPointer<QWidget>> dialogs_;
};

}  // namespace reelkeep
