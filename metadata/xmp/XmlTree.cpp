#include "xmp/XmlTree.h"

#include <expat.h>

#include <memory>

namespace pixolyn {

namespace {
// Cannot stand in a well-formed document, so it cannot stand in a URI either.
constexpr char kNameSeparator = '\x01';

std::string_view ErrorText(XML_Error code) {
  switch (code) {
    case XML_ERROR_NO_ELEMENTS:
      return "Paket endet vorzeitig";
    case XML_ERROR_INVALID_TOKEN:
    case XML_ERROR_PARTIAL_CHAR:
    case XML_ERROR_BAD_CHAR_REF:
      return "Ung\xC3\xBCltiges Zeichen";
    case XML_ERROR_UNCLOSED_TOKEN:
      return "Unvollst\xC3\xA4ndiges Element";
    case XML_ERROR_TAG_MISMATCH:
      return "Falsches End-Tag";
    case XML_ERROR_DUPLICATE_ATTRIBUTE:
      return "Doppeltes Attribut";
    case XML_ERROR_UNDEFINED_ENTITY:
      return "Unbekannte Entit\xC3\xA4t";
    case XML_ERROR_UNBOUND_PREFIX:
      return "Unbekanntes Namensraum-Pr\xC3\xA4"
             "fix";
    default:
      return "Kein wohlgeformtes XML";
  }
}

class TTreeBuilder {
 public:
  explicit TTreeBuilder(XML_Parser parser) : parser_(parser) {}

  TXmlTree Tree;

  TXmlName SplitName(std::string_view name) {
    TXmlName split;
    const auto first = name.find(kNameSeparator);
    if (first == std::string_view::npos) {
      split.Local = name;
      return split;
    }
    split.Namespace = Intern(name.substr(0, first));
    name.remove_prefix(first + 1);
    const auto second = name.find(kNameSeparator);
    split.Local = name.substr(0, second);
    if (second != std::string_view::npos) split.Prefix = name.substr(second + 1);
    return split;
  }

  void Start(const XML_Char* name, const XML_Char** attributes) {
    if (open_.size() >= kMaxXmlDepth) return Stop("Zu tief verschachtelt");
    if (Tree.Elements.size() >= kMaxXmlElements) return Stop("Zu viele Elemente");
    const auto index = static_cast<uint32_t>(Tree.Elements.size());
    TXmlElement& element = Tree.Elements.emplace_back();
    element.Name = SplitName(name);
    // Each name and value is a piece of the document, so their sum is bounded by its size.
    std::size_t count = 0;
    while (attributes[count]) count += 2;
    element.Attributes.reserve(count / 2);
    for (const XML_Char** attribute = attributes; *attribute; attribute += 2) {
      element.Attributes.push_back({SplitName(attribute[0]), attribute[1]});
    }
    if (!open_.empty()) Tree.Elements[open_.back()].Children.push_back(index);
    open_.push_back(index);
  }

  void End() {
    if (open_.empty()) return;
    Tree.Elements[open_.back()].Closed = true;
    open_.pop_back();
  }

  void Text(const XML_Char* text, int length) {
    if (open_.empty() || length <= 0) return;
    Tree.Elements[open_.back()].Text.append(text, static_cast<std::size_t>(length));
  }

  void Stop(std::string_view why) {
    if (stopped_) return;
    stopped_ = true;
    Tree.Error = Located(why);
    XML_StopParser(parser_, XML_FALSE);
  }

  std::string Located(std::string_view why) const {
    return std::string(why) + " in Zeile " + std::to_string(XML_GetCurrentLineNumber(parser_));
  }

  bool Stopped() const { return stopped_; }
  // The document element and all inside it were read: what follows changes nothing.
  bool Complete() const { return !Tree.Elements.empty() && Tree.Elements.front().Closed; }

 private:
  // A document names a handful of namespaces, most of them on every element.
  std::string_view Intern(std::string_view uri) {
    for (const auto& known : Tree.Namespaces) {
      if (*known == uri) return *known;
    }
    return *Tree.Namespaces.emplace_back(std::make_unique<const std::string>(uri));
  }

  XML_Parser parser_;
  std::vector<uint32_t> open_;
  bool stopped_ = false;
};

TTreeBuilder& Builder(void* data) {
  return *static_cast<TTreeBuilder*>(data);
}

struct TParserFree {
  void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};
}  // namespace

TXmlTree ReadXmlTree(std::string_view xml) {
  if (xml.size() > kMaxXmlBytes) return {.Error = "Paket zu gro\xC3\x9F"};
  const std::unique_ptr<XML_ParserStruct, TParserFree> owner(
      XML_ParserCreateNS(nullptr, kNameSeparator));
  if (!owner) return {.Error = "Kein Speicher"};
  XML_Parser parser = owner.get();
  TTreeBuilder builder(parser);
  XML_SetUserData(parser, &builder);
  XML_SetReturnNSTriplet(parser, 1);
  XML_SetElementHandler(
      parser,
      [](void* data, const XML_Char* name, const XML_Char** attributes) {
        Builder(data).Start(name, attributes);
      },
      [](void* data, const XML_Char*) { Builder(data).End(); });
  XML_SetCharacterDataHandler(parser, [](void* data, const XML_Char* text, int length) {
    Builder(data).Text(text, length);
  });
  // A DOCTYPE is where entities are declared; refusing it leaves only the
  // five predefined ones and character references.
  XML_SetStartDoctypeDeclHandler(
      parser, [](void* data, const XML_Char*, const XML_Char*, const XML_Char*, int) {
        Builder(data).Stop("DOCTYPE nicht erlaubt");
      });
  XML_SetParamEntityParsing(parser, XML_PARAM_ENTITY_PARSING_NEVER);

  const XML_Status status = XML_Parse(parser, xml.data(), static_cast<int>(xml.size()), XML_TRUE);
  if (status == XML_STATUS_ERROR && !builder.Stopped() && !builder.Complete()) {
    builder.Tree.Error = builder.Located(ErrorText(XML_GetErrorCode(parser)));
  }
  return std::move(builder.Tree);
}

}  // namespace pixolyn
