// The document's long commands where the user sits: through the real main window, offscreen,
// with its status bar, progress bar and view; and the same commands through the silent UI, run
// side by side so the two can be compared within one run. Also Print Preview to its first page,
// the keystrokes of Go to Entry, File › Import of a spreadsheet's CSV file, and the view read by a
// screen reader while it pages and while its focus row moves.
#include <benchmark/benchmark.h>

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

#include "bench_support.h"
#include "generator.h"
#include "go_to_entry_window.h"
#include "main_frame.h"
#include "print_preview.h"
#include "qt_text.h"
#include "reelkeep_app.h"
#include "reelkeep_doc.h"
#include "reelkeep_view.h"
#include "settings_store.h"
#include "shell_dialogs.h"
#include "silent_ui.h"
#include "spreadsheet_csv.h"
#include "user_settings.h"
#include "widget_bench_main.h"

namespace reelkeep {
namespace {

// Says nothing and asks nothing but the CSV file to import.
class QuietShellDialogs : public IShellDialogs {
public:
    MessageAnswer ShowMessage(QWidget*, const QString&, MessageButtons, MessageIcon) override {
        return MessageAnswer::Ok;
    }
    QString AskOpenFileName(QWidget*) override { return {}; }
    QString AskSaveFileName(QWidget*, const QString&) override { return {}; }
    QString AskExportFileName(QWidget*, ExportKind) override { return {}; }
    QString AskImportFileName(QWidget*) override { return importPath; }
    QString importPath;
    void ShowAbout(QWidget*) override {}
    bool AskRecover(QWidget*, const QString&) override { return false; }
    std::optional<PrintDialogChoice> RunPrintDialog(QWidget*, QPrinter&, bool,
                                                    std::uint32_t) override {
        return std::nullopt;
    }
    void RunPageSetup(QWidget*, QPrinter&) override {}
    // The preview is timed to its first page on the screen.
    bool ShowPrintPreview(CPrintPreview& preview) override {
        preview.show();
        QApplication::processEvents();  // lays the window out and paints what shows
        preview.Pages().viewport()->repaint();
        previewPages = preview.Pages().PageCount();
        pagesPainted = preview.Pages().PagesPainted();
        return false;
    }
    std::uint32_t previewPages = 0;
    std::uint64_t pagesPainted = 0;
    std::optional<int> AskLabelCopies(QWidget*) override { return std::nullopt; }
    std::optional<int> AskLabelStartPosition(QWidget*, bool, const std::vector<QString>&) override {
        return std::nullopt;
    }
    std::optional<QFont> AskFont(QWidget*, const QFont&, FontSizeLimit) override {
        return std::nullopt;
    }
    std::optional<QColor> AskColor(QWidget*, const QColor&) override { return std::nullopt; }
    void ShowHelp(QWidget*, int) override {}
};

// A generated catalogue saved once per size, so both kinds of UI open the same file.
struct CatalogueFile {
    QTemporaryDir dir;
    std::string path;

    explicit CatalogueFile(std::uint32_t n) : path(FromQt(dir.filePath("bench.smf"))) {
        CSilentUI ui;
        CReelkeepDoc doc(ui);
        GenerateCatalogue(doc, n, 20240601);
        doc.SaveDocument(path);
    }
};

// The program as it starts with the file: main window shown, settings in a scratch folder.
struct WindowSession {
    QTemporaryDir dir;
    QuietShellDialogs* dialogs = new QuietShellDialogs;  // owned by the application
    CReelkeepApp app;

    explicit WindowSession(const std::string& path)
        : app(std::make_unique<CSettingsStore>(dir.filePath("bench.ini")),
              std::unique_ptr<IShellDialogs>(dialogs)) {
        app.Start({QStringLiteral("reelkeep"), ToQt(path)});
        QApplication::processEvents();
    }
    CReelkeepDoc& Doc() { return app.Doc(); }
};

struct SilentSession {
    CSilentUI ui;
    CReelkeepDoc doc{ui};

