#include "record_drawing.h"

#include <optional>

#include "record_strings.h"

namespace reelkeep {

namespace {

namespace rt = recordtext;

// Where the block's parts sit on each surface. Across in hundredths of an inch: the right-hand
// captions, values and value box, and the custom values' box. In pixels: the gaps after the
// left and right values, how far boxes start left of their values, the grid's left edge and its
// divider left of the captions, and how far sunken frames reach past their boxes.
struct SurfaceMeasures {
    int rightCaptions;
    int rightValues;
    int rightBox;
    int customBoxLeft;
    int customBoxRight;
    int leftValueGap;
    int rightValueGap;
    int boxInset;
    int gridInset;
    int dividerGap;
    int frameOverhang;
    // The screen joins the boxes of adjacent lines and engraves the borders between them; paper
    // frames every line's box on its own.
    bool joinedBoxes;
    // The printed movie type caption has no colon, unlike the screen's.
    std::string_view typeCaption;
};
constexpr SurfaceMeasures kScreen{420, 490, 480, 175, 550, 16, 16, 4, 10, 2, 1, true, rt::kType};
constexpr SurfaceMeasures kPaper{
    500, 600, 590, 250, 550, 58, 50, 6, 8, 8, 0, false, rt::kPrintedType};

// Pixels on both: text sits kTextDrop below the top of its line, boxes end kBoxPastValue right
// of their values, custom values start kCustomIndent into their box and end kCustomEndGap
// before its end.
constexpr int kTextDrop = 2;
constexpr int kBoxPastValue = 3;
constexpr int kCustomIndent = 10;
constexpr int kCustomEndGap = 4;
constexpr int kSynopsisLines = 4;

// The six lines every block starts with: a caption or a value on the left, a caption and a
// value on the right. The movie type's caption is the surface's.
struct MainLine {
    std::string_view leftCaption;
    std::optional<Field> leftValue;
    std::string_view rightCaption;
    Field rightValue;
};
constexpr std::array<MainLine, 6> kMainLines = {{
    {rt::kMovieTitle, std::nullopt, rt::kTapeNumber, Field::TapeNumber},
    {{}, Field::MovieName, rt::kTime, Field::Time},
    {rt::kActors, std::nullopt, rt::kRating, Field::Rating},
    {{}, Field::Actor1, rt::kCounter, Field::Counter},
    {{}, Field::Actor2, rt::kMedia, Field::MediaType},
    {{}, Field::Actor3, {}, Field::MovieType},
}};

// A column of value boxes: its edges, and which main lines hold a value in it.
struct BoxColumn {
    int left;
    int right;
    std::array<bool, kMainLines.size()> lines;
};

class CBlockPainter {
public:
    CBlockPainter(QPainter& p, const RecordBlock& block, const RecordBlockPlaces& at,
                  IRecordBlockInk& ink)
        : p_(p),
          block_(block),
          at_(at),
          ink_(ink),
          lineHeight_(at.lineHeight),
          box_(block.options.showBox),
          grid_(block.options.showGrid),
          right_{at.rightBoxX, at.rightValueEnd + kBoxPastValue, {}},
          left_{at.boxLeft, at.leftValueEnd + kBoxPastValue, {}} {
        for (std::size_t i = 0; i < kMainLines.size(); ++i) {
            right_.lines[i] = true;
            left_.lines[i] = kMainLines[i].leftValue.has_value();
        }
    }

    int Draw(int top) {
        const int linesPerRow = NormalLinesPerRow(block_.options);
        int y = top;
        if (box_) {
            FillSolid(p_, QRect(0, y, at_.right, lineHeight_ * (linesPerRow - 1)),
                      block_.colors.face3d);
            y += lineHeight_;
        }
        for (std::size_t i = 0; i < kMainLines.size(); ++i) {
            DrawMainLine(y + static_cast<int>(i) * lineHeight_, i);
        }
        int r = y + static_cast<int>(kMainLines.size()) * lineHeight_;
        if (block_.options.showSynopsis) r = DrawSynopsis(r);
        for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
            if (block_.options.showCustom[k]) r = DrawCustomLine(r, k);
        }
        if (grid_) DrawLine(p_, at_.gridLeft, r, at_.right, r, kLinePen);
        if (box_) DrawFrames(top, y);
        return top + linesPerRow * lineHeight_;
    }

private:
    void Caption(int x, int y, const QString& text) {
        ink_.UseCaptionText(p_);
        DrawTextAt(p_, x, y + kTextDrop, text);
    }
    QString Value(Field f) const {
        return ToQt(block_.display.Catalogue().Value(block_.record, f));
    }
    void BoxFill(const QRect& r) {
        if (box_) FillSolid(p_, r, ink_.BoxFill(p_));
    }
    void GridBand(int y, int height) {
        if (!grid_) return;
        DrawLine(p_, at_.gridLeft, y, at_.right, y, kLinePen);
        DrawLine(p_, at_.right, y, at_.right, y + height, kLinePen);
        DrawLine(p_, at_.gridLeft, y, at_.gridLeft, y + height, kLinePen);
    }

