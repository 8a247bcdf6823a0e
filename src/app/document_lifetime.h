#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "file_access.h"

class QWidget;

namespace reelkeep {

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

    // The file name without its folder, or "Untitled".
    QString Title() const;
    // The full file name; empty for a catalogue never saved.
    const QString& Path() const { return path_; }
    // "name[*] - Reelkeep": the window shows "[*]" as its modified mark, or nothing.
    QString Caption() const;

    // Each returns false when the user cancelled or the command failed.
    bool NewCatalogue();
    bool Open();  // asks for the file
    // Command line, drop, hand-over. A file that cannot be read is reported before the
    // save-changes question; the file the recovered changes belong to shows them as they are.
    bool OpenFile(const QString& path);
    bool OpenRecent(int index);
    // Asks before replacing a file that another program changed since it was opened or saved here.
    bool Save();
    bool SaveAs();
    // Asks "Save changes to …?" for a modified catalogue: Yes saves (false when that fails),
    // No discards, Cancel returns false.
    bool SaveModified();

    // Opens a file without the save-changes question (start-up, where nothing is open yet).
    bool LoadFile(const QString& path);
    // Opens a recovery copy as the unsaved changes to originalPath (empty for a catalogue never
    // saved), so the next Save writes them there.
    bool LoadRecoveryCopy(const QString& copyPath, const QString& originalPath);
    // The new-catalogue step without the question.
    void StartNewCatalogue();

signals:
    // The file name changed (caption and recent files follow).
    void pathChanged();

private:
    // Says why when path cannot be read.
    bool IsReadable(const QString& path);
    // Whether path names the file the catalogue belongs to.
    bool IsOpenFile(const QString& path) const;
    bool SaveTo(const QString& path);
    // False when the file was changed by another program since it was opened or saved here and
    // the user would rather not replace it.
    bool MayReplaceFile();
    void SetPath(const QString& path);

    CReelkeepDoc& doc_;
    CRecentFiles& recent_;
    IShellDialogs& dialogs_;
    QWidget* dialogParent_;
    QString path_;
    // The file at path_ as this catalogue last read or wrote it; nothing when unknown.
    std::optional<FileIdentity> fileIdentity_;
    // The catalogue holds a crashed run's changes, not yet saved.
    bool recovered_ = false;
};

}  // namespace reelkeep
