#pragma once

#include <QDialog>

namespace reelkeep {

// About Reelkeep: the application icon, name, version and maker.
class CAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit CAboutBox(QWidget* parent = nullptr);
};

}  // namespace reelkeep