    // The lines of the box that starts at line, or 0 when line continues a box above it.
    int BoxLines(const BoxColumn& column, std::size_t line) const {
        if (!column.lines[line]) return 0;
        if (!at_.joinedBoxes) return 1;
        if (line > 0 && column.lines[line - 1]) return 0;
        int lines = 0;
        while (line < column.lines.size() && column.lines[line++]) ++lines;
        return lines;
    }
    QRect BoxAt(const BoxColumn& column, int y, int lines) const {
        return Edges(column.left, y, column.right, y + lines * lineHeight_);
    }
    void ValueBoxFill(const BoxColumn& column, std::size_t line, int y) {
        if (const int lines = BoxLines(column, line)) BoxFill(BoxAt(column, y, lines));
    }

    void DrawMainLine(int y, std::size_t i) {
        const MainLine& line = kMainLines[i];
        if (line.leftValue) {
            ink_.UseValueText(p_);
            ValueBoxFill(left_, i, y);
            DrawCell(p_, Edges(at_.captionX, y + kTextDrop, at_.leftValueEnd, y + lineHeight_),
                     Value(*line.leftValue));
        } else {
            Caption(at_.captionX, y, rt::Tr(line.leftCaption));
        }
        const std::string_view rightCaption =
            line.rightCaption.empty() ? at_.typeCaption : line.rightCaption;
        Caption(at_.rightCaptionX, y, rt::Tr(rightCaption));
        ink_.UseValueText(p_);
        ValueBoxFill(right_, i, y);
        DrawCell(p_, Edges(at_.rightValueX, y + kTextDrop, at_.rightValueEnd, y + lineHeight_),
                 Value(line.rightValue));
        GridBand(y, lineHeight_);
        if (grid_) DrawLine(p_, at_.dividerX, y, at_.dividerX, y + lineHeight_, kLinePen);
    }

    QRect SynopsisBox(int top) const {
        return Edges(at_.boxLeft, top, at_.rightValueEnd + kBoxPastValue,
                     top + kSynopsisLines * lineHeight_);
    }
    int DrawSynopsis(int r) {
        Caption(at_.captionX, r, rt::Tr(rt::kSynopsis));
        ink_.UseValueText(p_);
        GridBand(r, lineHeight_);
        const int text = r + lineHeight_, end = text + kSynopsisLines * lineHeight_;
        BoxFill(SynopsisBox(text));
        // One line every lineHeight, as the box's lines are spaced.
        DrawWrappedText(p_, Edges(at_.captionX, text + kTextDrop, at_.rightValueEnd, end),
                        Value(Field::Synopsis), lineHeight_, kSynopsisLines);
        GridBand(text, kSynopsisLines * lineHeight_);
        return end;
    }

    QRect CustomBox(int y) const {
        return Edges(at_.customBoxLeft, y, at_.customBoxRight - 1, y + lineHeight_);
    }
    int DrawCustomLine(int r, std::size_t k) {
        Caption(at_.captionX, r, block_.headings[k]);
        ink_.UseValueText(p_);
        BoxFill(CustomBox(r));
        DrawCell(p_,
                 Edges(at_.customBoxLeft + kCustomIndent, r + kTextDrop,
                       at_.customBoxRight - kCustomEndGap, r + lineHeight_),
                 Value(CustomField(k)));
        GridBand(r, lineHeight_);
        return r + lineHeight_;
    }

    void Sunken(const QRect& box) {
        DrawSunkenFrame(p_, block_.colors, box.adjusted(0, 0, at_.frameOverhang, 0));
    }
    void SunkenColumn(const BoxColumn& column, int first) {
        for (std::size_t line = 0; line < kMainLines.size(); ++line) {
            const int y = first + static_cast<int>(line) * lineHeight_;
            if (const int lines = BoxLines(column, line)) Sunken(BoxAt(column, y, lines));
        }
    }
    // Four one-pixel lines that make a border look cut into the box.
    void Engrave(int y, int left, int right) {
        const ViewColors& colors = block_.colors;
        FillSolid(p_, Edges(left + 2, y - 2, right - 2, y - 1), colors.face3d);
        FillSolid(p_, Edges(left + 1, y - 1, right - 1, y), Qt::white);
        FillSolid(p_, Edges(left + 1, y, right - 1, y + 1), colors.shadow3d);
        FillSolid(p_, Edges(left + 2, y + 1, right - 2, y + 2), Qt::black);
    }
    // The borders between the lines of each joined box of the column.
    void EngraveColumn(const BoxColumn& column, int first) {
        for (std::size_t line = 0; line < kMainLines.size(); ++line) {
            const int top = first + static_cast<int>(line) * lineHeight_;
            for (int inner = 1; inner < BoxLines(column, line); ++inner) {
                Engrave(top + inner * lineHeight_, column.left, column.right);
            }
        }
    }