    explicit SilentSession(const std::string& path) {
        doc.OnNewDocument();
        doc.OpenDocument(path);
    }
    CReelkeepDoc& Doc() { return doc; }
};

const std::string& PathFor(std::uint32_t n) { return bench::OncePerSize<CatalogueFile>(n).path; }

// One session of each kind per size, opened on the same file. The window sessions hold
// widgets, so main ends them before the QApplication goes.
template <typename Session>
std::map<std::uint32_t, std::unique_ptr<Session>> sessions;

template <typename Session>
Session& SessionFor(std::uint32_t n) {
    auto& session = sessions<Session>[n];
    if (!session) session = std::make_unique<Session>(PathFor(n));
    return *session;
}

using Command = std::function<void(CReelkeepDoc&, const std::string& path)>;

// Each run starts from the Normal View in record order, as after a filter rebuild.
template <typename Session>
void RunCommand(benchmark::State& state, const Command& command) {
    const auto n = static_cast<std::uint32_t>(state.range(0));
    const std::string& path = PathFor(n);
    CReelkeepDoc& doc = SessionFor<Session>(n).Doc();
    for (auto _ : state) {
        state.PauseTiming();
        doc.Execute(CommandId::DisplayNormalView);
        doc.ApplyFilters(doc.Display().Filters());
        QApplication::processEvents();
        state.ResumeTiming();
        command(doc, path);
    }
}

const std::pair<const char*, Command> kCommands[] = {
    {"open", [](CReelkeepDoc& doc, const std::string& path) { doc.OpenDocument(path); }},
    {"sort_by_title",
     [](CReelkeepDoc& doc, const std::string&) { doc.Execute(CommandId::SortByTitle); }},
    {"sort_by_rating",
     [](CReelkeepDoc& doc, const std::string&) { doc.Execute(CommandId::SortByRating); }},
    {"sort_by_tape",
     [](CReelkeepDoc& doc, const std::string&) { doc.Execute(CommandId::SortByTapeNumber); }},
    {"sort_by_actors",
     [](CReelkeepDoc& doc, const std::string&) { doc.Execute(CommandId::SortByActors); }},
    {"label_format",
     [](CReelkeepDoc& doc, const std::string&) { doc.Execute(CommandId::DisplayLabelFormat); }},
};

template <typename Session>
void Register(const std::string& name, const Command& command) {
    auto* b = benchmark::RegisterBenchmark(
        name.c_str(), [command](benchmark::State& s) { RunCommand<Session>(s, command); });
    bench::AddSizes(b, {1'000'000}, 3);
    b->Unit(benchmark::kMillisecond);
}

// Print Preview from the Normal View: both paginations and the first page drawn.
void PreviewFirstPage(benchmark::State& state) {
    const auto n = static_cast<std::uint32_t>(state.range(0));
    WindowSession& session = SessionFor<WindowSession>(n);
    for (auto _ : state) {
        state.PauseTiming();
        session.Doc().Execute(CommandId::DisplayNormalView);
        QApplication::processEvents();
        state.ResumeTiming();
        session.app.Frame().ExecuteCommand(CommandId::FilePrintPreview);
    }
    state.counters["pages"] = static_cast<double>(session.dialogs->previewPages);
    state.counters["painted"] = static_cast<double>(session.dialogs->pagesPainted);
}

using OptionsChange = std::function<void(OptionsSheetValues&)>;

// The Options sheet's OK with one change, in the Normal View sorted by title, to the repaint.
void ApplyOptions(benchmark::State& state, const OptionsChange& change) {
    const auto n = static_cast<std::uint32_t>(state.range(0));
    WindowSession& session = SessionFor<WindowSession>(n);
    CUserSettings& settings = session.app.Frame().Settings();
    for (auto _ : state) {
        state.PauseTiming();
        session.Doc().Execute(CommandId::DisplayNormalView);
        session.Doc().Execute(CommandId::SortByTitle);
        QApplication::processEvents();
        OptionsSheetValues values = settings.SheetValues();
        change(values);
        state.ResumeTiming();
        settings.ApplySheet(values);
        QApplication::processEvents();
    }
}

// Another screen font lays the view out again; ignoring "The" toggled re-sorts by title.
const std::pair<const char*, OptionsChange> kOptionsChanges[] = {
    {"window/options_screen_font",
     [](OptionsSheetValues& values) {
         values.screenFont.sizeTenths = values.screenFont.sizeTenths == 80 ? 100 : 80;
     }},
    {"window/options_ignore_the",
     [](OptionsSheetValues& values) { values.options.nlViewThe = 1 - values.options.nlViewThe; }},
};

// Go to Entry in the title list, typing a title three quarters down it one key at a time: each
// keystroke's search, scroll and repaint of the view.
void GoToEntryKeystrokes(benchmark::State& state) {
    const auto n = static_cast<std::uint32_t>(state.range(0));
    WindowSession& session = SessionFor<WindowSession>(n);
    CMainFrame& frame = session.app.Frame();
    frame.ExecuteCommand(CommandId::DisplayNormalView);
    frame.ExecuteCommand(CommandId::SortByTitle);
    const std::vector<std::uint32_t>& order = session.Doc().Display().Order();
    const QString title =
        ToQt(session.Doc().Catalogue().Value(order[order.size() * 3 / 4], Field::MovieName));
    frame.ExecuteCommand(CommandId::GoToEntry);
    QLineEdit* edit = frame.GoToWindow().TextEdit();
    for (auto _ : state) {
        state.PauseTiming();
        edit->clear();
        state.ResumeTiming();
        for (const QChar letter : title) {
            QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(letter));
            QApplication::sendEvent(edit, &key);
            frame.View().viewport()->repaint();
        }
    }
    state.SetLabel(FromQt(title));
    state.counters["per_keystroke"] = benchmark::Counter(
        static_cast<double>(title.size()),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Accepts the import dialog, with the columns as its headings map them, as soon as it is up.
class ImportDialogAccepter : public QTimer {
public:
    ImportDialogAccepter() {
        connect(this, &QTimer::timeout, this, [this] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                stop();
                dialog->accept();
            }
        });
        start(0);
    }
};

// File › Import of a spreadsheet's CSV file of n movies into a new catalogue, through the
// window: the file read, the dialog shown and accepted, the movies appended, the lists rebuilt,
// the title sort and the repaint.
void ImportCsv(benchmark::State& state) {
    const auto n = static_cast<std::uint32_t>(state.range(0));
    const auto& csv = bench::OncePerSize<bench::SpreadsheetFile>(n);
    WindowSession& session = SessionFor<WindowSession>(n);
    session.dialogs->importPath = ToQt(csv.path);
    for (auto _ : state) {
        state.PauseTiming();
        session.Doc().OnNewDocument();
        session.Doc().ApplyCustomHeadings(csv.headings, false);
        QApplication::processEvents();
        state.ResumeTiming();
        ImportDialogAccepter accepter;
        session.app.Frame().ExecuteCommand(CommandId::ImportCsv);
        QApplication::processEvents();
        if (session.Doc().Catalogue().Count() != n) state.SkipWithError("import failed");
    }
}

// What a screen reader asks after every change: the name, description and state of each row that
// shows.
void ReadShownRows(CReelkeepView& view) {
    QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(&view);
    const auto first = static_cast<int>(view.Scroll().scrollY / view.Geometry().rowHeight);
    for (int row = first; row < tree->childCount(); ++row) {
        QAccessibleInterface* item = tree->child(row);
        if (item->state().offscreen) break;
        benchmark::DoNotOptimize(item->text(QAccessible::Name));
        benchmark::DoNotOptimize(item->text(QAccessible::Description));
    }
}

// The view of n movies in the Normal View sorted by title, holding the keyboard, with a screen
// reader listening.
CReelkeepView& ReadView(std::uint32_t n) {
    CMainFrame& frame = SessionFor<WindowSession>(n).app.Frame();
    frame.ExecuteCommand(CommandId::DisplayNormalView);
    frame.ExecuteCommand(CommandId::SortByTitle);
    QAccessible::setActive(true);
    frame.activateWindow();
    frame.View().setFocus();
    QApplication::processEvents();
    return frame.View();
}

// One key pressed again and again with a reader listening, each press repainted: Page Down with
// the reader reading the rows that came into view, or Ctrl+Down, the focus row's move and scroll
// with the reader told of the row.
void PressWithScreenReader(benchmark::State& state, Qt::Key key, Qt::KeyboardModifiers mods,
                           bool readRows) {
    CReelkeepView& view = ReadView(static_cast<std::uint32_t>(state.range(0)));
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, key, mods);
        QApplication::sendEvent(&view, &press);
        view.viewport()->repaint();
        if (readRows) ReadShownRows(view);
    }
    state.counters["focus_row"] = view.FocusRow();
    state.counters["has_focus"] = view.hasFocus() ? 1 : 0;
    QAccessible::setActive(false);
}

