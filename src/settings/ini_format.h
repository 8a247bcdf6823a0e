#pragma once

#include <QSettings>

class QIODevice;

namespace reelkeep {

// QSettings' own INI form percent-encodes blanks in section and value names ("Face%20Name").
// The settings keep names such as "User Data" and "Face Name" readable, so they are written
// through this plain form: "[Section]" lines and "Name=value" lines, names and values verbatim
// except that a backslash, a line feed and a carriage return in a value are escaped.
QSettings::Format PlainIniFormat();

bool ReadPlainIni(QIODevice& device, QSettings::SettingsMap& map);
bool WritePlainIni(QIODevice& device, const QSettings::SettingsMap& map);

}  // namespace reelkeep
