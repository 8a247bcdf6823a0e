#include "document_lifetime.h"

#include <QFileInfo>

#include "app_strings.h"
#include "qt_text.h"
#include "recent_files.h"
#include "reelkeep_doc.h"
#include "shell_dialogs.h"

namespace reelkeep {

CDocumentLifetime::CDocumentLifetime(CReelkeepDoc& doc, CRecentFiles& recent,
                                     IShellDialogs& dialogs, QWidget* dialogParent)
    : doc_(doc), recent_(recent), dialogs_(dialogs), dialogParent_(dialogParent) {}

QString CDocumentLifetime::Title() const {
    return path_.isEmpty() ? appstr::Tr(appstr::kUntitled) : QFileInfo(path_).fileName();
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
    doc_.ui().UpdateAllViews();
}

bool CDocumentLifetime::Open() {
    if (!SaveModified()) return false;
    const QString path = dialogs_.AskOpenFileName(dialogParent_);
    return !path.isEmpty() && LoadFile(path);
}

bool CDocumentLifetime::OpenFile(const QString& path) { return SaveModified() && LoadFile(path); }

bool CDocumentLifetime::OpenRecent(int index) {
    if (index < 0 || index >= recent_.Paths().size()) return false;
    const QString path = recent_.Paths()[index];
    if (!SaveModified()) return false;
    if (LoadFile(path)) return true;
    // An entry that cannot be opened would fail the same way next time.
    recent_.Remove(path);
    return false;
}

bool CDocumentLifetime::LoadFile(const QString& path) {
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    // Taken before reading: a change made while the file is read is then still noticed at Save.
    const std::optional<FileIdentity> identity = IdentityOfFile(FromQt(fullPath));
    if (!doc_.OpenDocument(FromQt(fullPath))) {
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
    if (!doc_.OpenDocument(FromQt(copyPath))) return false;
    // Modified before the name changes, so whoever follows the name sees changes still unsaved.
    doc_.SetModified(true);
    SetPath(originalPath);
    // What the crashed run saw of the file is lost; changes from now on are still noticed.
    fileIdentity_ = originalPath.isEmpty() ? std::nullopt : IdentityOfFile(FromQt(originalPath));
    return true;
}

bool CDocumentLifetime::Save() { return path_.isEmpty() ? SaveAs() : SaveTo(path_); }

bool CDocumentLifetime::SaveAs() {
    const QString suggested = path_.isEmpty() ? appstr::Tr(appstr::kUntitled) : path_;
    const QString path = dialogs_.AskSaveFileName(dialogParent_, suggested);
    return !path.isEmpty() && SaveTo(QFileInfo(path).absoluteFilePath());
}

bool CDocumentLifetime::SaveTo(const QString& path) {
    // Another name was chosen knowing what is there.
    if (path == path_ && !MayReplaceFile()) return false;
    if (!doc_.SaveDocument(FromQt(path))) return false;
    doc_.SetModified(false);
    SetPath(path);
    fileIdentity_ = IdentityOfFile(FromQt(path));
    recent_.Add(path);
    return true;
}

bool CDocumentLifetime::MayReplaceFile() {
    if (!fileIdentity_) return true;
    const std::optional<FileIdentity> now = IdentityOfFile(FromQt(path_));
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
    emit pathChanged();
}

}  // namespace reelkeep
