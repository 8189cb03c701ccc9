#pragma once
// The namespaces XMP is written in: RDF's own, and the usual prefixes of the
// schemas that cameras and photo programs write.

#include <string_view>

namespace pixolyn {

inline constexpr std::string_view kRdfNamespace = "http://www.w3.org/1999/02/22-rdf-syntax-ns#";
inline constexpr std::string_view kXmlNamespace = "http://www.w3.org/XML/1998/namespace";

// The usual prefix of a known namespace URI; empty for any other.
std::string_view UsualXmpPrefix(std::string_view uri);

}  // namespace pixolyn
