#include "foreign_formats.h"

#include <algorithm>
#include <array>

#include "amc_reader.h"
#include "datacrow_reader.h"
#include "file_access.h"
#include "file_errors.h"
#include "gcstar_reader.h"
#include "tellico_reader.h"
#include "text_compare.h"
#include "zip_member.h"

namespace reelkeep {

namespace {

// The root element sits after the declaration, a document type and perhaps some comments.
constexpr std::size_t kHeadBytes = 4096;

constexpr std::array<ForeignFormat, 4> kFormats = {{
    {"tellico", &ReadTellico},
    {"gcstar", &ReadGcstar},
    {"datacrow", &ReadDataCrow},
    {"amc", &ReadAmc},
}};

// Ant Movie Catalog's binary catalogues begin with their version, " AMC_3.5 Ant Movie Catalog".
constexpr std::string_view kAmcHeader = " AMC_";

struct Sign {
    std::string_view text;  // a root element's start, or a name's ending
    std::string_view format;
};

constexpr std::array<Sign, 4> kRootElements = {{
    {"<tellico", "tellico"},
    {"<collection", "gcstar"},
    {"<data-crow-objects", "datacrow"},
    {"<AntMovieCatalog", "amc"},
}};

constexpr std::array<Sign, 3> kEndings = {
    {{".tc", "tellico"}, {".gcs", "gcstar"}, {".amc", "amc"}}};

// The first element's start tag that is no declaration, document type or comment.
std::string_view RootElementOf(std::string_view head) {
    std::size_t at = 0;
    while ((at = head.find('<', at)) != std::string_view::npos) {
        const std::string_view rest = head.substr(at);
        if (rest.size() > 1 && rest[1] != '?' && rest[1] != '!') return rest;
        ++at;
    }
    return {};
}

}  // namespace

std::span<const ForeignFormat> ForeignFormats() { return kFormats; }

const ForeignFormat* ForeignFormatNamed(std::string_view name) {
    const auto found = std::find_if(kFormats.begin(), kFormats.end(),
                                    [name](const ForeignFormat& f) { return f.name == name; });
    return found == kFormats.end() ? nullptr : &*found;
}

const ForeignFormat* ForeignFormatOf(std::string_view firstBytes, std::string_view path) {
    if (LooksLikeZip(firstBytes)) return ForeignFormatNamed("tellico");
    if (firstBytes.starts_with(kAmcHeader)) return ForeignFormatNamed("amc");
    const std::string_view root = RootElementOf(firstBytes);
    for (const Sign& sign : kRootElements) {
        if (root.starts_with(sign.text) && root.size() > sign.text.size() &&
            std::string_view(" \t\r\n/>").find(root[sign.text.size()]) != std::string_view::npos) {
            return ForeignFormatNamed(sign.format);
        }
    }
    for (const Sign& sign : kEndings) {
        if (path.size() >= sign.text.size() &&
            EqualsNoCase(path.substr(path.size() - sign.text.size()), sign.text)) {
            return ForeignFormatNamed(sign.format);
        }
    }
    return nullptr;
}

std::string FirstBytesOf(const std::string& path) {
    try {
        CFileSource source(path);
        std::string head(kHeadBytes, '\0');
        head.resize(source.Read(head.data(), head.size()));
        return head;
    } catch (const CFileError&) {
        return {};
    }
}

}  // namespace reelkeep
