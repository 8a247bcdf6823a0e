#include "scratch_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cerrno>
#include <system_error>
#include <vector>

namespace reelkeep::test {

ScratchFolder::ScratchFolder() {
    std::string pattern =
        (std::filesystem::path(testing::TempDir()) / "reelkeep-test-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    // mkdtemp makes the folder under a name no one else holds, private to this user.
    if (::mkdtemp(name.data()) == nullptr) {
        throw std::system_error(errno, std::generic_category(), "mkdtemp " + pattern);
    }
    path_ = name.data();
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace reelkeep::test
