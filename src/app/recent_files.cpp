#include "recent_files.h"

#include "app_strings.h"
#include "file_names.h"
#include "settings_store.h"

namespace reelkeep {

namespace {

QByteArray EntryName(int index) { return "File" + QByteArray::number(index + 1); }

}  // namespace

CRecentFiles::CRecentFiles(QObject* parent) : QObject(parent) {}

void CRecentFiles::Add(const QString& path) {
    if (!paths_.isEmpty() && paths_.front() == path) return;
    paths_.removeAll(path);
    paths_.prepend(path);
    while (paths_.size() > kMaxEntries) paths_.removeLast();
    emit changed();
}

void CRecentFiles::Remove(const QString& path) {
    if (paths_.removeAll(path) > 0) emit changed();
}

void CRecentFiles::Load(const CSettingsStore& store) {
    paths_.clear();
    for (int i = 0; i < kMaxEntries; ++i) {
        const QString path = store.ReadText(kSectionRecentFiles, EntryName(i).constData(), {});
        if (!path.isEmpty() && !paths_.contains(path)) paths_.append(path);
    }
    emit changed();
}

void CRecentFiles::Save(CSettingsStore& store) const {
    for (int i = 0; i < kMaxEntries; ++i) {
        const QByteArray name = EntryName(i);
        if (i < paths_.size()) {
            store.WriteText(kSectionRecentFiles, name.constData(), paths_[i]);
        } else {
            store.Remove(kSectionRecentFiles, name.constData());
        }
    }
}

QString CRecentFiles::MenuText(int index, const QString& path) {
    QString name = DisplayFileName(path);
    name.replace(u'&', QStringLiteral("&&"));
    return QString::fromUtf8(appstr::kRecentFileEntry).arg(QString::number(index + 1), name);
}

}  // namespace reelkeep
