#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "byte_io.h"

namespace reelkeep {

// A file opened for reading; the document keeps no handle beyond a load. Throws FileError.
class FileSource : public ByteSource {
public:
    explicit FileSource(const std::string& path);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    std::uint64_t Size() const override { return size_; }
    std::size_t Read(char* dst, std::size_t n) override;

private:
    int fd_ = -1;
    std::uint64_t size_ = 0;
};

// Replaces path with what write produces, or leaves it untouched: the bytes go to a temporary
// file in the same folder, are flushed to the disk and only then renamed over path. Throws
// FileError (the temporary file is removed first).
void WriteFileAtomically(const std::string& path, const std::function<void(ByteSink&)>& write);

}  // namespace reelkeep
