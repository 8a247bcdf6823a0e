#pragma once

#include <QWidget>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "option_values.h"

class QBoxLayout;
class QCheckBox;

namespace reelkeep {

class IOptionPickers;

// One page of the Options sheet: check boxes and radio groups, each bound to a value of the
// sheet's working copy, which they show at first and TakeValues writes back.
class COptionPage : public QWidget {
    Q_OBJECT
public:
    int HelpContext() const { return helpContext_; }
    void TakeValues() const;

protected:
    COptionPage(int helpContext, QWidget* parent);

    void AddCheckBox(QBoxLayout* layout, std::string_view text, int& value);
    // Radio value k is the k-th text's button.
    template <typename Value>
    void AddRadios(QBoxLayout* layout, std::span<const std::string_view> texts, Value& value);

private:
    int helpContext_;
    std::vector<std::function<void()>> takers_;
};

// "General": the screen font and colours, the printer colour, page numbers, tape numbers as
// text and loading the last file.
class CGeneralOptions : public COptionPage {
    Q_OBJECT
public:
    CGeneralOptions(OptionsSheetValues& values, IOptionPickers& pickers, QWidget* parent);
};

// "Normal View": graphics, title sort, custom fields, printing, synopsis and heading.
class CNlViewOptions : public COptionPage {
    Q_OBJECT
public:
    CNlViewOptions(OptionValues& values, QWidget* parent);
};

// "Actor Sort": grid and printing.
class CActorSortOptions : public COptionPage {
    Q_OBJECT
public:
    CActorSortOptions(OptionValues& values, QWidget* parent);
};

// "One Line Sorts": grid, title sort and printing.
class CTitlesOptions : public COptionPage {
    Q_OBJECT
public:
    CTitlesOptions(OptionValues& values, QWidget* parent);
};

}  // namespace reelkeep
