#include "label_color_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <new>

#include "dialog_strings.h"
#include "dialog_widgets.h"
#include "dialogs.h"
#include "help_contexts.h"
#include "qt_text.h"

namespace reelkeep {

CLabelColorDialog::CLabelColorDialog(const std::vector<std::string>& movieTypes,
                                     const std::vector<std::uint32_t>& colors,
                                     IOptionPickers& pickers, QWidget* parent)
    : CColorListDialog(pickers, parent) {
    setWindowTitle(dlg::Tr(dlg::kLabelColorTitle));
    AttachPageHelp(this, help::kLabelColorsDialog);
    QLabel* prompt = MakeLabel(dlg::kLabelColorPrompt, this, ColorList());
    SetSwatch(prompt);
    AddMovieTypes(movieTypes, colors);

    auto* fields = new QVBoxLayout;
    fields->addWidget(prompt);
    fields->addWidget(ColorList());
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(OkButton());
    buttons->addWidget(CancelButton());
    buttons->addStretch();
    buttons->addWidget(SelectButton());
    StackFieldsAndButtons(this, fields, buttons);
}

// Each line remembers its movie type, so a type left out for want of memory costs no other
// type its colour.
void CLabelColorDialog::AddMovieTypes(const std::vector<std::string>& movieTypes,
                                      const std::vector<std::uint32_t>& colors) {
    bool nameLost = false;
    bool lineLost = false;
    for (std::size_t k = 0; k < movieTypes.size(); ++k) {
        QString name;
        try {
            name = ToQt(movieTypes[k]);
        } catch (const std::bad_alloc&) {
            nameLost = true;
            continue;
        }
        try {
            AddLine(name, colors[k], k);
        } catch (const std::bad_alloc&) {
            lineLost = true;
        }
    }
    if (nameLost) ShowWarning(parentWidget(), dlg::kNoMemoryLabelColors);
    if (lineLost) ShowWarning(parentWidget(), dlg::kNoMemoryMovieTypes);
}

void CLabelColorDialog::TakeColors(std::vector<std::uint32_t>& colors) const {
    for (int line = 0; line < LineCount(); ++line) colors[LineSlot(line)] = LineColor(line);
}

bool RunLabelColorDialog(QWidget* parent, const std::vector<std::string>& movieTypes,
                         std::vector<std::uint32_t>& colors, IOptionPickers& pickers) {
    CLabelColorDialog dialog(movieTypes, colors, pickers, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    dialog.TakeColors(colors);
    return true;
}

}  // namespace reelkeep
