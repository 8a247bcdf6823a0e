#include "lookup_filler.h"

#include <algorithm>
#include <new>
#include <utility>

namespace reelkeep {

namespace {

constexpr std::uint32_t kRecordsBetweenStopChecks = 4096;

}  // namespace

std::uint32_t FillLookup(CLookupList& list, LookupKind kind, const FieldColumn& column,
                         std::uint32_t count, const std::stop_token& stop) {
    // The list's fields in slot order; a field a file did not hold has no values yet (they will
    // all be empty) and adds nothing.
    std::array<const std::vector<std::string>*, kActorSlotCount> sources{};
    std::size_t slots = 0;
    for (const LookupSource& source : kLookupSources) {
        if (source.list != kind) continue;
        const std::vector<std::string>& values = column(source.field);
        sources[slots++] = values.size() >= count ? &values : nullptr;
    }
    std::uint32_t leftOut = 0;
    for (std::uint32_t record = 0; record < count; ++record) {
        if (record % kRecordsBetweenStopChecks == 0 && stop.stop_requested()) break;
        for (std::size_t slot = 0; slot < slots; ++slot) {
            if (sources[slot] == nullptr) continue;
            try {
                list.Add((*sources[slot])[record], SourceKeyOf(record, static_cast<int>(slot)));
            } catch (const std::bad_alloc&) {
                ++leftOut;
            }
        }
    }
    return leftOut;
}

CLookupFiller::CLookupFiller(std::uint32_t count, FieldColumn column)
    : count_(count), column_(std::move(column)) {
    try {
        thread_ = std::jthread([this](const std::stop_token& stop) {
            // Whatever ends the filling is told where Finish is waited for, never a crash here.
            try {
                Fill(stop);
            } catch (...) {
                failure_ = std::current_exception();
            }
        });
    } catch (const std::exception&) {
        // No second thread to be had: Finish fills the lists itself.
    }
}

CLookupFiller::~CLookupFiller() { Stop(); }

void CLookupFiller::Stop() {
    if (!thread_.joinable()) return;
    thread_.request_stop();
    thread_.join();
}

void CLookupFiller::FieldRead(Field f) {
    {
        const std::lock_guard lock(mutex_);
        read_[FieldIndex(f)] = true;
    }
    fieldCame_.notify_one();
}

CLookupFiller::Lists CLookupFiller::Finish() {
    {
        const std::lock_guard lock(mutex_);
        allRead_ = true;
    }
    fieldCame_.notify_one();
    if (thread_.joinable()) {
        thread_.join();
    } else {
        Fill({});
    }
    if (failure_) std::rethrow_exception(failure_);
    return std::move(filled_);
}

bool CLookupFiller::Ready(LookupKind kind) const {
    return allRead_ || std::ranges::all_of(kLookupSources, [&](const LookupSource& source) {
               return source.list != kind || read_[FieldIndex(source.field)];
           });
}

void CLookupFiller::Fill(const std::stop_token& stop) {
    std::array<bool, kLookupCount> done{};
    for (std::size_t left = kLookupCount; left > 0; --left) {
        std::size_t next = kLookupCount;
        {
            std::unique_lock lock(mutex_);
            fieldCame_.wait(lock, stop, [&] {
                for (std::size_t k = 0; k < kLookupCount && next == kLookupCount; ++k) {
                    if (!done[k] && Ready(static_cast<LookupKind>(k))) next = k;
                }
                return next != kLookupCount;
            });
        }
        if (next == kLookupCount) return;  // stopped
        done[next] = true;
        filled_.leftOut[next] =
            FillLookup(filled_.lists[next], static_cast<LookupKind>(next), column_, count_, stop);
    }
}

}  // namespace reelkeep
