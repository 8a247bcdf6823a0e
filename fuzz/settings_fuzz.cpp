// Arbitrary text as the per-user settings file, read back as the program does at start-up:
// colours, options, both fonts, the window placement and the recent files. Nothing may crash,
// every value must come out usable, and what the loaders write back must read the same.
#include <QDateTime>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "app_settings.h"
#include "fuzz_check.h"
#include "recent_files.h"
#include "settings_store.h"
#include "window_placement.h"

namespace {

using namespace reelkeep;

// The colours are stored as 0x00BBGGRR.
constexpr std::uint32_t kMaxColor = 0xFFFFFF;

struct Loaded {
    ScreenColors colors;
    OptionValues options;
    FontSpec screenFont;
    FontSpec labelFont;
    WindowPlacement placement;
    QStringList recent;

    bool operator==(const Loaded&) const = default;
};

// In the order the program reads them when it starts.
Loaded LoadAll(CSettingsStore& store) {
    Loaded loaded;
    loaded.placement = LoadPlacement(store);
    loaded.colors = LoadScreenColors(store);
    loaded.options = LoadOptions(store);
    loaded.screenFont = LoadFont(store, FontKind::Screen);
    loaded.labelFont = LoadFont(store, FontKind::Label);
    CRecentFiles recent;
    recent.Load(store);
    loaded.recent = recent.Paths();
    return loaded;
}

void CheckFont(const FontSpec& font) {
    FUZZ_CHECK(!font.face.isEmpty());
    FUZZ_CHECK(font.sizeTenths >= kMinFontSizeTenths && font.sizeTenths <= kMaxFontSizeTenths);
    FUZZ_CHECK(font.weight >= kMinFontWeight && font.weight <= kMaxFontWeight);
}

void CheckRanges(const Loaded& loaded) {
    FUZZ_CHECK(loaded.colors.data <= kMaxColor);
    FUZZ_CHECK(loaded.colors.heading <= kMaxColor);
    FUZZ_CHECK(loaded.colors.highlightData <= kMaxColor);
    FUZZ_CHECK(loaded.colors.highlightBackground <= kMaxColor);
    CheckFont(loaded.screenFont);
    CheckFont(loaded.labelFont);
    const WindowPlacement& p = loaded.placement;
    for (const int v : {p.left, p.top, p.right, p.bottom}) {
        FUZZ_CHECK(v >= -kMaxPlacementCoordinate && v <= kMaxPlacementCoordinate);
    }
    FUZZ_CHECK(loaded.recent.size() <= CRecentFiles::kMaxEntries);
    for (const QString& path : loaded.recent) FUZZ_CHECK(!path.isEmpty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("Reelkeep.ini"));
    // QSettings keeps files it read in a cache and reads one again only when its size or time
    // changed: every input gets a time of its own.
    static qint64 serial = 0;
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
        FUZZ_CHECK(file.setFileTime(QDateTime::fromSecsSinceEpoch(++serial),
                                    QFileDevice::FileModificationTime));
    }
    Loaded first;
    {
        CSettingsStore store(path);
        first = LoadAll(store);
        CheckRanges(first);
        SavePlacement(store, first.placement);
        CRecentFiles recent;
        recent.Load(store);
        recent.Save(store);
        store.Sync();
    }
    {
        // What the loaders and the savers wrote is read back unchanged, from the file itself.
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::ReadWrite));
        FUZZ_CHECK(file.setFileTime(QDateTime::fromSecsSinceEpoch(++serial),
                                    QFileDevice::FileModificationTime));
    }
    {
        CSettingsStore store(path);
        FUZZ_CHECK(LoadAll(store) == first);
    }
    return 0;
}
