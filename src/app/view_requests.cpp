#include "view_requests.h"

#include "catalogue_display.h"
#include "dialogs.h"
#include "go_to_entry_window.h"
#include "reelkeep_view.h"

namespace reelkeep {

CGoToEntryWindow& AnswerViewRequests(CReelkeepView& view, const CCatalogueDisplay& display) {
    auto* goTo = new CGoToEntryWindow(&view);
    QObject::connect(&view, &CReelkeepView::goToEntryRequested, goTo,
                     [goTo, &display] { goTo->Open(display.State()); });
    QObject::connect(goTo, &CGoToEntryWindow::typedTextChanged, &view,
                     &CReelkeepView::GoToTypedText);
    QObject::connect(&view, &CReelkeepView::documentUpdated, goTo, &QDialog::close);
    QObject::connect(&view, &CReelkeepView::addColumnRequested, &view, [&view](std::size_t after) {
        if (const std::optional<std::uint32_t> id = RunAddColumnDialog(&view)) {
            view.AddColumn(after, *id);
        }
    });
    return *goTo;
}

}  // namespace reelkeep
