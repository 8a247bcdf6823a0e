// The settings store: its file form, the colour and font rules, the option values, window
// placement and the recent-file list.
#include <QBuffer>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include "app_settings.h"
#include "display_options.h"
#include "ini_format.h"
#include "recent_files.h"
#include "settings_store.h"
#include "view_colors.h"
#include "window_placement.h"

using namespace reelkeep;

namespace {

QString FileText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    int next_ = 0;

    // A store in a file of its own, optionally with some text already in it.
    std::unique_ptr<CSettingsStore> NewStore(const QByteArray& initial = {}) {
        const QString path = dir_.filePath(QStringLiteral("store%1.ini").arg(next_++));
        if (!initial.isEmpty()) {
            QFile file(path);
            file.open(QIODevice::WriteOnly);
            file.write(initial);
        }
        return std::make_unique<CSettingsStore>(path);
    }

private slots:
    void namesWithBlanksAreWrittenAsTheyAre() {
        auto store = NewStore();
        store->WriteText(kSectionUserData, "Face Name", QStringLiteral("MS Sans Serif"));
        store->WriteInt(kSectionUserData, "Custom 1", 1);
        store->WriteText(kSectionRecentFiles, "File1", QStringLiteral("/a b/c=d;e.smf"));
        store->Sync();
        const QString text = FileText(store->FileName());
        QVERIFY(text.contains(QStringLiteral("[User Data]\n")));
        QVERIFY(text.contains(QStringLiteral("Face Name=MS Sans Serif\n")));
        QVERIFY(text.contains(QStringLiteral("Custom 1=1\n")));
        QVERIFY(text.contains(QStringLiteral("[Recent File List]\nFile1=/a b/c=d;e.smf\n")));

        CSettingsStore reread(store->FileName());
        QCOMPARE(reread.ReadText(kSectionUserData, "Face Name", {}),
                 QStringLiteral("MS Sans Serif"));
        QCOMPARE(reread.ReadInt(kSectionUserData, "Custom 1", 0), 1);
        QCOMPARE(reread.ReadText(kSectionRecentFiles, "File1", {}),
                 QStringLiteral("/a b/c=d;e.smf"));
    }

    void valuesSurviveARoundTripWhateverTheyHold() {
        // With a byte of a file name that is not UTF-8 (kept as U+DCE9), and the text "\xE9".
        const QString tricky = QStringLiteral("  lead\\ing\nline two\r=;#[x] caf") + QChar(0xDCE9) +
                               QStringLiteral(".smf \\xE9");
        QSettings::SettingsMap map;
        map.insert(QStringLiteral("Sec tion/Na me"), tricky);
        map.insert(QStringLiteral("Top"), 7);
        QBuffer buffer;
        buffer.open(QIODevice::ReadWrite);
        QVERIFY(WritePlainIni(buffer, map));
        QVERIFY(buffer.data().contains("caf\\xE9.smf \\\\xE9"));
        buffer.seek(0);
        QSettings::SettingsMap back;
        QVERIFY(ReadPlainIni(buffer, back));
        QCOMPARE(back.value(QStringLiteral("Sec tion/Na me")).toString(), tricky);
        QCOMPARE(back.value(QStringLiteral("Top")).toInt(), 7);
    }

    void handWrittenFilesAreRead() {
        auto store = NewStore(
            "; a comment\n[User Data]\n  Font Size = 120\nnonsense line\n\n[Window size]\n"
            "Rect=0001 0002 0300 0400\n");
        QCOMPARE(store->ReadInt(kSectionUserData, "Font Size", 0), 120);
        QCOMPARE(store->ReadText(kSectionWindow, "Rect", {}),
                 QStringLiteral("0001 0002 0300 0400"));
        QCOMPARE(store->ReadInt(kSectionUserData, "Absent", -5), -5);
    }

