#include <array>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "verbs.h"

namespace reelkeep::cli {

namespace {

struct Verb {
    std::string_view name;
    int (*run)(std::span<const std::string> args);
    std::string_view synopsis;
};

// Add a verb here with one line; its function is declared in verbs.h.
constexpr std::array kVerbs = {
    Verb{"info", RunInfo, "info FILE"},
    Verb{"new", RunNew, "new OUT"},
    Verb{"convert", RunConvert, "convert IN OUT"},
    Verb{"generate", RunGenerate, "generate N OUT [--seed S]"},
    Verb{"actors", RunActors, "actors IN [view options]"},
    Verb{"labels", RunLabels, "labels IN [view options]"},
    Verb{"export", RunExport, "export csv|text IN OUT [view options]"},
    Verb{"import", RunImport,
         "import csv IN.csv OUT.smf [--into EXISTING.smf] [--map COLUMN=FIELD]..."},
#ifdef REELKEEP_HAVE_RENDER
    Verb{"render", RunRender, "render IN OUT.png [--mode MODE] [--size WxH] [view options]"},
    Verb{"print-pdf", RunPrintPdf,
         "print-pdf IN OUT.pdf [--paper letter|a4] [--mode MODE] [print options] [view options]"},
#endif
};

void ListVerbs(std::ostream& out) {
    out << "usage:\n";
    for (const Verb& verb : kVerbs) out << "  reelkeep-cli " << verb.synopsis << '\n';
    out << "A verb run without its arguments explains its options.\n";
}

int PrintVerbs() {
    ListVerbs(std::cerr);
    return 1;
}

}  // namespace

int UsageError(std::string_view synopsis) {
    std::cerr << "usage: reelkeep-cli " << synopsis << '\n';
    return 1;
}

}  // namespace reelkeep::cli

int main(int argc, char** argv) {
    using namespace reelkeep::cli;
    if (argc < 2) return PrintVerbs();
    const std::string_view name = argv[1];
    if (name == "--help" || name == "-h") {
        ListVerbs(std::cout);
        return 0;
    }
    const std::vector<std::string> args(argv + 2, argv + argc);
    for (const Verb& verb : kVerbs) {
        if (verb.name == name) return verb.run(args);
    }
    std::cerr << "reelkeep-cli: unknown verb '" << name << "'\n";
    return PrintVerbs();
}
