#include "record_drawing.h"

#include "record_strings.h"

namespace reelkeep {

namespace {

namespace vt = recordtext;

// Where the block's parts sit. Pixels: captions and left cells start at kCaptionX, text sits
// kTextDrop below the top of its line, cells end kCellGap before the next column or the edge,
// boxes start at kBoxLeft and end kBoxGap before it.
constexpr int kCaptionX = 10;
constexpr int kTextDrop = 2;
constexpr int kCellGap = 16;
constexpr int kBoxLeft = 6;
constexpr int kBoxGap = 12;
// Hundredths of an inch: the right-hand captions, values and value box, and the custom lines'
// box.
constexpr int kRightCaptions = 420;
constexpr int kRightValues = 490;
constexpr int kRightBox = 480;
constexpr int kCustomBoxLeft = 175;
constexpr int kCustomBoxRight = 550;

// One record block: the fixed columns of the block and the drawing steps shared by its lines.
class BlockPainter {
public:
    BlockPainter(const DrawContext& ctx, std::size_t row)
        : ctx_(ctx),
          p_(ctx.painter),
          row_(row),
          record_(ctx.doc.DisplayOrder()[row]),
          L_(ctx.lineHeight()),
          W_(ctx.contentWidth()),
          xc_(ctx.Inch(kRightCaptions)),
          xv_(ctx.Inch(kRightValues)),
          xb_(ctx.Inch(kRightBox)),
          box_(ctx.options.showBox),
          grid_(ctx.options.showGrid) {}

    int Draw(int y) {
        const int linesPerRow = ctx_.geometry.linesPerRow;
        if (box_) {
            FillSolid(p_, QRect(0, y, W_, L_ * (linesPerRow - 1)), ctx_.colors.face3d);
            y += L_;
        }
        int r = DrawMainLines(y);
        if (ctx_.options.showSynopsis) r = DrawSynopsis(r);
        for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
            if (ctx_.options.showCustom[k]) r = DrawCustomLine(r, k);
        }
        if (grid_) DrawLine(p_, 0, r, W_, r, kLinePen);
        if (!box_) return r + L_;  // one empty line between blocks
        r += 2 * L_;
        DrawFrames(r, linesPerRow);
        return r;
    }

private:
    void CaptionPair() {
        UsePair(p_, ctx_.colors.heading, box_ ? ctx_.colors.face3d : ctx_.colors.background);
    }
    void DataPair() { UseDataPair(ctx_, row_); }
    void Caption(int x, int y, std::string_view text) {
        DrawTextAt(p_, x, y + kTextDrop, ToQt(text));
    }
    QString Value(Field f) const { return ToQt(ctx_.doc.Value(record_, f)); }
    void LeftCell(int y, Field f) {
        DrawCell(p_, Edges(kCaptionX, y + kTextDrop, xc_ - kCellGap, y + L_), Value(f));
    }
    void RightCell(int y, Field f) {
        DrawCell(p_, Edges(xv_, y + kTextDrop, W_ - kCellGap, y + L_), Value(f));
    }
    // Box fills take the background of the data pair, so a selected record shows in its boxes.
    void BoxFill(const QRect& r) {
        if (box_) FillSolid(p_, r, p_.background().color());
    }
    void GridBand(int y, int height) {
        if (!grid_) return;
        DrawLine(p_, 0, y, W_, y, kLinePen);
        DrawLine(p_, W_, y, W_, y + height, kLinePen);
        DrawLine(p_, 0, y, 0, y + height, kLinePen);
    }
    void GridLine(int y) {
        GridBand(y, L_);
        if (grid_) DrawLine(p_, xc_ - 2, y, xc_ - 2, y + L_, kLinePen);
    }
    QRect LeftBox(int y, int lines) const {
        return QRect(kBoxLeft, y, (xc_ - kBoxGap) - 7, lines * L_);
    }

