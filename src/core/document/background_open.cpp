#include "background_open.h"

#include <exception>

#include "file_errors.h"
#include "reelkeep_doc.h"

namespace reelkeep {

namespace {

// Thrown by a progress step once the open is stopped: it leaves the reading at once, and the
// document it was filling is thrown away.
struct OpenStopped {};

}  // namespace

MessageAnswer CBackgroundOpen::CReadingUI::ShowMessage(std::string_view text, MessageButtons,
                                                       MessageIcon) {
    const std::lock_guard lock(mutex_);
    messages_.emplace_back(text);
    return MessageAnswer::Ok;
}

void CBackgroundOpen::CReadingUI::BeginProgress(std::string_view caption, std::uint32_t max) {
    StopIfAsked();
    const std::lock_guard lock(mutex_);
    progress_.caption = caption;
    progress_.max = max;
    ++progress_.generation;
    done_.store(0, std::memory_order_relaxed);
}

void CBackgroundOpen::CReadingUI::SetProgress(std::uint32_t stepsDone) {
    StopIfAsked();
    done_.store(stepsDone, std::memory_order_relaxed);
}

void CBackgroundOpen::CReadingUI::EndProgress() {
    const std::lock_guard lock(mutex_);
    progress_.caption.clear();
    ++progress_.generation;
}

LoadProgress CBackgroundOpen::CReadingUI::Progress() const {
    const std::lock_guard lock(mutex_);
    LoadProgress progress = progress_;
    progress.done = done_.load(std::memory_order_relaxed);
    return progress;
}

std::vector<std::string> CBackgroundOpen::CReadingUI::TakeMessages() {
    const std::lock_guard lock(mutex_);
    return std::exchange(messages_, {});
}

void CBackgroundOpen::CReadingUI::StopIfAsked() const {
    if (stop_.stop_requested()) throw OpenStopped{};
}

CBackgroundOpen::CBackgroundOpen(const CReelkeepDoc& doc, std::string path)
    : path_(std::move(path)),
      ui_(doc.UI().Language(), stop_.get_token()),
      loaded_(std::make_unique<CReelkeepDoc>(ui_)) {
    loaded_->SetUpLike(doc);
    thread_ = std::jthread([this] { Read(); });
}

CBackgroundOpen::~CBackgroundOpen() { stop_.request_stop(); }

void CBackgroundOpen::Read() {
    try {
        opened_ = loaded_->OpenDocument(path_);
    } catch (const OpenStopped&) {
        opened_ = false;
    } catch (const std::exception&) {
        // Whatever else ends the reading is a file that could not be read, never a crash.
        ui_.ShowMessage(FileErrorText(FileOperation::Read, 0, path_, ui_.Language()),
                        MessageButtons::Ok, MessageIcon::Warning);
        opened_ = false;
    }
    finished_.store(true, std::memory_order_release);
}

LoadProgress CBackgroundOpen::Progress() const { return ui_.Progress(); }

bool CBackgroundOpen::Complete(CReelkeepDoc& doc) {
    if (opened_) doc.TakeLoadedCatalogue(*loaded_);
    // Said once the catalogue is whole and shown, as an open on the window's thread says it.
    for (const std::string& message : ui_.TakeMessages()) Warn(doc.UI(), message);
    return opened_;
}

}  // namespace reelkeep
