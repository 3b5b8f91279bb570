#include "history/xml_stream.h"

#include <expat.h>

#include <algorithm>
#include <exception>
#include <memory>
#include <tuple>
#include <utility>

#include "base/text.h"

namespace lumora {

void XmlTree::Clear() {
  nodes.clear();
  attributes.clear();
  names.clear();
  values.clear();
}

std::string_view XmlElement::Name() const {
  return std::string_view(m_tree->names).substr(Node().nameAt, Node().nameLength);
}

std::wstring_view XmlElement::Attribute(std::string_view name) const {
  const std::string_view names(m_tree->names);
  const std::wstring_view values(m_tree->values);
  for (size_t i = 0; i < Node().attributeCount; ++i) {
    const XmlTree::Attribute& a = m_tree->attributes[Node().firstAttribute + i];
    if (names.substr(a.nameAt, a.nameLength) == name)
      return values.substr(a.valueAt, a.valueLength);
  }
  return {};
}

std::wstring_view XmlElement::Text() const {
  return std::wstring_view(m_tree->values).substr(Node().textAt, Node().textLength);
}

XmlChildren XmlElement::Children() const {
  return XmlChildren(*m_tree, Node().firstChild);
}

namespace {

/// The document is fed to the parser in pieces of this many bytes: where a
/// piece ends, the parser reports the text on either side apart, and a blank
/// piece at the start of a text is not part of it (see the header).
constexpr size_t kPieceBytes = 1024;

/// Appends UTF-8 `text` (the parser's, so well-formed) as wide characters.
void AppendWide(std::wstring& to, std::string_view text) {
  if (std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; }))
    to.append(text.begin(), text.end());
  else
    to += Utf8ToWide(text);
}

bool IsBlank(std::string_view text) {
  return text.find_first_not_of(" \t\n\r") == std::string_view::npos;
}

/// Builds the tree of each child of the root from the parser's callbacks.
class TreeBuilder {
 public:
  TreeBuilder(XML_Parser parser, std::string_view rootName,
              const std::function<bool(const XmlElement&)>& child)
      : m_parser(parser), m_rootName(rootName), m_child(child) {}

  void Start(const char* name, const char** attributes);
  void End();
  void Characters(std::string_view text);
  void StartCdata();
  /// A comment, processing instruction or the end of a CDATA section: the
  /// text node before it is over.
  void EndText() { m_run = TextRun::kNone; }

  bool RootMatched() const { return m_rootMatched; }

 private:
  /// Which text node the parser's character data goes to.
  enum class TextRun { kNone, kFirst, kLater };

  /// Inside a child of the root that is still wanted.
  bool Building() const { return m_rootMatched && m_wanted && m_depth >= 2; }
  XmlTree::Node& Open() { return m_tree.nodes[static_cast<size_t>(m_open.back())]; }
  /// A text node starts in the open element; the element's text when it is its first.
  void StartTextNode();
  std::pair<size_t, size_t> AddName(std::string_view name);

  XML_Parser m_parser;
  std::string_view m_rootName;
  const std::function<bool(const XmlElement&)>& m_child;
  int m_depth = 0;  ///< elements open, the root counted
  bool m_rootMatched = false;
  bool m_wanted = true;
  XmlTree m_tree;
  std::vector<int32_t> m_open;  ///< the tree's open elements, outermost first
  TextRun m_run = TextRun::kNone;
};

std::pair<size_t, size_t> TreeBuilder::AddName(std::string_view name) {
  const size_t at = m_tree.names.size();
  m_tree.names += name;
  return {at, name.size()};
}

void TreeBuilder::Start(const char* name, const char** attributes) {
  ++m_depth;
  m_run = TextRun::kNone;
  if (m_depth == 1) m_rootMatched = name == m_rootName;
  if (!Building()) return;
  if (m_depth == 2) m_tree.Clear();
  XmlTree::Node node;
  std::tie(node.nameAt, node.nameLength) = AddName(name);
  node.line = static_cast<int>(XML_GetCurrentLineNumber(m_parser));
  node.firstAttribute = m_tree.attributes.size();
  for (const char** a = attributes; *a; a += 2) {
    XmlTree::Attribute attribute;
    std::tie(attribute.nameAt, attribute.nameLength) = AddName(a[0]);
    attribute.valueAt = m_tree.values.size();
    AppendWide(m_tree.values, a[1]);
    attribute.valueLength = m_tree.values.size() - attribute.valueAt;
    m_tree.attributes.push_back(attribute);
  }
  node.attributeCount = m_tree.attributes.size() - node.firstAttribute;
  const auto index = static_cast<int32_t>(m_tree.nodes.size());
  if (!m_open.empty()) {
    XmlTree::Node& parent = Open();
    if (parent.lastChild < 0)
      parent.firstChild = index;
    else
      m_tree.nodes[static_cast<size_t>(parent.lastChild)].next = index;
    parent.lastChild = index;
  }
  m_tree.nodes.push_back(node);
  m_open.push_back(index);
}

