#pragma once

#include <QSettings>
#include <QString>
#include <memory>

namespace reelkeep {

// Where the user's own store lives: the maker's key, then the application's.
inline constexpr char kStoreOrganisation[] = "Quillfen";
inline constexpr char kStoreApplication[] = "Reelkeep";

// Section names of the per-user settings.
inline constexpr char kSectionUserData[] = "User Data";
inline constexpr char kSectionWindow[] = "Window size";
inline constexpr char kSectionRecentFiles[] = "Recent File List";
inline constexpr char kSectionSettings[] = "Settings";

// The per-user settings file: integers and texts by section and value name. An absent value or
// section reads as the given default, never as an error.
class CSettingsStore {
public:
    // The user's own store: Quillfen/Reelkeep.ini in the user's configuration folder.
    CSettingsStore();
    // A store in the given file (tests, portable use).
    explicit CSettingsStore(const QString& fileName);

    int ReadInt(const char* section, const char* name, int defaultValue) const;
    QString ReadText(const char* section, const char* name, const QString& defaultValue) const;
    void WriteInt(const char* section, const char* name, int value);
    void WriteText(const char* section, const char* name, const QString& value);
    void Remove(const char* section, const char* name);

    // Writes pending changes to the file.
    void Sync();
    QString FileName() const { return settings_->fileName(); }

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace reelkeep
