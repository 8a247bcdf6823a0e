#include "record_store.h"

#include <algorithm>
#include <utility>

namespace reelkeep {

namespace {

// Grows a vector's capacity ahead of a push_back, so the push itself cannot throw.
void ReserveOneMore(std::vector<std::string>& v) {
    if (v.size() == v.capacity()) v.reserve(v.size() + std::max<std::size_t>(v.size() / 2, 16));
}

void FitTo(std::vector<std::string>& column, std::uint32_t count) {
    column.resize(count);
    if (column.capacity() > column.size() * 2) column.shrink_to_fit();
}

}  // namespace

RecordValues CRecordStore::Record(std::uint32_t record) const {
    RecordValues values;
    for (std::size_t f = 0; f < kFieldCount; ++f) values[f] = columns_[f][record];
    return values;
}

void CRecordStore::Set(std::uint32_t record, Field f, std::string value) {
    columns_[FieldIndex(f)][record] = std::move(value);
}

void CRecordStore::SetRecord(std::uint32_t record, RecordValues values) {
    for (std::size_t f = 0; f < kFieldCount; ++f) columns_[f][record] = std::move(values[f]);
}

void CRecordStore::Append(RecordValues values) {
    for (auto& column : columns_) ReserveOneMore(column);
    for (std::size_t f = 0; f < kFieldCount; ++f) columns_[f].push_back(std::move(values[f]));
    ++count_;
}

void CRecordStore::Reserve(std::uint32_t count) {
    for (auto& column : columns_) column.reserve(std::size_t{count} + count / 64);
}

void CRecordStore::Resize(std::uint32_t count) {
    // Shrinking first cannot fail; growing may, and then the surplus grown is dropped again.
    try {
        for (auto& column : columns_) FitTo(column, count);
    } catch (...) {
        for (auto& column : columns_) column.resize(std::min<std::size_t>(column.size(), count_));
        throw;
    }
    count_ = count;
}

void CRecordStore::ReplaceColumn(Field f, std::vector<std::string> values) {
    values.resize(count_);
    columns_[FieldIndex(f)] = std::move(values);
}

bool CRecordStore::Purge(const std::vector<bool>& marked) {
    // One sweep keeps the survivors in order, as removing each marked record in turn would.
    std::vector<bool> keep(count_);
    std::uint32_t kept = 0;
    for (std::uint32_t i = 0; i < count_; ++i) {
        keep[i] = i >= marked.size() || !marked[i];
        kept += keep[i] ? 1 : 0;
    }
    if (kept == count_) return false;
    // The records before the first one marked stay where they are.
    std::uint32_t first = 0;
    while (keep[first]) ++first;
    for (auto& column : columns_) {
        std::uint32_t out = first;
        for (std::uint32_t i = first; i < count_; ++i) {
            if (!keep[i]) continue;
            // A string moved onto itself may come out empty.
            if (out != i) column[out] = std::move(column[i]);
            ++out;
        }
        column.resize(kept);
    }
    count_ = kept;
    return true;
}

void CRecordStore::Clear() {
    for (auto& column : columns_) {
        column.clear();
        column.shrink_to_fit();
    }
    count_ = 0;
}

void CRecordStore::Adopt(CRecordLoader& loader) {
    for (auto& column : loader.columns_) {
        if (column.size() != loader.count_) column.resize(loader.count_);
    }
    columns_.swap(loader.columns_);
    count_ = loader.count_;
    for (auto& column : loader.columns_) {
        column.clear();
        column.shrink_to_fit();
    }
}

void CRecordLoader::Take(Field f, std::vector<std::string> values) {
    values.resize(count_);
    columns_[FieldIndex(f)] = std::move(values);
}

}  // namespace reelkeep
