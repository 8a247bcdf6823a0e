#include "document_lifetime.h"

#include "app_strings.h"
#include "file_errors.h"
#include "file_names.h"
#include "qt_text.h"
#include "recent_files.h"
#include "reelkeep_doc.h"
#include "shell_dialogs.h"

namespace reelkeep {

CDocumentLifetime::CDocumentLifetime(CReelkeepDoc& doc, CRecentFiles& recent,
                                     IShellDialogs& dialogs, QWidget* dialogParent)
    : doc_(doc), recent_(recent), dialogs_(dialogs), dialogParent_(dialogParent) {}

QString CDocumentLifetime::Title() const {
    return path_.isEmpty() ? appstr::Tr(appstr::kUntitled) : DisplayFileName(path_);
}

QString CDocumentLifetime::Caption() const {
    // A literal "[*]" in a file name must not become the modified mark.
    QString title = Title();
    title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    return QString::fromUtf8(appstr::kCaptionFormat)
        .arg(title + QStringLiteral("[*]"), appstr::kAppTitle);
}

bool CDocumentLifetime::NewCatalogue() {
    if (!SaveModified()) return false;
    StartNewCatalogue();
    return true;
}

void CDocumentLifetime::StartNewCatalogue() {
    doc_.OnNewDocument();
    SetPath(QString());
    doc_.UI().UpdateAllViews();
}

bool CDocumentLifetime::Open() {
    if (!SaveModified()) return false;
    const QString path = dialogs_.AskOpenFileName(dialogParent_);
    return !path.isEmpty() && LoadFile(path);
}

bool CDocumentLifetime::OpenFile(const QString& path) {
    // The recovered changes are what this file's name asks for: opening it again would ask
    // to save them, and No there would throw them away.
    if (recovered_ && IsOpenFile(path)) return true;
    return IsReadable(path) && SaveModified() && LoadFile(path);
}

bool CDocumentLifetime::IsOpenFile(const QString& path) const {
    if (path_.isEmpty()) return false;
    const std::optional<FileIdentity> named = IdentityOfFile(CorePath(AbsolutePath(path)));
    const std::optional<FileIdentity> open = IdentityOfFile(CorePath(path_));
    if (!named || !open) return AbsolutePath(path) == path_;
    return named->device == open->device && named->inode == open->inode;
}

bool CDocumentLifetime::IsReadable(const QString& path) {
    const std::string corePath = CorePath(AbsolutePath(path));
    try {
        CFileSource source(corePath);
        return true;
    } catch (const CFileError& error) {
        // Said as the open itself would say it.
        IReelkeepUI& ui = doc_.UI();
        Warn(ui, FileErrorText(FileOperation::Read, error.ErrorNumber(), corePath, ui.Language()));
        return false;
    }
}

bool CDocumentLifetime::OpenRecent(int index) {
    if (index < 0 || index >= recent_.Paths().size()) return false;
    const QString path = recent_.Paths()[index];
    if (recovered_ && IsOpenFile(path)) return true;
    if (IsReadable(path)) {
        if (!SaveModified()) return false;
        if (LoadFile(path)) return true;
    }
    // An entry that cannot be opened would fail the same way next time.
    recent_.Remove(path);
    return false;
}

bool CDocumentLifetime::LoadFile(const QString& path) {
    const QString fullPath = AbsolutePath(path);
    // Taken before reading: a change made while the file is read is then still noticed at Save.
    const std::optional<FileIdentity> identity = IdentityOfFile(CorePath(fullPath));
    if (!doc_.OpenDocument(CorePath(fullPath))) {
        // A failed open leaves the catalogue as it was or an empty new one. An empty one must
        // not keep the old file's name, or the next Save would write it over that file.
        if (doc_.Catalogue().Count() == 0 && !doc_.IsModified()) SetPath(QString());
        return false;
    }
    doc_.SetModified(false);
    SetPath(fullPath);
    fileIdentity_ = identity;
    recent_.Add(fullPath);
    return true;
}

bool CDocumentLifetime::LoadRecoveryCopy(const QString& copyPath, const QString& originalPath) {
    if (!doc_.OpenDocument(CorePath(copyPath))) return false;
    // Modified before the name changes, so whoever follows the name sees changes still unsaved.
    doc_.SetModified(true);
    SetPath(originalPath);
    recovered_ = true;
    // What the crashed run saw of the file is lost; changes from now on are still noticed.
    fileIdentity_ = originalPath.isEmpty() ? std::nullopt : IdentityOfFile(CorePath(originalPath));
    return true;
}

bool CDocumentLifetime::Save() { return path_.isEmpty() ? SaveAs() : SaveTo(path_); }

bool CDocumentLifetime::SaveAs() {
    const QString suggested = path_.isEmpty() ? appstr::Tr(appstr::kUntitled) : DisplayPath(path_);
    const QString path = dialogs_.AskSaveFileName(dialogParent_, suggested);
    return !path.isEmpty() && SaveTo(AbsolutePath(path));
}

bool CDocumentLifetime::SaveTo(const QString& path) {
    // Another name was chosen knowing what is there.
    if (path == path_ && !MayReplaceFile()) return false;
    if (!doc_.SaveDocument(CorePath(path))) return false;
    doc_.SetModified(false);
    SetPath(path);
    fileIdentity_ = IdentityOfFile(CorePath(path));
    recent_.Add(path);
    return true;
}

bool CDocumentLifetime::MayReplaceFile() {
    if (!fileIdentity_) return true;
    const std::optional<FileIdentity> now = IdentityOfFile(CorePath(path_));
    // A file that is gone has nothing left to lose.
    if (!now || *now == *fileIdentity_) return true;
    const QString question = appstr::Tr(appstr::kChangedByOtherProgram).arg(Title());
    return dialogs_.ShowMessage(dialogParent_, question, MessageButtons::YesNo,
                                MessageIcon::Warning) == MessageAnswer::Yes;
}

bool CDocumentLifetime::SaveModified() {
    if (!doc_.IsModified()) return true;
    const QString question = appstr::Tr(appstr::kSaveChangesPrompt).arg(Title());
    switch (dialogs_.ShowMessage(dialogParent_, question, MessageButtons::YesNoCancel,
                                 MessageIcon::Warning)) {
        case MessageAnswer::Yes:
            return Save();
        case MessageAnswer::No:
            return true;
        default:
            return false;
    }
}

void CDocumentLifetime::SetPath(const QString& path) {
    if (path != path_) fileIdentity_.reset();
    path_ = path;
    recovered_ = false;
    emit pathChanged();
}

}  // namespace reelkeep
