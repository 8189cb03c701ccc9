#pragma once
// An XML document read by expat into a small element tree, namespace-aware
// and bounded: no DOCTYPE (so no entity is ever declared or expanded), a
// limited nesting depth, element count and text size. A document that is not
// well-formed keeps the elements read before the fault.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace pixolyn {

struct TXmlName {
  // URI, one copy per document kept by its tree (equal URIs share it, so
  // the data pointer tells a namespace apart); empty for an unqualified name.
  std::string_view Namespace;
  std::string Local;
  std::string Prefix;  // as the document wrote it; empty for the default namespace
  bool Is(std::string_view ns, std::string_view local) const {
    return Namespace == ns && Local == local;
  }
};

struct TXmlAttribute {
  TXmlName Name;
  std::string Value;
};

struct TXmlElement {
  TXmlName Name;
  std::vector<TXmlAttribute> Attributes;
  std::string Text;                // the character data directly inside, joined
  std::vector<uint32_t> Children;  // indexes into TXmlTree::Elements
  bool Closed = false;             // its end tag was read
};

struct TXmlTree {
  // The document element first (when there is one); children after parents.
  std::vector<TXmlElement> Elements;
  // Why the document could not be read to its end, in German with the line.
  std::string Error;
  // The texts of the names' namespaces.
  std::vector<std::unique_ptr<const std::string>> Namespaces;
};

inline constexpr int kMaxXmlDepth = 64;
inline constexpr std::size_t kMaxXmlElements = 200000;
inline constexpr std::size_t kMaxXmlBytes = 32u << 20;

TXmlTree ReadXmlTree(std::string_view xml);

}  // namespace pixolyn
