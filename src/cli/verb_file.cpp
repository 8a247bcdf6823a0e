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
        FileSource source(path);
        if (source.Size() == 0) return "empty";
        SmfReader reader(source);
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

// A document of the terminal; exit status 1 once it has shown any message.
struct Session {
    ConsoleUI ui;
    CReelkeepDoc doc{ui};
    Session() { doc.OnNewDocument(); }
    int Status(bool ok) const { return ok && !ui.Warned() ? 0 : 1; }
};

}  // namespace

int RunInfo(std::span<const std::string> args) {
    if (args.size() != 1) return UsageError("info FILE");
    Session session;
    if (!session.doc.OpenDocument(args[0])) return 1;
    const std::optional<std::string_view> version = PeekVersion(args[0]);
    if (!version) {
        session.ui.ShowMessage(msg::kUnexpectedFormat, MessageButtons::Ok, MessageIcon::Warning);
        return 1;
    }
    const CReelkeepDoc& doc = session.doc;
    std::cout << "version: " << *version << '\n' << "records: " << doc.RecordCount() << '\n';
    for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
        std::cout << "heading" << k + 1 << ": " << doc.CustomHeadings()[k] << '\n';
    }
    std::cout << "movie-types: " << doc.Lookup(LookupKind::MovieTypes).size() << '\n'
              << "actors: " << doc.Lookup(LookupKind::Actors).size() << '\n';
    return session.Status(true);
}

int RunNew(std::span<const std::string> args) {
    if (args.size() != 1) return UsageError("new OUT");
    Session session;
    return session.Status(session.doc.SaveDocument(args[0]));
}

int RunConvert(std::span<const std::string> args) {
    if (args.size() != 2) return UsageError("convert IN OUT");
    Session session;
    if (!session.doc.OpenDocument(args[0])) return 1;
    return session.Status(session.doc.SaveDocument(args[1]));
}

int RunGenerate(std::span<const std::string> args) {
    constexpr std::string_view kSynopsis = "generate N OUT [--seed S]";
    std::uint64_t seed = 1;
    if (args.size() == 4 && args[2] == "--seed") {
        const auto parsed = ParseNumber<std::uint64_t>(args[3]);
        if (!parsed) return UsageError(kSynopsis);
        seed = *parsed;
    } else if (args.size() != 2) {
        return UsageError(kSynopsis);
    }
    const auto count = ParseNumber<std::uint32_t>(args[0]);
    if (!count) return UsageError(kSynopsis);
    Session session;
    GenerateCatalogue(session.doc, *count, seed);
    return session.Status(session.doc.SaveDocument(args[1]));
}

}  // namespace reelkeep::cli
