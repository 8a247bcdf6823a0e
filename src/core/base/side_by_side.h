#pragma once

#include <exception>
#include <thread>
#include <utility>

namespace reelkeep {

// Runs aside on a second thread while here runs on this one, and returns when both have ended:
// a load's independent steps share the machine's cores. aside must touch nothing here touches
// and must not reach the UI, which belongs to this thread. An exception from either is thrown
// here once both have ended (here's first). Without a thread to be had, aside runs after here.
template <typename Aside, typename Here>
void RunSideBySide(Aside&& aside, Here&& here) {
    std::exception_ptr asideFailure;
    const auto runAside = [&] {
        try {
            aside();
        } catch (...) {
            asideFailure = std::current_exception();
        }
    };
    std::thread second;
    try {
        second = std::thread(runAside);
    } catch (const std::exception&) {
        // No second thread to be had (or no memory for one): the work is done in turn.
    }
    std::exception_ptr hereFailure;
    try {
        here();
    } catch (...) {
        hereFailure = std::current_exception();
    }
    if (second.joinable()) {
        second.join();
    } else if (!hereFailure) {
        runAside();
    }
    if (hereFailure) std::rethrow_exception(hereFailure);
    if (asideFailure) std::rethrow_exception(asideFailure);
}

}  // namespace reelkeep
