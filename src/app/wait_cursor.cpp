#include "wait_cursor.h"

#include <QApplication>
#include <QEvent>
#include <algorithm>

namespace reelkeep {

namespace {

bool g_waiting = false;

}  // namespace

CWaitCursor::CWaitCursor() {
    if (g_waiting) return;
    g_waiting = outermost_ = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    qApp->installEventFilter(this);
}

CWaitCursor::~CWaitCursor() {
    if (!outermost_) return;
    qApp->removeEventFilter(this);
    // A dialog still up (or deleted while shown) gives back its cursor too.
    for (std::size_t i = 0; i < dialogs_.size(); ++i) QApplication::restoreOverrideCursor();
    QApplication::restoreOverrideCursor();
    g_waiting = false;
}

bool CWaitCursor::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show && event->type() != QEvent::Hide) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || !widget->isWindow()) return false;
    const auto shown = std::find(dialogs_.begin(), dialogs_.end(), widget);
    if (event->type() == QEvent::Show && widget->isModal() && shown == dialogs_.end()) {
        QApplication::setOverrideCursor(Qt::ArrowCursor);
        dialogs_.emplace_back(widget);
    } else if (event->type() == QEvent::Hide && shown != dialogs_.end()) {
        dialogs_.erase(shown);
        QApplication::restoreOverrideCursor();
    }
    return false;
}

}  // namespace reelkeep
