#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "silent_ui.h"

namespace reelkeep {

class CReelkeepDoc;

// How far a background open has got, as the status bar shows it: the caption and range of the
// progress indicator up at the moment (no caption while none is) and the steps done.
struct LoadProgress {
    std::string caption;
    std::uint32_t max = 0;
    std::uint32_t done = 0;
    // Rises with every indicator begun or ended, so a poller can tell a new one from the last.
    std::uint64_t generation = 0;
};

// Opens a catalogue file on a thread of its own, into a document of its own set up as the given
// one, so the window stays live and keeps its catalogue while the file is read, sorted and
// indexed. The thread never reaches the window: it leaves its progress and messages here for
// the window's thread to fetch. Destroying the open stops the reading and waits for the thread.
class CBackgroundOpen {
public:
    // doc is only read here, on the calling thread; it stays as it is until Complete.
    CBackgroundOpen(const CReelkeepDoc& doc, std::string path);
    ~CBackgroundOpen();
    CBackgroundOpen(const CBackgroundOpen&) = delete;
    CBackgroundOpen& operator=(const CBackgroundOpen&) = delete;

    const std::string& Path() const { return path_; }
    bool Finished() const { return finished_.load(std::memory_order_acquire); }
    LoadProgress Progress() const;
    // Once Finished(): doc takes the catalogue read, as OpenDocument would have left it, and is
    // told what went wrong through its UI. Returns whether the file opened; when it did not, doc
    // keeps the catalogue it had.
    bool Complete(CReelkeepDoc& doc);

private:
    // The user of the document on the reading thread: progress and messages are kept for the
    // window, every question is answered as a silent user would, and once the open is stopped
    // the next progress step ends the reading.
    class CReadingUI : public CSilentUI {
    public:
        CReadingUI(const CTextLanguage& language, std::stop_token stop)
            : language_(language), stop_(std::move(stop)) {}
        const CTextLanguage& Language() const override { return language_; }
        MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons,
                                  MessageIcon icon) override;
        void BeginProgress(std::string_view caption, std::uint32_t max) override;
        void SetProgress(std::uint32_t stepsDone) override;
        void EndProgress() override;

        LoadProgress Progress() const;
        std::vector<std::string> TakeMessages();

    private:
        void StopIfAsked() const;

        const CTextLanguage& language_;
        std::stop_token stop_;
        mutable std::mutex mutex_;
        LoadProgress progress_;  // done kept apart, as it changes far more often
        std::atomic<std::uint32_t> done_{0};
        std::vector<std::string> messages_;
    };

    void Read();

    std::string path_;
    std::stop_source stop_;
    CReadingUI ui_;
    std::unique_ptr<CReelkeepDoc> loaded_;
    bool opened_ = false;
    std::atomic<bool> finished_{false};
    // Last, so that it ends before anything it uses goes.
    std::jthread thread_;
};

}  // namespace reelkeep
