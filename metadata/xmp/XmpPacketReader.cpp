// The RDF that XMP writes, read from the element tree: properties as
// elements and as attributes of rdf:Description, structures (nested
// rdf:Description, rdf:parseType="Resource", fields as attributes), arrays
// (rdf:Bag, rdf:Seq, rdf:Alt), xml:lang, rdf:resource and rdf:value.

#include <array>
#include <utility>
#include <vector>

#include "xmp/XmlTree.h"
#include "xmp/XmpNamespaces.h"
#include "xmp/XmpPacket.h"

namespace pixolyn {

namespace {
// Far above the 3,000 keywords of a well-tagged picture, far below what the
// element bound lets through.
constexpr std::size_t kMaxProperties = 100000;

constexpr std::string_view kExtendedGuidPath = "xmpNote:HasExtendedXMP";

// Attributes that say how to read an element rather than being a property.
bool IsSyntaxAttribute(const TXmlName& name) {
  static constexpr std::array<std::string_view, 7> kRdfSyntax = {
      "about", "ID", "nodeID", "parseType", "resource", "datatype", "bagID"};
  if (name.Namespace == kXmlNamespace) return true;
  if (name.Namespace == kRdfNamespace) {
    for (const std::string_view local : kRdfSyntax) {
      if (name.Local == local) return true;
    }
    return false;
  }
  // Old writers put an unqualified "about" on rdf:Description.
  return name.Namespace.empty() && name.Local == "about";
}

const std::string* FindAttribute(const TXmlElement& element, std::string_view ns,
                                 std::string_view local) {
  for (const TXmlAttribute& attribute : element.Attributes) {
    if (attribute.Name.Is(ns, local)) return &attribute.Value;
  }
  return nullptr;
}

bool HasPropertyAttribute(const TXmlElement& element) {
  for (const TXmlAttribute& attribute : element.Attributes) {
    if (!IsSyntaxAttribute(attribute.Name)) return true;
  }
  return false;
}

bool IsRdf(const TXmlElement& element, std::string_view local) {
  return element.Name.Is(kRdfNamespace, local);
}

bool IsArray(const TXmlElement& element) {
  return IsRdf(element, "Bag") || IsRdf(element, "Seq") || IsRdf(element, "Alt");
}

// Recursion follows the element tree, whose depth is bounded.
class TRdfWalk {
 public:
  TRdfWalk(const TXmlTree& tree, TXmpPacket& packet) : tree_(tree), packet_(packet) {}

  void FindRdf(const TXmlElement& element) {
    if (IsRdf(element, "RDF")) {
      // rdf:Description, or a typed node read the same way.
      for (const uint32_t child : element.Children) Fields(At(child), "", 0, "");
      return;
    }
    for (const uint32_t child : element.Children) FindRdf(At(child));
  }

 private:
  const TXmlElement& At(uint32_t index) const { return tree_.Elements[index]; }

  // Looked up once per namespace of the document: its copy tells it apart.
  std::string_view UsualPrefix(std::string_view ns) {
    for (const auto& [known, prefix] : prefixes_) {
      if (known == ns.data()) return prefix;
    }
    return prefixes_.emplace_back(ns.data(), UsualXmpPrefix(ns)).second;
  }

  std::string Join(const std::string& path, const TXmlName& name) {
    std::string_view prefix = UsualPrefix(name.Namespace);
    if (prefix.empty()) prefix = name.Prefix;
    std::string joined;
    joined.reserve(path.size() + prefix.size() + name.Local.size() + 2);
    if (!path.empty()) joined.append(path).append(1, '/');
    if (!prefix.empty()) joined.append(prefix).append(1, ':');
    return joined.append(name.Local);
  }

  void Emit(const std::string& path, std::string_view value, std::string_view language,
            uint32_t structure) {
    if (path.empty()) return;
    if (packet_.Properties.size() >= kMaxProperties) {
      if (packet_.Error.empty()) packet_.Error = "Zu viele Eigenschaften";
      return;
    }
    packet_.Properties.push_back({.Path = path,
                                  .Language = std::string(language),
                                  .Value = std::string(value),
                                  .Structure = structure});
  }

  // The fields of a structure, or the properties of a top-level rdf:Description.
  void Fields(const TXmlElement& element, const std::string& path, uint32_t structure,
              std::string_view language) {
    if (const std::string* lang = FindAttribute(element, kXmlNamespace, "lang")) language = *lang;
    for (const TXmlAttribute& attribute : element.Attributes) {
      if (IsSyntaxAttribute(attribute.Name)) continue;
      const bool isValue = attribute.Name.Is(kRdfNamespace, "value");
      Emit(isValue ? path : Join(path, attribute.Name), attribute.Value, language, structure);
    }
    for (const uint32_t index : element.Children) {
      const TXmlElement& child = At(index);
      const bool isValue = IsRdf(child, "value");
      Property(child, isValue ? path : Join(path, child.Name), structure, language);
    }
  }

  void Property(const TXmlElement& element, const std::string& path, uint32_t structure,
                std::string_view language) {
    if (const std::string* lang = FindAttribute(element, kXmlNamespace, "lang")) language = *lang;
    if (const std::string* resource = FindAttribute(element, kRdfNamespace, "resource")) {
      return Emit(path, *resource, language, structure);
    }
    const std::string* parseType = FindAttribute(element, kRdfNamespace, "parseType");
    if (parseType && *parseType == "Resource")
      return Fields(element, path, ++structures_, language);
    if (element.Children.empty()) {
      if (HasPropertyAttribute(element)) return Fields(element, path, ++structures_, language);
      // A text cut off by a fault in the packet is not shown half.
      if (element.Closed) Emit(path, element.Text, language, structure);
      return;
    }
    const TXmlElement& first = At(element.Children.front());
    if (IsArray(first)) {
      if (const std::string* lang = FindAttribute(first, kXmlNamespace, "lang")) language = *lang;
      for (const uint32_t item : first.Children) {
        if (IsRdf(At(item), "li")) Property(At(item), path, structure, language);
      }
      return;
    }
    if (IsRdf(first, "Description")) return Fields(first, path, ++structures_, language);
    // Fields written straight into the property without rdf:parseType: not
    // RDF, but what they mean is plain.
    Fields(element, path, ++structures_, language);
  }

  const TXmlTree& tree_;
  TXmpPacket& packet_;
  uint32_t structures_ = 0;
  std::vector<std::pair<const char*, std::string_view>> prefixes_;
};

// Blank lines some writers leave before the packet, where XML allows none.
// Only ASCII blanks: a packet in UTF-16 begins with a zero byte that counts.
std::string_view SkipLeadingBlanks(std::string_view xml) {
  const auto first = xml.find_first_not_of(" \t\r\n");
  return first == std::string_view::npos ? std::string_view() : xml.substr(first);
}
}  // namespace

TXmpPacket ReadXmpPacket(std::string_view xml) {
  const TXmlTree tree = ReadXmlTree(SkipLeadingBlanks(xml));
  TXmpPacket packet;
  if (!tree.Elements.empty()) TRdfWalk(tree, packet).FindRdf(tree.Elements.front());
  if (!tree.Error.empty()) packet.Error = tree.Error;
  for (const TXmpProperty& property : packet.Properties) {
    if (property.Path == kExtendedGuidPath) {
      packet.ExtendedGuid = property.Value;
      break;
    }
  }
  return packet;
}

}  // namespace pixolyn
