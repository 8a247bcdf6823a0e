#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "text_language.h"

namespace reelkeep {

enum class FileOperation { Read, Write };

// The text shown when reading or writing path failed with errorNumber (an errno value; 0 when
// no cause is known), with %1 replaced by the path, in the given language.
std::string FileErrorText(FileOperation op, int errorNumber, std::string_view path,
                          const TextLanguage& language = PlainText());

// A failed file-system call, carrying its errno so the message can name the cause.
class FileError : public std::runtime_error {
public:
    explicit FileError(int errorNumber)
        : std::runtime_error("file error"), errorNumber_(errorNumber) {}
    int ErrorNumber() const { return errorNumber_; }

private:
    int errorNumber_;
};

}  // namespace reelkeep
