#include "file_errors.h"

#include <cerrno>

#include "messages.h"

namespace reelkeep {

namespace {

std::string_view TemplateFor(FileOperation op, int errorNumber) {
    const bool reading = op == FileOperation::Read;
    const bool refused = errorNumber == EACCES || errorNumber == EPERM || errorNumber == EROFS;
    if (op == FileOperation::CreateInFolder && refused) return msg::kFolderNotWritable;
    switch (errorNumber) {
        case 0:
            return reading ? msg::kFailedToOpen : msg::kFailedToSave;
        case ENOENT:
        case ENOTDIR:
            // Writing creates the file: what is missing is the folder it goes in.
            return reading ? msg::kFileNotFound : msg::kFolderNotFound;
        case ENAMETOOLONG:
            return msg::kFileNotFound;
        case ENOSPC:
        case EDQUOT:
            return msg::kDiskFull;
        case EACCES:
        case EPERM:
        case EROFS:
        case ETXTBSY:
        case EBUSY:
            return reading ? msg::kAccessRead : msg::kAccessWrite;
        default:
            return reading ? msg::kReadError : msg::kWriteError;
    }
}

}  // namespace

std::string FileErrorText(FileOperation op, int errorNumber, std::string_view path,
                          const CTextLanguage& language) {
    return FillIn(language.Text(TemplateFor(op, errorNumber)), "%1", path);
}

}  // namespace reelkeep
