#include "label_content.h"

#include <QFontMetrics>
#include <algorithm>
#include <utility>

#include "paint_primitives.h"
#include "qt_text.h"
#include "record_strings.h"

namespace reelkeep {

namespace {

namespace rt = recordtext;

// Collects a label's texts, part by part.
class CLabelTexts {
public:
    explicit CLabelTexts(const Label& label) : label_(label) {}

    void UseRightPart(bool right) { right_ = right; }
    void Caption(int column, int line, std::string_view text) {
        Add(column, line, text, LabelTextKind::Caption, 0);
    }
    void Value(int column, int line, std::string_view text, std::size_t slot) {
        Add(column, line, text, LabelTextKind::Value, slot);
    }
    void TapeNumber(int column, int line) {
        Add(column, line, label_.tapeNumber, LabelTextKind::TapeNumber, 0);
    }
    std::vector<LabelText> Take() { return std::move(texts_); }

private:
    void Add(int column, int line, std::string_view text, LabelTextKind kind, std::size_t slot) {
        texts_.push_back({right_, column, line, text, kind, slot});
    }

    const Label& label_;
    bool right_ = false;
    std::vector<LabelText> texts_;
};

void AddSingleMovie(CLabelTexts& out, const Label& l) {
    out.Caption(0, 1, rt::kMovieTitle);
    out.Value(0, 2, l.titles[0], 0);
    out.Caption(0, 3, rt::kActors);
    for (std::size_t k = 0; k < kActorSlotCount; ++k) {
        out.Value(0, 4 + static_cast<int>(k), l.actors[k], 0);
    }
    out.Caption(0, 8, rt::kTime);
    out.Value(6, 8, l.time, 0);
    out.Caption(12, 8, rt::kType);
    out.Value(18, 8, l.movieTypes[0], 0);
    out.Caption(0, 9, rt::kRating);
    out.Value(9, 9, l.rating, 0);
    out.Caption(20, 9, rt::kTapeNumber);
    out.TapeNumber(28, 9);
}

// A tape of several movies: each title over its counter and type; the captions of a movie
// slot that stays empty are left out.
void AddSeveralMovies(CLabelTexts& out, const Label& l) {
    for (std::size_t k = 0; k < kMoviesPerLabel; ++k) {
        const int line = 2 * static_cast<int>(k) + 1;
        out.Value(0, line, l.titles[k], k);
        const bool captions = k == 0 || !l.titles[k].empty();
        if (captions) out.Caption(0, line + 1, rt::kCounter);
        out.Value(9, line + 1, l.counters[k], k);
        if (captions) out.Caption(15, line + 1, rt::kType);
        out.Value(22, line + 1, l.movieTypes[k], k);
    }
    out.Caption(0, 11, rt::kTapeNumber);
    out.TapeNumber(9, 11);
}

}  // namespace

std::vector<LabelText> LargeLabelTexts(const Label& label) {
    CLabelTexts out(label);
    if (label.multiple != 0) {
        AddSeveralMovies(out, label);
    } else {
        AddSingleMovie(out, label);
    }
    return out.Take();
}

std::vector<LabelText> SmallLabelTexts(const Label& label) {
    CLabelTexts out(label);
    out.Caption(0, 1, rt::kTapeNumber);
    out.TapeNumber(9, 1);
    out.Value(0, 2, label.titles[0], 0);
    if (label.multiple != 0) {
        out.Value(0, 3, label.titles[1], 1);
        out.UseRightPart(true);
        out.Value(0, 1, label.titles[4], 4);
        out.Value(0, 2, label.titles[2], 2);
        out.Value(0, 3, label.titles[3], 3);
    } else {
        out.UseRightPart(true);
        out.Value(0, 1, label.actors[1], 0);
        out.Value(0, 2, label.actors[0], 0);
        out.Value(0, 3, label.actors[2], 0);
    }
    return out.Take();
}

void DrawLabelTexts(QPainter& p, const LabelPlacement& place, const std::vector<LabelText>& texts,
                    const std::function<void(const LabelText&)>& useColors) {
    int lastLine = 1;
    for (const LabelText& t : texts) lastLine = std::max(lastLine, t.line);
    // Across, a text stops at the label's edge rather than print on its neighbour; down, the
    // clip reaches past the last line, so that no line of the label can be lost to it.
    const QRect& area = place.area;
    const int bottom = std::max(area.bottom(), place.line1Top + lastLine * place.lineHeight);
    p.save();
    p.setClipRect(QRect(area.topLeft(), QPoint(area.right(), bottom)), Qt::IntersectClip);
    const QFontMetrics metrics = p.fontMetrics();
    const int space = metrics.horizontalAdvance(QLatin1Char(' '));
    // The last text drawn on each line of each part: a long value (a counter of 10,000 and
    // more) that would come within a space of the caption after it pushes the caption on. Other
    // captions, and values, stay at their columns. A text is measured only when a caption
    // follows it and could come that near, since measuring is most of a label's cost.
    struct Drawn {
        int x = 0;
        QString text;
    };
    std::vector<Drawn> last(2 * static_cast<std::size_t>(lastLine + 1));
    for (const LabelText& t : texts) {
        useColors(t);
        const QString text = t.kind == LabelTextKind::Caption ? rt::Tr(t.text) : ToQt(t.text);
        Drawn& before = last[2 * static_cast<std::size_t>(t.line) + (t.rightPart ? 1U : 0U)];
        int x = (t.rightPart ? place.rightX : place.leftX) + t.column * place.charWidth;
        if (t.kind == LabelTextKind::Caption && !before.text.isEmpty() &&
            before.x + static_cast<int>(before.text.size()) * metrics.maxWidth() + space > x) {
            const int gap = before.text.endsWith(QLatin1Char(' ')) ? 0 : space;
            x = std::max(x, before.x + metrics.horizontalAdvance(before.text) + gap);
        }
        DrawTextAt(p, x, place.line1Top + (t.line - 1) * place.lineHeight, text);
        if (!text.isEmpty()) before = {x, text};
    }
    p.restore();
}

}  // namespace reelkeep
