#pragma once

#include <QUrl>
#include <span>
#include <string_view>

// Where the help pages are and which page (and place on it) each context number stands for.
// The pages are HTML files compiled in under qrc:/help/.
namespace reelkeep {

struct HelpTopic {
    int context;
    std::string_view target;  // "page.html" or "page.html#place"
};

// Every context number with a topic of its own.
std::span<const HelpTopic> HelpTopics();

// The pages of the contents list, in reading order; the first is the contents page itself.
std::span<const std::string_view> HelpContentsPages();

// The URL of a page, or of a place on it, as HelpTopic writes it.
QUrl HelpPageUrl(std::string_view target);

// The topic of a context number; the contents page for 0 and for a number without a topic.
QUrl HelpTopicUrl(int context);

}  // namespace reelkeep
