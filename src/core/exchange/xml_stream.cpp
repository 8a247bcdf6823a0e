#include "xml_stream.h"

#include <expat.h>

#include <algorithm>
#include <climits>
#include <new>
#include <tuple>

namespace reelkeep {

namespace {

// Expat joins the namespace URI and the local name with this character when it is asked to.
constexpr char kSpaceSeparator = '\x01';

std::pair<std::string, std::string> SplitName(const XML_Char* qualified) {
    const std::string_view name(qualified);
    const std::size_t at = name.find(kSpaceSeparator);
    if (at == std::string_view::npos) return {{}, std::string(name)};
    return {std::string(name.substr(0, at)), std::string(name.substr(at + 1))};
}

}  // namespace

std::string_view XmlElement::Attribute(std::string_view attribute) const {
    for (const auto& [key, value] : attributes) {
        if (key == attribute) return value;
    }
    return {};
}

const XmlElement* XmlElement::Child(std::string_view child) const {
    const auto found = std::find_if(children.begin(), children.end(),
                                    [child](const XmlElement& e) { return e.name == child; });
    return found == children.end() ? nullptr : &*found;
}

std::string_view XmlElement::ChildText(std::string_view child) const {
    const XmlElement* found = Child(child);
    return found == nullptr ? std::string_view() : std::string_view(found->text);
}

struct CXmlStream::Parser {
    XML_Parser handle;

    static CXmlStream& Of(void* data) { return *static_cast<CXmlStream*>(data); }

    // No exception may pass through the C library's frames.
    template <typename Step>
    static void Guarded(void* data, Step step) {
        CXmlStream& stream = Of(data);
        try {
            step(stream);
        } catch (const std::bad_alloc&) {
            stream.failure_ = XmlFailure::NoMemory;
            XML_StopParser(stream.parser_->handle, XML_FALSE);
        }
    }

    static void Start(void* data, const XML_Char* name, const XML_Char** attributes) {
        Guarded(data, [&](CXmlStream& stream) {
            XmlElement element;
            std::tie(element.space, element.name) = SplitName(name);
            for (const XML_Char** at = attributes; *at != nullptr; at += 2) {
                element.attributes.emplace_back(SplitName(at[0]).second, at[1]);
            }
            stream.open_.push_back(std::move(element));
        });
    }

    static void End(void* data, const XML_Char*) {
        Guarded(data, [](CXmlStream& stream) {
            if (stream.failure_ != XmlFailure::None) return;
            XmlElement closed = std::move(stream.open_.back());
            stream.open_.pop_back();
            const XmlStep step = stream.onClose_(closed, stream.open_);
            if (step == XmlStep::Stop) {
                stream.failure_ = XmlFailure::Refused;
                XML_StopParser(stream.parser_->handle, XML_FALSE);
            } else if (step == XmlStep::Keep && !stream.open_.empty()) {
                stream.open_.back().children.push_back(std::move(closed));
            }
        });
    }

    static void Text(void* data, const XML_Char* text, int length) {
        Guarded(data, [&](CXmlStream& stream) {
            if (!stream.open_.empty()) {
                stream.open_.back().text.append(text, static_cast<std::size_t>(length));
            }
        });
    }

    static void EntityDeclared(void* data, const XML_Char*, int, const XML_Char*, int,
                               const XML_Char*, const XML_Char*, const XML_Char*, const XML_Char*) {
        CXmlStream& stream = Of(data);
        stream.failure_ = XmlFailure::Entities;
        XML_StopParser(stream.parser_->handle, XML_FALSE);
    }

    static int ExternalEntity(XML_Parser handle, const XML_Char*, const XML_Char*, const XML_Char*,
                              const XML_Char*) {
        Of(XML_GetUserData(handle)).failure_ = XmlFailure::Entities;
        return XML_STATUS_ERROR;
    }
};

CXmlStream::CXmlStream(XmlCloseHandler onClose)
    : onClose_(std::move(onClose)),
      parser_(std::make_unique<Parser>(Parser{XML_ParserCreateNS(nullptr, kSpaceSeparator)})) {
    XML_Parser handle = parser_->handle;
    if (handle == nullptr) throw std::bad_alloc();
    XML_SetUserData(handle, this);
    XML_SetElementHandler(handle, &Parser::Start, &Parser::End);
    XML_SetCharacterDataHandler(handle, &Parser::Text);
    XML_SetEntityDeclHandler(handle, &Parser::EntityDeclared);
    XML_SetExternalEntityRefHandler(handle, &Parser::ExternalEntity);
    XML_SetParamEntityParsing(handle, XML_PARAM_ENTITY_PARSING_NEVER);
}

CXmlStream::~CXmlStream() { XML_ParserFree(parser_->handle); }

bool CXmlStream::Feed(std::string_view piece, bool last) {
    if (failure_ != XmlFailure::None) return false;
    do {
        const std::size_t size = std::min<std::size_t>(piece.size(), INT_MAX / 2);
        const bool end = last && size == piece.size();
        if (XML_Parse(parser_->handle, piece.data(), static_cast<int>(size), end ? 1 : 0) !=
            XML_STATUS_OK) {
            if (failure_ == XmlFailure::None) failure_ = XmlFailure::Damaged;
            return false;
        }
        piece.remove_prefix(size);
    } while (!piece.empty());
    return true;
}

}  // namespace reelkeep
