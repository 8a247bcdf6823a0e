// Verbs on whole catalogue files: info, new, convert, generate.
#include <charconv>
#include <iostream>
#include <optional>

#include "console_ui.h"
#include "file_access.h"
#include "generator.h"
#include "messages.h"
#include "reelkeep_doc.h"
#include "smf_format.h"
#include "smf_reader.h"
#include "verbs.h"

namespace reelkeep::cli {

namespace {

std::string_view VersionName(SmfVersion version) {
    switch (version) {
        case SmfVersion::Current:
            return "current";
        case SmfVersion::Custom:
            return "custom";
        case SmfVersion::Synopsis:
            return "synopsis";
        case SmfVersion::Oldest:
            break;
    }
    return "oldest";
}

// The version name of a file, "empty" for one without a byte (opened as a new catalogue).
std::optional<std::string_view> PeekVersion(const std::string& path) {
    try {
        CFileSource source(path);
        if (source.Size() == 0) return "empty";
        CSmfReader reader(source);
        return VersionName(VersionOfMark(reader.ReadU32()));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

template <typename T>
std::optional<T> ParseNumber(std::string_view text) {
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// A document of the terminal; a failure once it has shown any message.
struct Session {
    CConsoleUI ui;
    CReelkeepDoc doc{ui};
    Session() { doc.OnNewDocument(); }
    bool Open(const std::string& path) { return OpenCatalogue(ui, doc, path); }
    int Save(const std::string& path) {
        return SaveCatalogue(ui, doc, path) && !ui.Warned() ? 0 : kFailure;
    }
};

}  // namespace

int RunInfo(std::span<const std::string> args) {
    if (const auto usage = CheckOperands(args, {"FILE"}, true)) return *usage;
    Session session;
    if (!session.Open(args[0])) return kFailure;
    const std::optional<std::string_view> version = PeekVersion(args[0]);
    if (!version) {
        session.ui.ShowMessage(msg::kUnexpectedFormat, MessageButtons::Ok, MessageIcon::Warning);
        return kFailure;
    }
    const CReelkeepDoc& doc = session.doc;
    std::cout << "version: " << *version << '\n' << "records: " << doc.Catalogue().Count() << '\n';
    for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
        std::cout << "heading" << k + 1 << ": " << doc.Display().CustomHeadings()[k] << '\n';
    }
    std::cout << "movie-types: " << doc.Catalogue().Lookup(LookupKind::MovieTypes).size() << '\n'
              << "actors: " << doc.Catalogue().Lookup(LookupKind::Actors).size() << '\n';
    return session.ui.Warned() ? kFailure : 0;
}

int RunNew(std::span<const std::string> args) {
    if (const auto usage = CheckOperands(args, {"OUT"}, true)) return *usage;
    return Session().Save(args[0]);
}

int RunConvert(std::span<const std::string> args) {
    if (const auto usage = CheckOperands(args, {"IN", "OUT"}, true)) return *usage;
    Session session;
    if (!session.Open(args[0])) return kFailure;
    return session.Save(args[1]);
}

int RunGenerate(std::span<const std::string> args) {
    if (const auto usage = CheckOperands(args, {"N", "OUT"})) return *usage;
    const auto count = ParseNumber<std::uint32_t>(args[0]);
    if (!count)
        return UsageError("N must be a whole number up to 4294967295, not '" + args[0] + "'");
    std::uint64_t seed = 1;
    if (args.size() > 2) {
        if (args[2] != "--seed") return UsageError("unknown option '" + args[2] + "'");
        if (args.size() == 3) return UsageError("--seed needs a value");
        const auto parsed = ParseNumber<std::uint64_t>(args[3]);
        if (!parsed) return UsageError("--seed wants a whole number, not '" + args[3] + "'");
        if (args.size() > 4) return UsageError("unexpected argument '" + args[4] + "'");
        seed = *parsed;
    }
    Session session;
    GenerateCatalogue(session.doc, *count, seed);
    return session.Save(args[1]);
}

}  // namespace reelkeep::cli
