#include "bench_support.h"

#include <unistd.h>

#include <filesystem>

namespace reelkeep::bench {

std::string TempPath(std::string_view name) {
    return (std::filesystem::temp_directory_path() /
            ("reelkeep-bench-" + std::to_string(::getpid()) + "-" + std::string(name)))
        .string();
}

}  // namespace reelkeep::bench
