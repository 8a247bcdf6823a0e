#include <algorithm>
#include <array>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "reelkeep_version.h"
#include "verbs.h"
#include "view_options.h"

namespace reelkeep::cli {

namespace {

struct Verb {
    std::string_view name;
    int (*run)(std::span<const std::string> args);
    std::string_view help;     // the usage line, then what the verb does
    bool viewOptions = false;  // its help explains the view options too
};

// Add a verb here with one line; its function and help are declared in verbs.h.
constexpr std::array kVerbs = {
    Verb{"info", RunInfo, kInfoHelp},
    Verb{"new", RunNew, kNewHelp},
    Verb{"convert", RunConvert, kConvertHelp},
    Verb{"generate", RunGenerate, kGenerateHelp},
    Verb{"actors", RunActors, kActorsHelp, true},
    Verb{"labels", RunLabels, kLabelsHelp, true},
    Verb{"export", RunExport, kExportHelp, true},
    Verb{"import", RunImport, kImportHelp},
#ifdef REELKEEP_HAVE_RENDER
    Verb{"render", RunRender, kRenderHelp, true},
    Verb{"print-pdf", RunPrintPdf, kPrintPdfHelp, true},
#endif
};

const Verb* FindVerb(std::string_view name) {
    for (const Verb& verb : kVerbs) {
        if (verb.name == name) return &verb;
    }
    return nullptr;
}

bool IsHelpOption(std::string_view argument) { return argument == "--help" || argument == "-h"; }

void ListVerbs(std::ostream& out) {
    out << "usage:\n";
    for (const Verb& verb : kVerbs) {
        out << "  reelkeep-cli " << verb.help.substr(0, verb.help.find('\n')) << '\n';
    }
    out << "  reelkeep-cli help VERB    explains one verb and its options\n"
        << "  reelkeep-cli --version\n"
        << "A verb run without its arguments explains its options too.\n"
        << "Exit status: 0 done, 1 a file could not be read or written, 2 wrong usage.\n";
}

void ShowHelp(const Verb& verb, std::ostream& out) {
    out << "usage: reelkeep-cli " << verb.help << '\n';
    if (verb.viewOptions) {
        out << "view options: " << kViewOptionsSynopsis << '\n' << kViewOptionsHelp << '\n';
    }
}

int UnknownVerb(std::string_view name) {
    UsageError("unknown verb '" + std::string(name) + "'");
    ListVerbs(std::cerr);
    return kUsageStatus;
}

// help, help VERB.
int RunHelp(std::span<const std::string> args) {
    if (args.empty()) {
        ListVerbs(std::cout);
        return 0;
    }
    if (args.size() > 1) return UsageError("unexpected argument '" + args[1] + "'");
    const Verb* verb = FindVerb(args[0]);
    if (verb == nullptr) return UnknownVerb(args[0]);
    ShowHelp(*verb, std::cout);
    return 0;
}

int RunVerb(const Verb& verb, std::span<const std::string> args) {
    if (!args.empty() && IsHelpOption(args[0])) {
        ShowHelp(verb, std::cout);
        return 0;
    }
    const int status = verb.run(args);
    if (status == kUsageStatus) ShowHelp(verb, std::cerr);
    return status;
}

}  // namespace

int UsageError(std::string_view problem) {
    std::cerr << "reelkeep-cli: " << problem << '\n';
    return kUsageStatus;
}

std::optional<int> CheckOperands(std::span<const std::string> args,
                                 std::initializer_list<std::string_view> names, bool exact) {
    // An option where an operand belongs is a mistake, not a file name; a lone "-" is an operand.
    for (std::size_t i = 0; i < std::min(args.size(), names.size()); ++i) {
        if (args[i].size() > 1 && args[i][0] == '-') {
            return UsageError("expected " + std::string(names.begin()[i]) + ", not the option '" +
                              args[i] + "'");
        }
    }
    if (args.size() < names.size()) {
        return UsageError("missing " + std::string(names.begin()[args.size()]));
    }
    if (exact && args.size() > names.size()) {
        return UsageError("unexpected argument '" + args[names.size()] + "'");
    }
    return std::nullopt;
}

}  // namespace reelkeep::cli

int main(int argc, char** argv) {
    using namespace reelkeep::cli;
    if (argc < 2) {
        UsageError("no verb given");
        ListVerbs(std::cerr);
        return kUsageStatus;
    }
    const std::string_view name = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (IsHelpOption(name)) return RunHelp({});
    if (name == "help") return RunHelp(args);
    if (name == "--version") {
        std::cout << "reelkeep-cli " << reelkeep::kReleaseVersion << " ("
                  << reelkeep::kBuildDescription << ")\n";
        return 0;
    }
    const Verb* verb = FindVerb(name);
    return verb != nullptr ? RunVerb(*verb, args) : UnknownVerb(name);
}