    // The raised panel, and a sunken frame round every value box; first is the top of the
    // block's first line.
    void DrawFrames(int top, int first) {
        const int linesPerRow = NormalLinesPerRow(block_.options);
        DrawRaisedFrame(p_, block_.colors,
                        QRect(0, top, at_.right, lineHeight_ * (linesPerRow - 1)));
        SunkenColumn(right_, first);
        SunkenColumn(left_, first);
        int r = first + static_cast<int>(kMainLines.size()) * lineHeight_;
        if (block_.options.showSynopsis) {
            Sunken(SynopsisBox(r + lineHeight_));
            r += (1 + kSynopsisLines) * lineHeight_;
        }
        for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
            if (!block_.options.showCustom[k]) continue;
            Sunken(CustomBox(r));
            r += lineHeight_;
        }
        EngraveColumn(right_, first);
        EngraveColumn(left_, first);
    }

    QPainter& p_;
    const RecordBlock& block_;
    const RecordBlockPlaces& at_;
    IRecordBlockInk& ink_;
    int lineHeight_;
    bool box_, grid_;
    BoxColumn right_, left_;
};

// The screen's ink: text on opaque colour pairs, and a selected record highlighted in its values
// and their boxes.
class CScreenInk : public IRecordBlockInk {
public:
    CScreenInk(const DrawContext& ctx, std::size_t row) : ctx_(ctx), row_(row) {}
    void UseCaptionText(QPainter& p) override {
        UsePair(p, ctx_.colors.heading,
                ctx_.options.showBox ? ctx_.colors.face3d : ctx_.colors.background);
    }
    void UseValueText(QPainter&) override { UseDataPair(ctx_, row_); }
    QColor BoxFill(const QPainter& p) const override { return p.background().color(); }

private:
    const DrawContext& ctx_;
    std::size_t row_;
};

// The screen's left margin, in pixels.
constexpr int kScreenCaptionX = 10;

}  // namespace

RecordBlockPlaces PlaceRecordBlock(BlockSurface surface, int dpi, int captionX, int right,
                                   int lineHeight) {
    const SurfaceMeasures& m = surface == BlockSurface::Screen ? kScreen : kPaper;
    const auto inch = [dpi](int hundredths) { return InchToPixels(dpi, hundredths); };
    RecordBlockPlaces at;
    at.lineHeight = lineHeight;
    at.right = right;
    at.captionX = captionX;
    at.rightCaptionX = inch(m.rightCaptions);
    at.rightValueX = inch(m.rightValues);
    at.rightBoxX = inch(m.rightBox);
    at.leftValueEnd = at.rightCaptionX - m.leftValueGap;
    at.rightValueEnd = right - m.rightValueGap;
    at.boxLeft = captionX - m.boxInset;
    at.gridLeft = captionX - m.gridInset;
    at.dividerX = at.rightCaptionX - m.dividerGap;
    at.customBoxLeft = inch(m.customBoxLeft);
    at.customBoxRight = inch(m.customBoxRight);
    at.frameOverhang = m.frameOverhang;
    at.joinedBoxes = m.joinedBoxes;
    at.typeCaption = m.typeCaption;
    return at;
}

int DrawRecordBlock(QPainter& p, const RecordBlock& block, const RecordBlockPlaces& places,
                    IRecordBlockInk& ink, int y) {
    return CBlockPainter(p, block, places, ink).Draw(y);
}

int DrawRecordBlock(const DrawContext& ctx, int y, std::size_t row) {
    const RecordBlock block{ctx.display, ctx.display.Order()[row], ctx.options, ctx.colors,
                            ctx.headings};
    const RecordBlockPlaces places =
        PlaceRecordBlock(BlockSurface::Screen, ctx.metrics.dpiY, kScreenCaptionX,
                         ctx.ContentWidth(), ctx.LineHeight());
    CScreenInk ink(ctx, row);
    return DrawRecordBlock(ctx.painter, block, places, ink, y);
}

}  // namespace reelkeep
