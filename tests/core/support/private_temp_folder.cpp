// In every core and widget test program, before main: a fresh temporary folder of the program's
// own, gone at its end, so that two runs at once, by one user or two, never meet. Its "runtime"
// folder is the session's runtime folder, where Qt would otherwise make one in the shared
// temporary folder and leave it there.
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace {
const bool kPrivateTempFolder = [] {
    static std::string folder = std::filesystem::temp_directory_path() / "reelkeep-test-XXXXXX";
    if (::mkdtemp(folder.data()) == nullptr) return false;
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    });
    const std::string runtime = folder + "/runtime";
    if (::mkdir(runtime.c_str(), 0700) != 0) return false;
    return ::setenv("TMPDIR", folder.c_str(), 1) + ::setenv("TEST_TMPDIR", folder.c_str(), 1) +
               ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1) ==
           0;
}();
}  // namespace
