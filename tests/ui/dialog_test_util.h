#pragma once

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

// Acts on the next modal dialog once it is shown: the Run... functions block in exec(), so the
// test's steps must come from the event loop. A dialog the steps left open (a failed check
// returns early) is cancelled, so a failing test cannot hang.
inline void WhenModalShown(std::function<void(QWidget*)> act) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        if (!QTest::qWaitForWindowActive(modal)) qWarning("the dialog was never activated");
        act(modal);
        auto* dialog = qobject_cast<QDialog*>(modal);
        if (dialog != nullptr && dialog->isVisible()) dialog->reject();
    });
    poll->start();
}
