#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "text_language.h"

namespace reelkeep {

// CreateInFolder: making a new file in a folder, where a refusal is the folder's, not the file's.
enum class FileOperation { Read, Write, CreateInFolder };

// The text shown when reading or writing path failed with errorNumber (an errno value; 0 when
// no cause is known), with %1 replaced by the path, in the given language.
std::string FileErrorText(FileOperation op, int errorNumber, std::string_view path,
                          const CTextLanguage& language = PlainText());

// A failed file-system call, carrying its errno so the message can name the cause.
class CFileError : public std::runtime_error {
public:
    explicit CFileError(int errorNumber, bool inFolder = false)
        : std::runtime_error("file error"), errorNumber_(errorNumber), inFolder_(inFolder) {}
    int ErrorNumber() const { return errorNumber_; }
    // The call made a new file in the folder (a save's temporary file).
    bool InFolder() const { return inFolder_; }
    // How a failed write is to be told.
    FileOperation WriteOperation() const {
        return inFolder_ ? FileOperation::CreateInFolder : FileOperation::Write;
    }

private:
    int errorNumber_;
    bool inFolder_;
};

}  // namespace reelkeep
