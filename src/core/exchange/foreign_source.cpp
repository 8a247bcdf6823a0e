#include "foreign_source.h"

#include <new>

#include "file_access.h"
#include "file_errors.h"
#include "messages.h"

namespace reelkeep {

std::string ReadForeignFile(const std::string& path, std::string& bytes, std::uint64_t maxBytes) {
    try {
        CFileSource source(path);
        if (source.Size() > maxBytes) return std::string(msg::kForeignTooLarge);
        bytes.resize(static_cast<std::size_t>(source.Size()));
        bytes.resize(source.Read(bytes.data(), bytes.size()));
    } catch (const CFileError& error) {
        return FileErrorText(FileOperation::Read, error.ErrorNumber(), path);
    }
    return {};
}

std::string XmlFailureText(XmlFailure failure) {
    switch (failure) {
        case XmlFailure::None:
        case XmlFailure::Refused:
            return {};
        case XmlFailure::Damaged:
            return std::string(msg::kForeignDamaged);
        case XmlFailure::Entities:
            return std::string(msg::kForeignEntities);
        case XmlFailure::NoMemory:
            return std::string(msg::kNoMemoryImport);
    }
    return {};
}

void ParseForeignXml(const std::string& path, CXmlStream& stream, ForeignCatalogue& catalogue) {
    std::string bytes;
    catalogue.error = ReadForeignFile(path, bytes);
    if (!catalogue.error.empty()) return;
    stream.Feed(bytes, true);
    if (catalogue.error.empty()) catalogue.error = XmlFailureText(stream.Failure());
}

std::string_view TrimmedView(std::string_view text) {
    constexpr std::string_view kSpaces = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kSpaces);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kSpaces) - first + 1);
}

std::string TrimmedText(std::string_view text) { return std::string(TrimmedView(text)); }

std::vector<std::string> ListValues(const XmlElement* list) {
    std::vector<std::string> values;
    if (list == nullptr) return values;
    for (const XmlElement& item : list->children) {
        const XmlElement* part = item.Child("name");
        if (part == nullptr) part = item.Child("column");
        if (part == nullptr) part = item.Child("col");
        std::string value = TrimmedText(part != nullptr ? part->text : item.text);
        if (!value.empty()) values.push_back(std::move(value));
    }
    return values;
}

std::string Joined(const std::vector<std::string>& values) {
    std::string joined;
    for (const std::string& value : values) {
        if (!joined.empty()) joined += ", ";
        joined += value;
    }
    return joined;
}

ForeignCatalogue ReadGuarded(const std::function<void(ForeignCatalogue&)>& read) {
    ForeignCatalogue catalogue;
    try {
        read(catalogue);
    } catch (const std::bad_alloc&) {
        catalogue.error = msg::kNoMemoryImport;
    }
    if (!catalogue.error.empty()) catalogue.movies = {};
    return catalogue;
}

void CountLeftOut(ForeignMovie& movie, std::string_view what, std::string_view value) {
    if (!TrimmedView(value).empty()) {
        ++movie.leftOut[std::string(what)];
    }
}

}  // namespace reelkeep
