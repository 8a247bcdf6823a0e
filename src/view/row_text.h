#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstdint>

#include "catalogue_display.h"
#include "view_look.h"

namespace reelkeep {

// What a row of the catalogue says to a screen reader: a name to speak first, and the rest of
// what the screen shows of it, each field after the caption the screen gives it.
struct RowText {
    QString name;
    QString description;
};

// The texts of row of the display mode shown, in the look's captions. Nothing for a mode
// without rows or a row past their end.
class CRowTexts {
    Q_DECLARE_TR_FUNCTIONS(CRowTexts)
public:
    static RowText Of(const CCatalogueDisplay& display, const ViewLook& look, std::uint32_t row);
    // A row's name with its selected state, the state said in words: a screen reader speaks a
    // list item's name on arrival and in Where Am I, but not the state of an item whose list
    // offers no selection interface.
    static QString NameWithState(const QString& name, bool selected);
    // The catalogue's own name for the mode shown.
    static QString ListName(DisplayMode mode);
};

}  // namespace reelkeep
