#pragma once

#include <filesystem>
#include <string>

namespace reelkeep::test {

// A folder of the test's own, made fresh under the test framework's temporary folder and removed
// with everything in it at the end: two runs at once, by one user or two, never meet in it.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // A name inside the folder.
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

}  // namespace reelkeep::test
