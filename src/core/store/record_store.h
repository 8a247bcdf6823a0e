#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "fields.h"

namespace reelkeep {

class CRecordLoader;

// The movie records as fifteen parallel arrays of text, one per field: record i is element i of
// every array, and storage is never reordered. Every operation leaves every array exactly
// Count() long, so no reader can meet arrays that disagree.
class CRecordStore {
public:
    std::uint32_t Count() const { return count_; }
    const std::string& Value(std::uint32_t record, Field f) const {
        return columns_[FieldIndex(f)][record];
    }
    const std::vector<std::string>& Column(Field f) const { return columns_[FieldIndex(f)]; }
    RecordValues Record(std::uint32_t record) const;

    void Set(std::uint32_t record, Field f, std::string value);
    void SetRecord(std::uint32_t record, RecordValues values);
    // Appends one record; throws std::bad_alloc with the store unchanged.
    void Append(RecordValues values);
    // Room for the given number of records, with a sixty-fourth to spare, ahead of many
    // Appends: the arrays then grow once instead of again and again. Throws std::bad_alloc with
    // the store unchanged (what room was made stays).
    void Reserve(std::uint32_t count);
    // New records are empty, surplus ones dropped.
    void Resize(std::uint32_t count);
    // A whole field array at once, filled up or cut to the record count.
    void ReplaceColumn(Field f, std::vector<std::string> values);
    // Removes the records marked (marked[i] for record i; records past its end stay), keeping the
    // others in order; false when none was marked.
    bool Purge(const std::vector<bool>& marked);
    // Empties the store and gives its memory back.
    void Clear();
    // Takes the records a loader gathered; the fields it was not given are empty. On
    // std::bad_alloc the store is as it was and the loader still holds what it gathered.
    void Adopt(CRecordLoader& loader);

private:
    std::array<std::vector<std::string>, kFieldCount> columns_;
    std::uint32_t count_ = 0;
};

// Gathers the field arrays of a file before they become the store's, so that the store is
// never seen with arrays of different lengths while a file is read.
class CRecordLoader {
public:
    explicit CRecordLoader(std::uint32_t count) : count_(count) {}
    std::uint32_t Count() const { return count_; }
    // Fitted to the record count, as a file's list may hold more or fewer values.
    void Take(Field f, std::vector<std::string> values);
    // What was taken for a field so far: nothing, or one value per record.
    const std::vector<std::string>& Column(Field f) const { return columns_[FieldIndex(f)]; }

private:
    friend class CRecordStore;
    std::uint32_t count_;
    std::array<std::vector<std::string>, kFieldCount> columns_;
};

}  // namespace reelkeep
