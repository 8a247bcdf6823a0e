#include "help_topics.h"

#include <QString>
#include <algorithm>
#include <array>

#include "help_contexts.h"

namespace reelkeep {

namespace {

constexpr std::array<std::string_view, 14> kContentsPages = {
    "index.html",   "catalogue.html", "entering.html", "editing.html",  "display-modes.html",
    "columns.html", "sorting.html",   "filters.html",  "finding.html",  "printing.html",
    "labels.html",  "export.html",    "options.html",  "keyboard.html",
};

// clang-format off
constexpr std::array kTopics = {
    HelpTopic{help::kMovieName, "entering.html#movie-name"},
    HelpTopic{help::kActor1, "entering.html#actors"},
    HelpTopic{help::kActor2, "entering.html#actors"},
    HelpTopic{help::kActor3, "entering.html#actors"},
    HelpTopic{help::kMovieType, "entering.html#movie-type"},
    HelpTopic{help::kMediaType, "entering.html#media-type"},
    HelpTopic{help::kTime, "entering.html#time"},
    HelpTopic{help::kTapeNumber, "entering.html#tape-number"},
    HelpTopic{help::kCounter, "entering.html#counter"},
    HelpTopic{help::kRating, "entering.html#rating"},
    HelpTopic{help::kSynopsis, "entering.html#synopsis"},

    HelpTopic{help::kDeleteQuestion, "editing.html#delete"},
    HelpTopic{help::kDeleteYes, "editing.html#delete-yes"},
    HelpTopic{help::kDeleteYesToAll, "editing.html#delete-yes-to-all"},
    HelpTopic{help::kDeleteNo, "editing.html#delete-no"},
    HelpTopic{help::kDeleteNoToAll, "editing.html#delete-no-to-all"},

    HelpTopic{help::kFindText, "finding.html#find-text"},
    HelpTopic{help::kFindMatchCase, "finding.html#match-case"},
    HelpTopic{help::kFindWholeWord, "finding.html#whole-word"},
    HelpTopic{help::kFindButton, "finding.html#find-button"},

    HelpTopic{help::kCatalogueView, "display-modes.html"},
    HelpTopic{help::kEntryDialog, "entering.html#entry-dialog"},
    HelpTopic{help::kDeleteDialog, "editing.html#delete"},
    HelpTopic{help::kFindDialog, "finding.html#find"},
    HelpTopic{help::kCustomHeadingsDialog, "entering.html#custom-headings"},
    HelpTopic{help::kFiltersDialog, "filters.html"},
    HelpTopic{help::kLabelCopiesDialog, "labels.html#copies"},
    HelpTopic{help::kStartPositionDialog, "labels.html#start-position"},
    HelpTopic{help::kAddColumnDialog, "columns.html#add"},
    HelpTopic{help::kGoToEntryWindow, "finding.html#go-to-entry"},
    HelpTopic{help::kLabelColorsDialog, "labels.html#colors"},
    HelpTopic{help::kScreenColorsDialog, "options.html#screen-colors"},
    HelpTopic{help::kPrintPreview, "printing.html#preview"},
    HelpTopic{help::kCsvImportDialog, "export.html#import"},

    HelpTopic{help::kOptionsGeneral, "options.html#general"},
    HelpTopic{help::kOptionsNormalView, "options.html#normal-view"},
    HelpTopic{help::kOptionsActorSort, "options.html#actor-sort"},
    HelpTopic{help::kOptionsOneLineSorts, "options.html#one-line-sorts"},
};
// clang-format on

}  // namespace

std::span<const HelpTopic> HelpTopics() { return kTopics; }

std::span<const std::string_view> HelpContentsPages() { return kContentsPages; }

QUrl HelpPageUrl(std::string_view target) {
    return QUrl(QStringLiteral("qrc:/help/") +
                QString::fromUtf8(target.data(), static_cast<qsizetype>(target.size())));
}

QUrl HelpTopicUrl(int context) {
    const auto topic = std::ranges::find(kTopics, context, &HelpTopic::context);
    return HelpPageUrl(topic == kTopics.end() ? kContentsPages.front() : topic->target);
}

}  // namespace reelkeep
