#pragma once

#include <QString>

#include "shell_dialogs.h"

namespace reelkeep {

// The dialogs of a run that prints without a window: no one may be there to close a box, so
// every message goes to stderr as one line, "reelkeep: cannot print FILE: …", and is answered
// the way that leaves things as they are.
class CTerminalDialogs : public CQtShellDialogs {
public:
    explicit CTerminalDialogs(const QString& file) : file_(file) {}

    MessageAnswer ShowMessage(QWidget* parent, const QString& text, MessageButtons buttons,
                              MessageIcon icon) override;

private:
    QString file_;
};

}  // namespace reelkeep
