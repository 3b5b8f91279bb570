#pragma once
// An XML document read one piece at a time: expat parses it, and each element
// directly under the root is handed over whole, as a small tree of its own,
// then dropped. Memory follows the largest such element, not the document: a
// session file of thousands of games holds one game at a time.
//
// The trees keep what the readers look at the way wxWidgets' XML documents,
// which the readers were first written on, keep it, so that a file reads the
// same as it did with them:
//  - an element's text is its first text node: a run of character data, or a
//    CDATA section, up to the next child element, comment, processing
//    instruction or CDATA edge;
//  - a text node does not start with a piece of character data that is blank
//    (spaces, tabs, line breaks) as the parser reports it: the parser reports
//    each line break, each entity and what falls on either side of the
//    1024-byte pieces the document is fed in apart, so "\n  Bob" reads
//    "  Bob" and a text made only of blanks is none.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

/// The elements of one tree, in document order; element 0 is its top.
struct XmlTree {
  struct Node {
    size_t nameAt = 0;
    size_t nameLength = 0;
    size_t firstAttribute = 0;
    size_t attributeCount = 0;
    size_t textAt = 0;
    size_t textLength = 0;
    bool hasText = false;  ///< has a text node (perhaps an empty CDATA section)
    int line = 0;
    int32_t firstChild = -1;
    int32_t lastChild = -1;
    int32_t next = -1;  ///< the next sibling
  };
  struct Attribute {
    size_t nameAt = 0;
    size_t nameLength = 0;
    size_t valueAt = 0;
    size_t valueLength = 0;
  };

  std::vector<Node> nodes;
  std::vector<Attribute> attributes;
  std::string names;    ///< element and attribute names, UTF-8
  std::wstring values;  ///< attribute values and texts

  /// Empties the tree and keeps its storage for the next one.
  void Clear();
};

class XmlChildren;

/// One element of an XmlTree; a handle valid while the tree is unchanged.
class XmlElement {
 public:
  XmlElement(const XmlTree& tree, int32_t index) : m_tree(&tree), m_index(index) {}

  /// The name as written, UTF-8.
  std::string_view Name() const;
  /// The value of attribute `name`; empty when the element has none.
  std::wstring_view Attribute(std::string_view name) const;
  /// The element's text (see the top of this file); empty when it has none.
  std::wstring_view Text() const;
  /// The document's line its start tag is on, from 1.
  int Line() const { return Node().line; }
  /// The child elements, in document order.
  XmlChildren Children() const;

 private:
  const XmlTree::Node& Node() const { return m_tree->nodes[static_cast<size_t>(m_index)]; }

  const XmlTree* m_tree;
  int32_t m_index;
};

/// A range over sibling elements, for range-for.
class XmlChildren {
 public:
  class Iterator {
   public:
    Iterator(const XmlTree& tree, int32_t index) : m_tree(&tree), m_index(index) {}
    XmlElement operator*() const { return XmlElement(*m_tree, m_index); }
    Iterator& operator++() {
      m_index = m_tree->nodes[static_cast<size_t>(m_index)].next;
      return *this;
    }
    bool operator!=(const Iterator& other) const { return m_index != other.m_index; }

   private:
    const XmlTree* m_tree;
    int32_t m_index;
  };

  XmlChildren(const XmlTree& tree, int32_t first) : m_tree(&tree), m_first(first) {}
  Iterator begin() const { return Iterator(*m_tree, m_first); }
  Iterator end() const { return Iterator(*m_tree, -1); }

 private:
  const XmlTree* m_tree;
  int32_t m_first;
};

/// How a document read by ReadRootChildren turned out.
enum class XmlDocumentRead {
  kBroken,     ///< not well-formed: disregard what was handed over
  kOtherRoot,  ///< well-formed, its root not the one asked for: nothing handed over
  kRead,       ///< well-formed, every child of the root handed over (or declined)
};

/// Parses the XML document `utf8` and, when its root element is named
/// `rootName`, hands each child element of the root to `child` as soon as it
/// ends, whole, with its line numbers counted from the document's start.
/// `child` returns false to be handed no more: the rest is then only checked
/// for being well-formed. Which children were handed over before a fault
/// further on shows only at the end: kBroken.
XmlDocumentRead ReadRootChildren(std::string_view utf8, std::string_view rootName,
                                 const std::function<bool(const XmlElement&)>& child);

}  // namespace lumora
