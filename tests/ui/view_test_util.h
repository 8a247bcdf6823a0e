#pragma once

#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "catalogue_builder.h"
#include "column_edit_route.h"
#include "reelkeep_doc.h"
#include "reelkeep_view.h"
#include "silent_ui.h"
#include "view_requests.h"

namespace reelkeep::viewtest {

// Answers every question with OK and cancels every dialog; the view's part goes to the view,
// as the window's UI does.
class ViewUI : public CSilentUI {
public:
    CReelkeepView* view = nullptr;
    // As the window's UI when set: the view frozen while the document changes, each Delete
    // question answered so, each movie edited so in Enter/Edit Movies.
    bool freezes = false;
    std::optional<DeleteAnswer> deleteAnswer;
    std::function<void(EntryDialogValues&)> edit;

    void BeginDocumentChange() override {
        if (view && freezes) view->FreezeDrawing();
    }
    void EndDocumentChange() override {
        if (view && freezes) view->ThawDrawing();
    }
    std::optional<DeleteAnswer> RunDeleteDialog(std::string_view) override { return deleteAnswer; }
    bool RunEntryDialog(EntryDialogValues& values) override {
        if (!edit) return false;
        edit(values);
        return true;
    }

    void UpdateAllViews() override {
        if (view) view->OnUpdate();
    }
    std::vector<std::uint32_t> SelectedRowFlags() const override {
        return view ? view->Selection().Flags() : std::vector<std::uint32_t>{};
    }
    bool RowsSelected() const override { return view && view->Selection().Present(); }
    std::vector<std::uint32_t> ActedRowFlags() const override {
        return view ? view->ActedRowFlags() : std::vector<std::uint32_t>{};
    }
    bool RowsToActOn() const override { return view && view->RowsToActOn(); }
    void ClearSelection() override {
        if (view) view->ClearSelection();
    }
    void SelectOnly(std::uint32_t row, bool selected) override {
        if (view) view->SelectOnly(row, selected);
    }
    void ApplyCustomHeadings(const std::array<std::string, 4>& h, bool repaint) override {
        if (view) view->SetCustomHeadings(h, repaint);
    }
};

// Movie k, titled "Movie kkk", on the given tape, with every field filled so each column has
// text to draw.
inline RecordValues MovieRecord(int k, int tape) {
    RecordValues r;
    auto set = [&r](Field f, std::string v) { r[FieldIndex(f)] = std::move(v); };
    char title[32];
    std::snprintf(title, sizeof title, "Movie %03d", k);
    set(Field::MovieName, title);
    set(Field::Actor1, "Actor " + std::to_string(k % 7));
    set(Field::Actor2, "Actor " + std::to_string(k % 5 + 10));
    set(Field::Actor3, "");
    set(Field::MovieType, k % 2 ? "Drama" : "Comedy");
    set(Field::MediaType, "VHS");
    set(Field::Time, std::to_string(90 + k % 30));
    set(Field::TapeNumber, std::to_string(tape));
    set(Field::Counter, std::to_string(100 * (k % 3)));
    set(Field::Rating, "PG");
    set(Field::Synopsis, "A story.");
    for (int c = 0; c < 4; ++c) set(CustomField(c), "C" + std::to_string(c + 1));
    return r;
}

// A view of a document, sized like a small window and laid out as if shown.
struct ViewFixture {
    ViewUI ui;
    CReelkeepDoc doc{ui};
    CReelkeepView view{doc};
    CGoToEntryWindow* goToWindow = nullptr;

    explicit ViewFixture(QSize size = {640, 400}) {
        ui.view = &view;
        RouteColumnEdits(view, doc);
        goToWindow = &AnswerViewRequests(view, doc.Display());
        doc.OnNewDocument();
        view.resize(size);
        view.show();
        view.OnUpdate();
    }

    // n movies, one per tape, sorted by title, shown in the Normal View.
    void Fill(int n) {
        std::vector<RecordValues> records;
        for (int k = 0; k < n; ++k) records.push_back(MovieRecord(k, k + 1));
        test::LoadCatalogue(doc, records);
        doc.Execute(CommandId::SortByTitle);
        view.OnUpdate();
    }

    // A movie entered as the user enters one: Enter, the dialog filled in, OK.
    void Enter(const RecordValues& movie) {
        ui.edit = [&movie](EntryDialogValues& values) { values.fields = movie; };
        doc.Execute(CommandId::Enter);
        ui.edit = nullptr;
    }

    QImage Client() { return view.viewport()->grab().toImage(); }
    QWidget* Viewport() { return view.viewport(); }
    int L() const { return view.Metrics().lineHeight; }
};

// Counts the pixels of a colour inside a rectangle of an image; smoothed text edges count when
// close to it.
inline int CountColor(const QImage& image, const QRect& area, const QColor& color) {
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int distance = std::abs(c.red() - color.red()) +
                                 std::abs(c.green() - color.green()) +
                                 std::abs(c.blue() - color.blue());
            if (distance <= 48) ++n;
        }
    }
    return n;
}

}  // namespace reelkeep::viewtest
