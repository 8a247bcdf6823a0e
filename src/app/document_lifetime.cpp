#include "document_lifetime.h"

#include <QTimer>

#include "app_strings.h"
#include "background_open.h"
#include "file_errors.h"
#include "file_names.h"
#include "qt_text.h"
#include "recent_files.h"
#include "reelkeep_doc.h"
#include "shell_dialogs.h"

namespace reelkeep {

namespace {

// How often the window looks at a file being read: the bar moves smoothly, and the catalogue
// shows at most this long after it is complete.
constexpr int kLoadPollMs = 40;

}  // namespace

CDocumentLifetime::CDocumentLifetime(CReelkeepDoc& doc, CRecentFiles& recent,
                                     IShellDialogs& dialogs, QWidget* dialogParent)
    : doc_(doc),
      recent_(recent),
      dialogs_(dialogs),
      dialogParent_(dialogParent),
      loadTimer_(new QTimer(this)) {
    loadTimer_->setInterval(kLoadPollMs);
    connect(loadTimer_, &QTimer::timeout, this, &CDocumentLifetime::FollowLoad);
}

CDocumentLifetime::~CDocumentLifetime() = default;

QString CDocumentLifetime::Title() const {
    // A new window names the file it is opening, not the empty catalogue it shows meanwhile.
    if (load_ && loadNamesWindow_)
        return appstr::Tr(appstr::kLoadingTitle).arg(DisplayFileName(loadPath_));
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
    CancelLoading();
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
    CancelLoading();
    if (!SaveModified()) return false;
    const QString path = dialogs_.AskOpenFileName(dialogParent_);
    if (path.isEmpty()) return false;
    OpenInBackground(path);
    return true;
}

bool CDocumentLifetime::OpenFile(const QString& path) {
    // The recovered changes are what this file's name asks for: opening it again would ask
    // to save them, and No there would throw them away.
    if (recovered_ && IsOpenFile(path)) return true;
    if (!IsReadable(path)) return false;
    CancelLoading();
    if (!SaveModified()) return false;
    OpenInBackground(path);
    return true;
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
    if (!IsReadable(path)) {
        // An entry that cannot be opened would fail the same way next time.
        recent_.Remove(path);
        return false;
    }
    CancelLoading();
    if (!SaveModified()) return false;
    OpenInBackground(path, true);
    return true;
}

void CDocumentLifetime::OpenInBackground(const QString& path, bool fromRecentList) {
    CancelLoading();
    loadPath_ = AbsolutePath(path);
    // Taken before reading: a change made while the file is read is then still noticed at Save.
    loadIdentity_ = IdentityOfFile(CorePath(loadPath_));
    loadFromRecentList_ = fromRecentList;
    loadNamesWindow_ = path_.isEmpty() && !doc_.IsModified() && doc_.Catalogue().Count() == 0;
    load_ = std::make_unique<CBackgroundOpen>(doc_, CorePath(loadPath_));
    loadProgressShown_ = false;
    loadProgressGeneration_ = 0;
    loadTimer_->start();
    emit loadingChanged();
}

void CDocumentLifetime::CancelLoading() {
    if (!load_) return;
    loadTimer_->stop();
    load_.reset();
    EndLoadProgress();
    emit loadingChanged();
}

void CDocumentLifetime::FollowLoad() {
    if (!load_) return;
    const LoadProgress progress = load_->Progress();
    IReelkeepUI& ui = doc_.UI();
    if (progress.generation != loadProgressGeneration_) {
        EndLoadProgress();
        loadProgressGeneration_ = progress.generation;
        loadProgressShown_ = !progress.caption.empty();
        if (loadProgressShown_) ui.BeginProgress(progress.caption, progress.max);
    }
    if (loadProgressShown_) ui.SetProgress(progress.done);
    if (load_->Finished()) FinishLoad();
}

void CDocumentLifetime::EndLoadProgress() {
    if (loadProgressShown_) doc_.UI().EndProgress();
    loadProgressShown_ = false;
}

void CDocumentLifetime::FinishLoad() {
    loadTimer_->stop();
    EndLoadProgress();
    // Off the lifetime before anything is said: a message box runs the event loop.
    const std::unique_ptr<CBackgroundOpen> load = std::move(load_);
    const QString path = loadPath_;
    const std::optional<FileIdentity> identity = loadIdentity_;
    const bool fromRecentList = loadFromRecentList_;
    if (load->Complete(doc_)) {
        doc_.SetModified(false);
        SetPath(path);
        fileIdentity_ = identity;
        recent_.Add(path);
    } else if (fromRecentList) {
        recent_.Remove(path);
    }
    emit loadingChanged();
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
