#pragma once

#include <QDialog>
#include <array>
#include <optional>
#include <string_view>

#include "ui_interface.h"

class QPushButton;

namespace reelkeep {

// Delete Movies: asks about one movie. Each of the four buttons closes the dialog with its
// answer; Escape or the close box give no answer.
class CDeleteDialog : public QDialog {
    Q_OBJECT
public:
    explicit CDeleteDialog(std::string_view question, QWidget* parent = nullptr);

    std::optional<DeleteAnswer> Answer() const { return answer_; }
    QPushButton* Button(DeleteAnswer answer) const;

private:
    QPushButton* AddAnswerButton(DeleteAnswer answer);

    std::optional<DeleteAnswer> answer_;
    std::array<QPushButton*, 4> buttons_{};
};

}  // namespace reelkeep