    int DrawMainLines(int y) {
        const int y0 = y, y1 = y + L_, y2 = y + 2 * L_, y3 = y + 3 * L_, y4 = y + 4 * L_,
                  y5 = y + 5 * L_;
        CaptionPair();
        Caption(kCaptionX, y0, vt::kMovieTitle);
        Caption(xc_, y0, vt::kTapeNumber);
        DataPair();
        BoxFill(QRect(xb_, y0, (W_ - 13) - xb_, 6 * L_));
        RightCell(y0, Field::TapeNumber);
        GridLine(y0);

        DataPair();
        BoxFill(LeftBox(y1, 1));
        LeftCell(y1, Field::MovieName);
        CaptionPair();
        Caption(xc_, y1, vt::kTime);
        DataPair();
        RightCell(y1, Field::Time);
        GridLine(y1);

        CaptionPair();
        Caption(kCaptionX, y2, vt::kActors);
        Caption(xc_, y2, vt::kRating);
        DataPair();
        RightCell(y2, Field::Rating);
        GridLine(y2);

        CaptionPair();
        Caption(xc_, y3, vt::kCounter);
        DataPair();
        BoxFill(LeftBox(y3, 3));
        LeftCell(y3, Field::Actor1);
        RightCell(y3, Field::Counter);
        GridLine(y3);

        DataPair();
        LeftCell(y4, Field::Actor2);
        CaptionPair();
        Caption(xc_, y4, vt::kMedia);
        DataPair();
        RightCell(y4, Field::MediaType);
        GridLine(y4);

        CaptionPair();
        Caption(xc_, y5, vt::kType);
        DataPair();
        LeftCell(y5, Field::Actor3);
        RightCell(y5, Field::MovieType);
        GridLine(y5);
        return y5 + L_;
    }

    int DrawSynopsis(int r) {
        CaptionPair();
        Caption(kCaptionX, r, vt::kSynopsis);
        DataPair();
        GridBand(r, L_);
        BoxFill(QRect(kBoxLeft, r + L_, (W_ - kBoxGap) - 7, 4 * L_));
        // One line every lineHeight, as the box's four lines are spaced.
        DrawWrappedText(p_, Edges(kCaptionX, r + L_ + kTextDrop, W_ - kCellGap, r + 5 * L_),
                        Value(Field::Synopsis), L_, 4);
        GridBand(r + L_, 4 * L_);
        return r + 5 * L_;
    }

    int DrawCustomLine(int r, std::size_t k) {
        const int left = ctx_.Inch(kCustomBoxLeft), right = ctx_.Inch(kCustomBoxRight);
        CaptionPair();
        DrawTextAt(p_, kCaptionX, r + kTextDrop, ctx_.headings[k]);
        DataPair();
        BoxFill(Edges(left, r, right - 1, r + L_));
        DrawCell(p_, Edges(left + kCaptionX, r + kTextDrop, right - 4, r + L_),
                 Value(CustomField(k)));
        GridBand(r, L_);
        return r + L_;
    }

    void Raised(const QRect& outer) { DrawRaisedFrame(p_, ctx_.colors, outer); }
    void Sunken(const QRect& outer) { DrawSunkenFrame(p_, ctx_.colors, outer); }
    // Four one-pixel lines that make a border look cut into the box.
    void Engrave(int y, int left, int right) {
        FillSolid(p_, Edges(left + 2, y - 2, right - 2, y - 1), ctx_.colors.face3d);
        FillSolid(p_, Edges(left + 1, y - 1, right - 1, y), Qt::white);
        FillSolid(p_, Edges(left + 1, y, right - 1, y + 1), ctx_.colors.shadow3d);
        FillSolid(p_, Edges(left + 2, y + 1, right - 2, y + 2), Qt::black);
    }

    void DrawFrames(int r, int linesPerRow) {
        const auto T = [&](int n) { return r - L_ * (linesPerRow - n); };
        const int leftWidth = (xc_ - kBoxGap) - kBoxLeft;
        Raised(QRect(0, T(0), W_, L_ * (linesPerRow - 1)));
        Sunken(QRect(xb_, T(1), W_ - kBoxGap - xb_, 6 * L_));
        Sunken(QRect(kBoxLeft, T(2), leftWidth, L_));
        Sunken(QRect(kBoxLeft, T(4), leftWidth, 3 * L_));
        const bool synopsis = ctx_.options.showSynopsis;
        if (synopsis) Sunken(QRect(kBoxLeft, T(8), (W_ - kBoxGap) - kBoxLeft, 4 * L_));
        int n = 7 + (synopsis ? 5 : 0);
        for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
            if (!ctx_.options.showCustom[k]) continue;
            const int left = ctx_.Inch(kCustomBoxLeft);
            Sunken(QRect(left, T(n), ctx_.Inch(kCustomBoxRight) - left, L_));
            ++n;
        }
        for (int line = 2; line <= 6; ++line) Engrave(T(line), xb_, W_ - 13);
        for (int line = 5; line <= 6; ++line) Engrave(T(line), 6, xc_ - 13);
    }

    const DrawContext& ctx_;
    QPainter& p_;
    std::size_t row_;
    std::uint32_t record_;
    int L_, W_, xc_, xv_, xb_;
    bool box_, grid_;
};

}  // namespace

int DrawRecordBlock(const DrawContext& ctx, int y, std::size_t row) {
    return BlockPainter(ctx, row).Draw(y);
}

}  // namespace reelkeep
