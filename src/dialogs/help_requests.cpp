#include "help_requests.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWhatsThis>
#include <QWidget>

#include "dialogs.h"
#include "help_window.h"

namespace reelkeep {

namespace {

bool AnswerHelpKey(QWidget* widget, const QKeyEvent& key) {
    if (key.key() != Qt::Key_F1) return false;
    if (key.modifiers() == Qt::NoModifier) {
        ShowHelpTopic(widget, HelpContextOf(widget));
        return true;
    }
    if (key.modifiers() == Qt::ShiftModifier) {
        QWhatsThis::enterWhatsThisMode();
        return true;
    }
    return false;
}

// What's This asks first whether a control has help (for the cursor), then for the help itself.
bool AnswerWhatsThis(QWidget* widget, QEvent& event) {
    const int context = HelpContextOf(widget);
    if (context == 0) return false;
    if (event.type() == QEvent::WhatsThis) ShowHelpTopic(widget, context);
    event.accept();
    return true;
}

}  // namespace

CHelpRequests::CHelpRequests(QObject* parent) : QObject(parent) {
    QApplication::instance()->installEventFilter(this);
}

bool CHelpRequests::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::QueryWhatsThis && type != QEvent::WhatsThis) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr) return false;
    if (type == QEvent::KeyPress) return AnswerHelpKey(widget, *static_cast<QKeyEvent*>(event));
    return AnswerWhatsThis(widget, *event);
}

}  // namespace reelkeep
