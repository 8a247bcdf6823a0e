#pragma once

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <deque>
#include <functional>
#include <memory>

#include "catalogue_builder.h"
#include "main_frame.h"
#include "reelkeep_app.h"
#include "reelkeep_doc.h"
#include "settings_store.h"
#include "shell_dialogs.h"

namespace reelkeep::frametest {

// Answers the shell's questions from queues and records what it was asked. An empty queue
// answers Cancel to questions and cancels file dialogs. onMessage, when set, runs as each
// message is shown, to look at the window behind it.
class ScriptedDialogs : public IShellDialogs {
public:
    QStringList messages;
    std::deque<MessageAnswer> answers;
    std::deque<QString> openNames;
    std::deque<QString> saveNames;
    int aboutBoxes = 0;
    std::function<void()> onMessage;

    MessageAnswer ShowMessage(QWidget*, const QString& text, MessageButtons buttons,
                              MessageIcon) override {
        messages.append(text);
        if (onMessage) onMessage();
        if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        return Next(answers, MessageAnswer::Cancel);
    }
    QString AskOpenFileName(QWidget*) override { return Next(openNames, QString()); }
    QString AskSaveFileName(QWidget*, const QString&) override {
        return Next(saveNames, QString());
    }
    QString AskExportFileName(QWidget*, ExportKind) override { return {}; }
    std::deque<QString> importNames;
    QString AskImportFileName(QWidget*) override { return Next(importNames, QString()); }
    std::deque<QString> foreignNames;
    QString AskForeignImportFileName(QWidget*) override { return Next(foreignNames, QString()); }
    void ShowAbout(QWidget*) override { ++aboutBoxes; }

    // The recovery offer: answered from recoverAnswers (Discard when empty), recorded.
    QStringList recoverQuestions;
    std::deque<bool> recoverAnswers;
    bool AskRecover(QWidget*, const QString& text) override {
        recoverQuestions.append(text);
        return Next(recoverAnswers, false);
    }

    // Printing: the print dialog answers with printChoice (nullopt cancels); the preview is
    // counted and closed, asking to print when previewPrints says so.
    std::optional<PrintDialogChoice> printChoice;
    bool lastOfferedSelection = false;
    std::uint32_t lastOfferedPages = 0;
    int previews = 0;
    bool previewPrints = false;
    std::function<void(CPrintPreview&)> onPreview;
    std::optional<int> copies;
    std::optional<int> startPosition;
    std::vector<QString> lastStartTexts;

    std::optional<PrintDialogChoice> RunPrintDialog(QWidget*, QPrinter&, bool offerSelection,
                                                    std::uint32_t pages) override {
        lastOfferedSelection = offerSelection;
        lastOfferedPages = pages;
        return printChoice;
    }
    void RunPageSetup(QWidget*, QPrinter&) override {}
    bool ShowPrintPreview(CPrintPreview& preview) override {
        ++previews;
        if (onPreview) onPreview(preview);
        return previewPrints;
    }
    std::optional<int> AskLabelCopies(QWidget*) override { return copies; }
    std::optional<int> AskLabelStartPosition(QWidget*, bool,
                                             const std::vector<QString>& texts) override {
        lastStartTexts = texts;
        return startPosition;
    }

    // Pickers: fonts and colours answered from queues (an empty one cancels), with what each
    // picker was opened at; the help topics asked for.
    std::deque<QFont> fonts;
    std::deque<QColor> colors;
    std::vector<QFont> fontsShown;
    std::vector<FontSizeLimit> fontSizesShown;
    std::vector<QColor> colorsShown;
    std::vector<int> helpTopics;

    std::optional<QFont> AskFont(QWidget*, const QFont& initial, FontSizeLimit sizes) override {
        fontsShown.push_back(initial);
        fontSizesShown.push_back(sizes);
        return NextChoice(fonts);
    }
    std::optional<QColor> AskColor(QWidget*, const QColor& initial) override {
        colorsShown.push_back(initial);
        return NextChoice(colors);
    }
    void ShowHelp(QWidget*, int context) override { helpTopics.push_back(context); }

private:
    template <typename T>
    static T Next(std::deque<T>& queue, T fallback) {
        if (queue.empty()) return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
    template <typename T>
    static std::optional<T> NextChoice(std::deque<T>& queue) {
        if (queue.empty()) return std::nullopt;
        return Next(queue, T());
    }
};

// Applications over settings stores in a temporary folder, with scripted dialogs.
struct AppHarness {
    QTemporaryDir dir;
    std::unique_ptr<CReelkeepApp> app;
    ScriptedDialogs* dialogs = nullptr;
    QString storePath;

    QString Path(const QString& name) const { return dir.filePath(name); }

    // A fresh application over a store holding the given text.
    CReelkeepApp& NewApp(const QByteArray& storeText = {}) {
        app.reset();
        storePath =
            Path(QStringLiteral("settings%1.ini").arg(QRandomGenerator::global()->generate()));
        if (!storeText.isEmpty()) {
            QFile file(storePath);
            file.open(QIODevice::WriteOnly);
            file.write(storeText);
        }
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        app = std::make_unique<CReelkeepApp>(std::make_unique<CSettingsStore>(storePath),
                                             std::move(scripted));
        return *app;
    }

    CReelkeepApp& StartedApp(const QByteArray& storeText = {}) {
        CReelkeepApp& started = NewApp(storeText);
        const bool ok = started.Start({QStringLiteral("reelkeep")});
        Q_ASSERT(ok);
        return started;
    }

    QString StoreText() const {
        QFile file(storePath);
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll());
    }
};

// Runs the event loop until the file being read is in the window (or given up on).
inline bool FinishLoading(CMainFrame& frame) {
    return QTest::qWaitFor([&] { return !frame.Lifetime().Loading(); }, 60000);
}

// The title as the desktop shows it, with the modified mark resolved.
inline QString ShownTitle(const QWidget& window) {
    return window.windowHandle() ? window.windowHandle()->title() : QString();
}

// Three movies (copies times over, then more) loaded as a file's are, and left unsaved.
inline void FillCatalogue(CReelkeepDoc& doc, int copies = 1, std::vector<RecordValues> more = {}) {
    const char* titles[] = {"Vertigo", "Alien", "Heat"};
    std::vector<RecordValues> records;
    for (int k = 0; k < 3 * copies; ++k) {
        const int i = k % 3;  // title, actor 1, movie and media type, time, tape number
        records.push_back({titles[i], "Actor " + std::to_string(i), "", "", "Drama", "VHS",
                           std::to_string(100 + i), std::to_string(i + 1)});
    }
    records.insert(records.end(), more.begin(), more.end());
    test::LoadCatalogue(doc, records);
    doc.SetModified(true);
}

// The catalogue as deleting its first record leaves it.
inline void DropFirstMovie(CReelkeepDoc& doc) {
    std::vector<RecordValues> records = test::RecordsOf(doc);
    records.erase(records.begin());
    test::LoadCatalogue(doc, records);
}

// The offscreen platform warns each time a main window's size limits change or the window is
// raised; that is no fault.
inline void InstallQuietLogHandler() {
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (!text.contains(QStringLiteral("propagateSizeHints")) &&
                !text.contains(QStringLiteral("does not support raise()"))) {
                previous(type, context, text);
            }
        });
}

}  // namespace reelkeep::frametest
