#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace reelkeep {

// One element of an XML file with what it holds: names without their namespace prefix, the
// text directly inside it (all pieces joined) and the child elements that were kept.
struct XmlElement {
    std::string space;  // the namespace URI, empty for none
    std::string name;
    std::vector<std::pair<std::string, std::string>> attributes;
    std::string text;
    std::vector<XmlElement> children;

    // The attribute's value, or an empty text when there is none.
    std::string_view Attribute(std::string_view attribute) const;
    // The first child of that name, or nullptr.
    const XmlElement* Child(std::string_view child) const;
    // The text of the first child of that name, or an empty text.
    std::string_view ChildText(std::string_view child) const;
};

// What becomes of an element that has closed: dropped, kept among its parent's children, or
// the end of parsing, as when the file turns out to be of another kind.
enum class XmlStep { Drop, Keep, Stop };

// Called as each element closes, with the elements still open around it (the root first). It
// may take what it needs from the element before it is dropped.
using XmlCloseHandler =
    std::function<XmlStep(XmlElement& closed, std::span<const XmlElement> openAround)>;

// Why parsing stopped.
enum class XmlFailure { None, Damaged, Entities, Refused, NoMemory };

// An XML file read piece by piece, so that only what the handler keeps stays in memory. A file
// that declares entities or refers to external ones is refused before any of them is expanded:
// they are the way to make a small file fill the memory or read other files.
class CXmlStream {
public:
    explicit CXmlStream(XmlCloseHandler onClose);
    ~CXmlStream();
    CXmlStream(const CXmlStream&) = delete;
    CXmlStream& operator=(const CXmlStream&) = delete;

    // Parses the next piece; last says the file ends after it. False once parsing has stopped.
    bool Feed(std::string_view piece, bool last);
    XmlFailure Failure() const { return failure_; }

    struct Parser;

private:
    XmlCloseHandler onClose_;
    std::vector<XmlElement> open_;
    XmlFailure failure_ = XmlFailure::None;
    std::unique_ptr<Parser> parser_;

    friend struct Parser;
};

}  // namespace reelkeep
