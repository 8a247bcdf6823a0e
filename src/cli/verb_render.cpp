// The render verb: draws a catalogue as the window would show it, into a PNG file.
#include <QApplication>
#include <QImage>
#include <cstdlib>
#include <iostream>
#include <optional>

#include "console_ui.h"
#include "picture_area.h"
#include "reelkeep_doc.h"
#include "verbs.h"
#include "view_options.h"
#include "widget_session.h"

namespace reelkeep::cli {

namespace {

struct RenderOptions {
    std::optional<CommandId> mode;
    QSize size{1280, 800};
    ViewDisplayOptions display;
    bool smallLabels = false;
    std::vector<std::string> viewArgs;  // left for the view options
};

std::optional<QSize> ParseSize(std::string_view text) {
    const std::size_t x = text.find('x');
    if (x == std::string_view::npos) return std::nullopt;
    const int w = std::atoi(std::string(text.substr(0, x)).c_str());
    const int h = std::atoi(std::string(text.substr(x + 1)).c_str());
    // Bounded so that a typing slip cannot ask for gigabytes of image.
    if (w < 16 || h < 16 || w > 8192 || h > 8192) return std::nullopt;
    return QSize(w, h);
}

bool ParseDecoration(std::string_view text, ViewDisplayOptions& display) {
    display.showBox = text == "box";
    display.showGrid = text == "grid";
    return text == "box" || text == "grid" || text == "none";
}

bool ParseRenderOptions(std::span<const std::string> args, RenderOptions& out, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        const bool hasValue = i + 1 < args.size();
        if (name == "--small-labels") {
            out.smallLabels = true;
        } else if (name == "--mode" && hasValue) {
            out.mode = ParseMode(args[++i]);
            if (!out.mode) error = "unknown mode '" + args[i] + "'";
        } else if (name == "--size" && hasValue) {
            const auto size = ParseSize(args[++i]);
            if (size) out.size = *size;
            if (!size) error = "--size wants WxH between 16 and 8192, not '" + args[i] + "'";
        } else if (name == "--decoration" && hasValue) {
            if (!ParseDecoration(args[++i], out.display)) {
                error = "unknown decoration '" + args[i] + "'";
            }
        } else {
            out.viewArgs.push_back(name);
        }
        if (!error.empty()) return false;
    }
    return true;
}

}  // namespace

int RunRender(std::span<const std::string> args) {
    if (const auto usage = CheckOperands(args, {"IN", "OUT.png"})) return *usage;
    RenderOptions render;
    ViewOptions view;
    std::string error;
    if (!ParseRenderOptions(args.subspan(2), render, error) ||
        !ParseViewOptions(render.viewArgs, view, error)) {
        return UsageError(error);
    }
    const CWidgetApplication app;

    CConsoleUI ui;
    CReelkeepDoc doc(ui);
    // Made before loading, as the window is, so the file's column layouts are kept.
    CPictureArea area(doc, render.size);
    if (!OpenCatalogue(ui, doc, args[0])) return kFailure;
    ApplyViewOptions(doc, view);
    if (render.mode && doc.IsEnabled(*render.mode)) doc.Execute(*render.mode);

    area.SetLook(ShownLook(doc.Display(), render.display, view.options, area.logicalDpiY()),
                 !ShowsSmallLabels(doc.Display(), render.smallLabels));
    const QImage image = area.Picture();
    if (!image.save(QString::fromStdString(args[1]), "PNG")) {
        std::cerr << "reelkeep-cli: cannot write " << args[1] << '\n';
        return kFailure;
    }
    return 0;
}

}  // namespace reelkeep::cli
