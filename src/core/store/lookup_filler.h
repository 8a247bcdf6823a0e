#pragma once

#include <array>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

#include "fields.h"
#include "lookup_list.h"
#include "lookup_lists.h"

namespace reelkeep {

// A field's whole array of values, by field.
using FieldColumn = std::function<const std::vector<std::string>&(Field)>;

// Enters the values of a list's fields as a rebuild meets them, record by record and actor by
// actor; returns how many found no room. A field without values (one a file did not hold) adds
// nothing. Stops early once stop is requested.
std::uint32_t FillLookup(CLookupList& list, LookupKind kind, const FieldColumn& column,
                         std::uint32_t count, const std::stop_token& stop = {});

// The lookup lists, filled on a second thread while a file is still being read: each list as
// soon as the reading has all its fields, so that most of the work is done by the time the
// reading ends. The field arrays named must stay where they are until Finish.
class CLookupFiller {
public:
    struct Lists {
        std::array<CLookupList, kLookupCount> lists;
        std::array<std::uint32_t, kLookupCount> leftOut{};  // values that found no room
    };

    CLookupFiller(std::uint32_t count, FieldColumn column);
    // Stops the filling where it is, when Finish was not reached.
    ~CLookupFiller();
    CLookupFiller(const CLookupFiller&) = delete;
    CLookupFiller& operator=(const CLookupFiller&) = delete;

    // The field's array is read whole.
    void FieldRead(Field f);
    // Every field that was to come has come (those that did not are empty): waits for the lists.
    // Throws what stopped the filling, if anything did.
    Lists Finish();
    // Stops the filling and waits for the thread to let go of the fields.
    void Stop();

private:
    void Fill(const std::stop_token& stop);
    bool Ready(LookupKind kind) const;

    const std::uint32_t count_;
    const FieldColumn column_;
    Lists filled_;
    std::mutex mutex_;
    std::condition_variable_any fieldCame_;
    std::array<bool, kFieldCount> read_{};
    bool allRead_ = false;
    std::exception_ptr failure_;
    std::jthread thread_;
};

}  // namespace reelkeep
