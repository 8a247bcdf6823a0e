#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

#include "file_access.h"

class QTimer;
class QWidget;

namespace reelkeep {

class CBackgroundOpen;
class CReelkeepDoc;
class CRecentFiles;
class IShellDialogs;

// New, Open, Save and Save As of the one catalogue: the file name it has, the save-changes
// question before it is replaced, and the recent-file list it feeds.
class CDocumentLifetime : public QObject {
    Q_OBJECT
public:
    CDocumentLifetime(CReelkeepDoc& doc, CRecentFiles& recent, IShellDialogs& dialogs,
                      QWidget* dialogParent);
    ~CDocumentLifetime() override;

    // The file name without its folder, or "Untitled".
    QString Title() const;
    // The full file name; empty for a catalogue never saved.
    const QString& Path() const { return path_; }
    // "name[*] - Reelkeep": the window shows "[*]" as its modified mark, or nothing.
    QString Caption() const;

    // Each returns false when the user cancelled or the command failed. An open returns once
    // the file is being read (see OpenInBackground): the catalogue follows when it is complete.
    bool NewCatalogue();
    bool Open();  // asks for the file
    // Command line, drop, hand-over. A file that cannot be read is reported before the
    // save-changes question; the file the recovered changes belong to shows them as they are.
    bool OpenFile(const QString& path);
    bool OpenRecent(int index);
    // Reads path on a thread of its own, with the status bar's progress, while the window stays
    // live and shows the catalogue it has; the file's catalogue, its name and the recent files
    // follow once it is read, sorted and indexed. A file that turns out damaged is reported
    // then, and the catalogue shown stays. A file being read is given up first.
    void OpenInBackground(const QString& path, bool fromRecentList = false);
    bool Loading() const { return load_ != nullptr; }
    // Gives up the file being read; the catalogue shown stays as it is.
    void CancelLoading();
    // Asks before replacing a file that another program changed since it was opened or saved here.
    bool Save();
    bool SaveAs();
    // Asks "Save changes to …?" for a modified catalogue: Yes saves (false when that fails),
    // No discards, Cancel returns false.
    bool SaveModified();

    // Says why when path cannot be read.
    bool IsReadable(const QString& path);
    // Opens a file without the save-changes question, before returning.
    bool LoadFile(const QString& path);
    // Opens a recovery copy as the unsaved changes to originalPath (empty for a catalogue never
    // saved), so the next Save writes them there.
    bool LoadRecoveryCopy(const QString& copyPath, const QString& originalPath);
    // The new-catalogue step without the question.
    void StartNewCatalogue();

signals:
    // The file name changed (caption and recent files follow).
    void pathChanged();
    // A file began or ended being read (the commands that need the catalogue follow).
    void loadingChanged();

private:
    // Whether path names the file the catalogue belongs to.
    bool IsOpenFile(const QString& path) const;
    bool SaveTo(const QString& path);
    // False when the file was changed by another program since it was opened or saved here and
    // the user would rather not replace it.
    bool MayReplaceFile();
    void SetPath(const QString& path);
    // The reading's progress onto the status bar, and its end once it is complete.
    void FollowLoad();
    void EndLoadProgress();
    void FinishLoad();

    CReelkeepDoc& doc_;
    CRecentFiles& recent_;
    IShellDialogs& dialogs_;
    QWidget* dialogParent_;
    QString path_;
    // The file at path_ as this catalogue last read or wrote it; nothing when unknown.
    std::optional<FileIdentity> fileIdentity_;
    // The catalogue holds a crashed run's changes, not yet saved.
    bool recovered_ = false;

    // The file being read, what it was when the reading began, and the progress shown of it.
    std::unique_ptr<CBackgroundOpen> load_;
    QString loadPath_;
    std::optional<FileIdentity> loadIdentity_;
    bool loadFromRecentList_ = false;
    bool loadNamesWindow_ = false;
    QTimer* loadTimer_;
    std::uint64_t loadProgressGeneration_ = 0;
    bool loadProgressShown_ = false;
};

}  // namespace reelkeep