void PaintWithScreenReader(benchmark::State& state) {
    PressWithScreenReader(state, Qt::Key_PageDown, Qt::NoModifier, true);
}

void MoveFocusRow(benchmark::State& state) {
    PressWithScreenReader(state, Qt::Key_Down, Qt::ControlModifier, false);
}

void RegisterAll() {
    for (const auto& [name, command] : kCommands) {
        Register<WindowSession>(std::string("window/") + name, command);
        Register<SilentSession>(std::string("silent/") + name, command);
    }
    auto* preview = benchmark::RegisterBenchmark("window/print_preview", PreviewFirstPage);
    bench::AddSizes(preview, {1'000'000}, 3);
    preview->Unit(benchmark::kMillisecond);
    for (const auto& [name, change] : kOptionsChanges) {
        auto* b = benchmark::RegisterBenchmark(
            name, [change](benchmark::State& s) { ApplyOptions(s, change); });
        bench::AddSizes(b, {1'000'000}, 3);
        b->Unit(benchmark::kMillisecond);
    }
    auto* goTo = benchmark::RegisterBenchmark("window/go_to_entry", GoToEntryKeystrokes);
    bench::AddSizes(goTo, {1'000'000}, 3);
    goTo->Unit(benchmark::kMillisecond)->UseRealTime();
    auto* import = benchmark::RegisterBenchmark("window/import_csv", ImportCsv);
    bench::AddSizes(import, {100'000, 1'000'000}, 3);
    import->Unit(benchmark::kMillisecond)->UseRealTime();
    using Run = void (*)(benchmark::State&);
    const std::pair<const char*, Run> screenReader[] = {
        {"window/paint_with_screen_reader", PaintWithScreenReader},
        {"window/focus_row_move", MoveFocusRow},
    };
    for (const auto& [name, run] : screenReader) {
        auto* b = benchmark::RegisterBenchmark(name, run);
        bench::AddSizes(b, {1'000'000}, 100);
        b->Unit(benchmark::kMillisecond)->UseRealTime();
    }
}

void EndSessions() {
    sessions<WindowSession>.clear();
    sessions<SilentSession>.clear();
}

}  // namespace
}  // namespace reelkeep

int main(int argc, char** argv) {
    return reelkeep::bench::RunWidgetBenchmarks(argc, argv, reelkeep::RegisterAll,
                                                reelkeep::EndSessions);
}