    void colourRule_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<quint32>("data");
        QTest::addColumn<quint32>("heading");
        QTest::addColumn<quint32>("highlightData");
        QTest::addColumn<quint32>("highlightBackground");
        QTest::newRow("empty store") << QByteArray() << 0u << 16711680u << 16777215u << 0u;
        // Without "DataColor" the other three are ignored too.
        QTest::newRow("no DataColor") << QByteArray("[User Data]\nHeadingColor=255\nHBkColor=99\n")
                                      << 0u << 16711680u << 16777215u << 0u;
        QTest::newRow("all stored")
            << QByteArray(
                   "[User Data]\nDataColor=1122867\nHeadingColor=255\nHDataColor=65280\n"
                   "HBkColor=16711935\n")
            << 1122867u << 255u << 65280u << 16711935u;
        QTest::newRow("one missing beside DataColor")
            << QByteArray("[User Data]\nDataColor=5\nHeadingColor=6\nHBkColor=7\n") << 5u << 6u
            << 16777215u << 7u;
        // Edited by hand: only the three colour bytes are kept.
        QTest::newRow("wider than a colour")
            << QByteArray("[User Data]\nDataColor=-2\nHeadingColor=16777472\n") << 16777214u << 256u
            << 16777215u << 0u;
    }

    void colourRule() {
        QFETCH(QByteArray, stored);
        auto store = NewStore(stored);
        const ScreenColors colors = LoadScreenColors(*store);
        QFETCH(quint32, data);
        QFETCH(quint32, heading);
        QFETCH(quint32, highlightData);
        QFETCH(quint32, highlightBackground);
        QCOMPARE(colors.data, data);
        QCOMPARE(colors.heading, heading);
        QCOMPARE(colors.highlightData, highlightData);
        QCOMPARE(colors.highlightBackground, highlightBackground);
        // Written back as the values now in force.
        QCOMPARE(store->ReadInt(kSectionUserData, "HeadingColor", -1), static_cast<int>(heading));
        QCOMPARE(store->ReadInt(kSectionUserData, "HBkColor", -1),
                 static_cast<int>(highlightBackground));
    }

    void coloursKeepRedInTheLowByte() {
        QCOMPARE(ToQColor(0x0000FF), QColor(255, 0, 0));
        QCOMPARE(ToQColor(0xFF0000), QColor(0, 0, 255));
        QCOMPARE(ToQColor(0xFF123456), QColor(0x56, 0x34, 0x12));
        ScreenColors colors;
        colors.highlightBackground = 0x00FF00;
        const ViewColors view = ToViewColors(colors, QPalette());
        QCOMPARE(view.heading, QColor(0, 0, 255));
        QCOMPARE(view.highlightBackground, QColor(0, 255, 0));
        QCOMPARE(view.highlightData, QColor(255, 255, 255));
    }

    void fontRule_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("face");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("weight");
        QTest::addColumn<bool>("italic");
        const QString def = QStringLiteral("MS Sans Serif");
        QTest::newRow("empty store") << QByteArray() << def << 80 << 400 << false;
        QTest::newRow("empty face resets everything")
            << QByteArray("[User Data]\nFace Name=\nFont Size=120\nFont Weight=700\nItalic=1\n")
            << def << 80 << 400 << false;
        QTest::newRow("zero size")
            << QByteArray("[User Data]\nFace Name=Arial\nFont Size=0\nFont Weight=700\n") << def
            << 80 << 400 << false;
        QTest::newRow("zero weight")
            << QByteArray("[User Data]\nFace Name=Arial\nFont Size=100\nFont Weight=0\n") << def
            << 80 << 400 << false;
        QTest::newRow("size beyond 1638 points")
            << QByteArray("[User Data]\nFace Name=Arial\nFont Size=2147483647\n") << def << 80
            << 400 << false;
        QTest::newRow("negative size")
            << QByteArray("[User Data]\nFace Name=Arial\nFont Size=-120\n") << def << 80 << 400
            << false;
        QTest::newRow("weight beyond 1000")
            << QByteArray("[User Data]\nFace Name=Arial\nFont Weight=1001\n") << def << 80 << 400
            << false;
        QTest::newRow("largest size and weight kept")
            << QByteArray("[User Data]\nFace Name=Arial\nFont Size=16380\nFont Weight=1000\n")
            << QStringLiteral("Arial") << 16380 << 1000 << false;
        QTest::newRow("kept")
            << QByteArray(
                   "[User Data]\nFace Name=Arial\nFont Size=100\nFont Weight=600\nItalic=1\n")
            << QStringLiteral("Arial") << 100 << 600 << true;
    }

    void fontRule() {
        QFETCH(QByteArray, stored);
        QFETCH(QString, face);
        QFETCH(int, size);
        QFETCH(int, weight);
        QFETCH(bool, italic);
        auto store = NewStore(stored);
        const FontSpec font = LoadFont(*store, FontKind::Screen);
        QCOMPARE(font.face, face);
        QCOMPARE(font.sizeTenths, size);
        QCOMPARE(font.weight, weight);
        QCOMPARE(font.italic, italic);
        QVERIFY(!font.bold);  // only a weight of 700 is bold
        QCOMPARE(store->ReadText(kSectionUserData, "Face Name", {}), face);
        QCOMPARE(store->ReadInt(kSectionUserData, "Font Size", -1), size);
        QCOMPARE(store->ReadInt(kSectionUserData, "Italic", -1), italic ? 1 : 0);
        // The label font has its own values and stays at its default.
        QCOMPARE(LoadFont(*store, FontKind::Label), FontSpec{});
        QCOMPARE(store->ReadText(kSectionUserData, "PFace Name", {}),
                 QStringLiteral("MS Sans Serif"));
    }

    void optionsReachDocumentAndView() {
        auto store = NewStore(
            "[User Data]\nNlViewGrid=0\nTitlesThe=0\nTapeText=1\nCustom 3=1\nNlViewSynopsis=0\n"
            "ActorGrid=0\n");
        const OptionValues options = LoadOptions(*store);
        const DocumentOptions doc = ToDocumentOptions(options);
        QVERIFY(!doc.ignoreTheOneLine);
        QVERIFY(doc.ignoreTheNormal);
        QVERIFY(doc.tapeText);
        QVERIFY(!doc.showSynopsis);
        QCOMPARE(doc.showCustom, (std::array<bool, 4>{false, false, true, false}));
        const ViewDisplayOptions view = ToViewDisplayOptions(options);
        QVERIFY(view.showGrid);
        QVERIFY(!view.showBox);
        QVERIFY(!view.actorGrid);
        QVERIFY(view.oneLineGrid);
        QCOMPARE(view.showCustom[2], true);

        OptionValues noGraphics;
        noGraphics.nlViewGrid = 2;
        QVERIFY(!ToViewDisplayOptions(noGraphics).showGrid);
        QVERIFY(!ToViewDisplayOptions(noGraphics).showBox);
    }

    void placementRectFormat() {
        WindowPlacement p;
        p.left = -999;
        p.top = 9999;
        p.right = 10;
        p.bottom = 400;
        QCOMPARE(FormatPlacementRect(p), QStringLiteral("-999 9999 0010 0400"));
        const auto back = ParsePlacementRect(FormatPlacementRect(p));
        QVERIFY(back.has_value());
        QCOMPARE(back->left, -999);
        QCOMPARE(back->top, 9999);
        QCOMPARE(back->right, 10);
        QCOMPARE(back->bottom, 400);
        // A window left of the main screen has coordinates wider than four characters.
        p.left = -2500;
        p.right = -1000;
        const auto wide = ParsePlacementRect(FormatPlacementRect(p));
        QVERIFY(wide.has_value());
        QCOMPARE(wide->left, -2500);
        QCOMPARE(wide->right, -1000);
        QCOMPARE(wide->bottom, 400);
        // A text too short for four numbers is no placement at all.
        QVERIFY(!ParsePlacementRect(QStringLiteral("0010 0010 0500")).has_value());
        QVERIFY(!ParsePlacementRect(QStringLiteral("0010 0010 0500 abcd")).has_value());
        QVERIFY(!ParsePlacementRect(QString()).has_value());
        // Edges no screen has are no placement either: the window's rectangle would overflow.
        QVERIFY(!ParsePlacementRect(QStringLiteral("0 0 -2147483648 400")).has_value());
        QVERIFY(!ParsePlacementRect(QStringLiteral("0 0 1000001 400")).has_value());
        QVERIFY(ParsePlacementRect(QStringLiteral("-1000000 0 1000000 400")).has_value());
    }

    void placementThroughTheStore() {
        auto store = NewStore();
        QCOMPARE(LoadPlacement(*store), WindowPlacement{});
        QCOMPARE(WindowPlacement{}.NormalRect(), QRect(10, 10, 490, 390));

        WindowPlacement p;
        p.left = -999;
        p.top = -5;
        p.right = 9999;
        p.bottom = 9999;
        p.icon = true;
        p.maximized = true;
        SavePlacement(*store, p);
        store->Sync();
        QVERIFY(FileText(store->FileName()).contains(QStringLiteral("Rect=-999 -005 9999 9999\n")));
        QCOMPARE(LoadPlacement(CSettingsStore(store->FileName())), p);

        auto damaged = NewStore("[Window size]\nRect=12\nMaximized=1\n");
        const WindowPlacement fallback = LoadPlacement(*damaged);
        QCOMPARE(fallback.NormalRect(), WindowPlacement{}.NormalRect());
        QVERIFY(fallback.maximized);
    }

    void placementOfAWindow() {
        QWidget window;
        WindowPlacement p;
        p.left = 30;
        p.top = 40;
        p.right = 630;
        p.bottom = 440;
        ApplyPlacement(window, p);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(CapturePlacement(window), p);

        window.showMaximized();
        QTRY_VERIFY(window.isMaximized());
        const WindowPlacement maximized = CapturePlacement(window);
        QVERIFY(maximized.maximized);
        QVERIFY(!maximized.icon);
        QCOMPARE(maximized.NormalRect(), p.NormalRect());
    }

    void placementStaysWithinReach() {
        const QList<QRect> screens = {QRect(0, 0, 1920, 1050), QRect(1920, 0, 1280, 1000)};
        const QRect primary = screens[0];
        // On a screen, or partly: kept as it is.
        QCOMPARE(PlaceOnScreens(QRect(10, 10, 490, 390), screens, primary),
                 QRect(10, 10, 490, 390));
        QCOMPARE(PlaceOnScreens(QRect(3000, 900, 500, 400), screens, primary),
                 QRect(3000, 900, 500, 400));
        // On a screen no longer attached: the same size, in the middle of the primary screen.
        const QRect gone = QRect(QPoint(3000, 2000), QPoint(3499, 2399));
        QCOMPARE(PlaceOnScreens(gone, screens, primary), QRect(710, 325, 500, 400));
        // Larger than the primary screen: shrunk to it.
        QCOMPARE(PlaceOnScreens(QRect(-5000, 0, 4000, 3000), screens, primary), primary);

        // The window itself: a stored rectangle out of reach opens on the screen.
        QWidget window;
        auto store = NewStore("[Window size]\nRect=3000 2000 3500 2400\n");
        ApplyPlacement(window, LoadPlacement(*store));
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(area.contains(window.frameGeometry()));
        QCOMPARE(window.frameGeometry().size(), QSize(500, 400).boundedTo(area.size()));
    }

    void recentFiles() {
        CRecentFiles recent;
        QSignalSpy changed(&recent, &CRecentFiles::changed);
        for (const char* name : {"/a.smf", "/b.smf", "/c.smf", "/d.smf", "/e.smf", "/c.smf"}) {
            recent.Add(QString::fromUtf8(name));
        }
        QCOMPARE(recent.Paths(), (QStringList{"/c.smf", "/e.smf", "/d.smf", "/b.smf"}));
        QCOMPARE(changed.count(), 6);
        recent.Add(QStringLiteral("/c.smf"));  // already first: nothing changes
        QCOMPARE(changed.count(), 6);

        auto store = NewStore("[Recent File List]\nFile4=/stale.smf\n");
        recent.Remove(QStringLiteral("/e.smf"));
        recent.Save(*store);
        store->Sync();
        CRecentFiles back;
        back.Load(CSettingsStore(store->FileName()));
        QCOMPARE(back.Paths(), (QStringList{"/c.smf", "/d.smf", "/b.smf"}));

        QCOMPARE(CRecentFiles::MenuText(0, QStringLiteral("/x/Tapes & Discs.smf")),
                 QStringLiteral("&1 Tapes && Discs.smf"));
        QCOMPARE(CRecentFiles::MenuText(3, QStringLiteral("/x/%1 b.smf")),
                 QStringLiteral("&4 %1 b.smf"));
    }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
