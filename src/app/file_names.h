#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <string>

// A file name is bytes: on old disks it may be Latin-1 or worse, not UTF-8. Qt decodes names
// as UTF-8 and loses a byte that is not; these keep it. A byte that is no part of valid UTF-8
// is held in the QString as the lone surrogate U+DC00 + byte, which no valid UTF-8 decodes to,
// so every name survives the trip from bytes to QString and back unchanged.
namespace reelkeep {

QString PathFromBytes(QByteArrayView bytes);
QByteArray PathBytes(QStringView path);
// The bytes as the core takes a file name.
std::string CorePath(QStringView path);

// The name as it can be shown: a byte kept as above shows as U+FFFD.
QString DisplayPath(QStringView path);
// The last part of the name, as shown.
QString DisplayFileName(QStringView path);

// path made absolute against the current folder, without looking at the file.
QString AbsolutePath(const QString& path);

}  // namespace reelkeep
