#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace reelkeep {

class CSettingsStore;

// The File menu's list of the four catalogues used last, most recent first, kept in the
// "Recent File List" settings as "File1" … "File4".
class CRecentFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxEntries = 4;

    explicit CRecentFiles(QObject* parent = nullptr);

    const QStringList& Paths() const { return paths_; }
    // Puts the file first, removing an older entry for it.
    void Add(const QString& path);
    void Remove(const QString& path);

    void Load(const CSettingsStore& store);
    void Save(CSettingsStore& store) const;

    // The menu text of entry index: "&1 name"; an '&' in the name is doubled so it shows.
    static QString MenuText(int index, const QString& path);

signals:
    void changed();

private:
    QStringList paths_;
};

}  // namespace reelkeep