void TreeBuilder::End() {
  m_run = TextRun::kNone;
  if (Building()) {
    m_open.pop_back();
    if (m_depth == 2) m_wanted = m_child(XmlElement(m_tree, 0));
  }
  --m_depth;
}

void TreeBuilder::StartTextNode() {
  XmlTree::Node& node = Open();
  m_run = node.hasText ? TextRun::kLater : TextRun::kFirst;
  if (node.hasText) return;
  node.hasText = true;
  node.textAt = m_tree.values.size();
}

void TreeBuilder::Characters(std::string_view text) {
  if (!Building()) return;
  if (m_run == TextRun::kNone) {
    if (IsBlank(text)) return;
    StartTextNode();
  }
  if (m_run == TextRun::kLater) return;
  // The first text node is the last thing added to the tree: its pieces follow
  // one another in `values`.
  XmlTree::Node& node = Open();
  AppendWide(m_tree.values, text);
  node.textLength = m_tree.values.size() - node.textAt;
}

void TreeBuilder::StartCdata() {
  if (Building()) StartTextNode();
}

/// The parser's user data: the builder, and the first exception a callback
/// threw, which must not unwind through the parser.
struct ParseContext {
  XML_Parser parser;
  TreeBuilder builder;
  std::exception_ptr fault;
};

/// Runs `step` with the builder, stopping the parse on an exception.
template <typename Step>
void Guarded(void* data, Step step) {
  auto& context = *static_cast<ParseContext*>(data);
  try {
    step(context.builder);
  } catch (...) {
    context.fault = std::current_exception();
    XML_StopParser(context.parser, XML_FALSE);
  }
}

}  // namespace

XmlDocumentRead ReadRootChildren(std::string_view utf8, std::string_view rootName,
                                 const std::function<bool(const XmlElement&)>& child) {
  const std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)> parser(
      XML_ParserCreate(nullptr), &XML_ParserFree);
  if (!parser) throw std::bad_alloc();
  ParseContext context{parser.get(), TreeBuilder(parser.get(), rootName, child), nullptr};
  XML_SetUserData(parser.get(), &context);
  XML_SetElementHandler(
      parser.get(),
      [](void* data, const XML_Char* name, const XML_Char** attributes) {
        Guarded(data, [&](TreeBuilder& builder) { builder.Start(name, attributes); });
      },
      [](void* data, const XML_Char*) {
        Guarded(data, [](TreeBuilder& builder) { builder.End(); });
      });
  XML_SetCharacterDataHandler(parser.get(), [](void* data, const XML_Char* text, int length) {
    Guarded(data, [&](TreeBuilder& builder) {
      builder.Characters(std::string_view(text, static_cast<size_t>(length)));
    });
  });
  XML_SetCdataSectionHandler(
      parser.get(),
      [](void* data) { Guarded(data, [](TreeBuilder& builder) { builder.StartCdata(); }); },
      [](void* data) { Guarded(data, [](TreeBuilder& builder) { builder.EndText(); }); });
  XML_SetCommentHandler(parser.get(), [](void* data, const XML_Char*) {
    Guarded(data, [](TreeBuilder& builder) { builder.EndText(); });
  });
  XML_SetProcessingInstructionHandler(
      parser.get(), [](void* data, const XML_Char*, const XML_Char*) {
        Guarded(data, [](TreeBuilder& builder) { builder.EndText(); });
      });

  bool well = true;
  for (size_t at = 0;;) {
    const size_t length = std::min(kPieceBytes, utf8.size() - at);
    const bool last = length < kPieceBytes;
    if (XML_Parse(parser.get(), utf8.data() + at, static_cast<int>(length), last) !=
        XML_STATUS_OK) {
      well = false;
      break;
    }
    if (last) break;
    at += length;
  }
  if (context.fault) std::rethrow_exception(context.fault);
  if (!well) return XmlDocumentRead::kBroken;
  return context.builder.RootMatched() ? XmlDocumentRead::kRead : XmlDocumentRead::kOtherRoot;
}

}  // namespace lumora
