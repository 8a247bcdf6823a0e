#include "settings_store.h"

#include "ini_format.h"

namespace reelkeep {

namespace {

QString Key(const char* section, const char* name) {
    return QString::fromUtf8(section) + u'/' + QString::fromUtf8(name);
}

}  // namespace

CSettingsStore::CSettingsStore()
    : settings_(std::make_unique<QSettings>(PlainIniFormat(), QSettings::UserScope,
                                            kStoreOrganisation, kStoreApplication)) {}

CSettingsStore::CSettingsStore(const QString& fileName)
    : settings_(std::make_unique<QSettings>(fileName, PlainIniFormat())) {}

int CSettingsStore::ReadInt(const char* section, const char* name, int defaultValue) const {
    bool ok = false;
    const int value = settings_->value(Key(section, name)).toInt(&ok);
    return ok ? value : defaultValue;
}

QString CSettingsStore::ReadText(const char* section, const char* name,
                                 const QString& defaultValue) const {
    return settings_->value(Key(section, name), defaultValue).toString();
}

void CSettingsStore::WriteInt(const char* section, const char* name, int value) {
    settings_->setValue(Key(section, name), value);
}

void CSettingsStore::WriteText(const char* section, const char* name, const QString& value) {
    settings_->setValue(Key(section, name), value);
}

void CSettingsStore::Remove(const char* section, const char* name) {
    settings_->remove(Key(section, name));
}

void CSettingsStore::Sync() { settings_->sync(); }

}  // namespace reelkeep
