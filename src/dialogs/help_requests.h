#pragma once

#include <QObject>

namespace reelkeep {

// The help keys and What's This in every window of the program, dialogs included, where the
// main window's own shortcuts do not reach: F1 opens the topic of the control with the focus (in
// a dialog, at least that dialog's page), Shift+F1 enters What's This, and What's This on a
// control with a topic opens that topic in the help window. Controls without a topic keep their
// What's This text, if any.
class CHelpRequests : public QObject {
    Q_OBJECT
public:
    // Watches the whole application for as long as parent lives.
    explicit CHelpRequests(QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace reelkeep
