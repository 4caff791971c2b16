// A page's parse written out as text, to compare the tree of a page parsed in two pieces with the
// tree of the same page parsed whole. It writes what the layout engine reads of a node: its kind,
// tag, namespace, attributes and text.
#pragma once

#include <gumbo.h>
#include <litehtml/parsed_html.h>

#include <string>

namespace vantorel::browser::test {

inline void writeTree(const GumboNode* node, const litehtml::parsed_html* continued, std::string& out) {
  switch (node->type) {
    case GUMBO_NODE_ELEMENT:
    case GUMBO_NODE_TEMPLATE: {
      const GumboElement& el = node->v.element;
      out += '<';
      if (el.tag == GUMBO_TAG_UNKNOWN) {
        GumboStringPiece name = el.original_tag;
        gumbo_tag_from_original_text(&name);
        out.append(name.data ? name.data : "", name.data ? name.length : 0);
      } else {
        out += gumbo_normalized_tagname(el.tag);
      }
      out += ' ' + std::to_string(el.tag_namespace);
      for (unsigned i = 0; i < el.attributes.length; ++i) {
        const auto* a = static_cast<const GumboAttribute*>(el.attributes.data[i]);
        out += ' ';
        out += a->name;
        out += "=\"";
        out += a->value;
        out += '"';
      }
      out += node->type == GUMBO_NODE_TEMPLATE ? " template>" : ">";
      for (unsigned i = 0; i < el.children.length; ++i) {
        writeTree(static_cast<const GumboNode*>(el.children.data[i]), continued, out);
      }
      if (continued && el.tag == GUMBO_TAG_BODY && node->parent == continued->root()) {
        for (const GumboNode* more : continued->continuation()) writeTree(more, nullptr, out);
      }
      out += "</>";
      break;
    }
    case GUMBO_NODE_DOCUMENT: break;
    default: out += "[" + std::to_string(node->type) + ":" + node->v.text.text + "]"; break;
  }
}

// The tree of the page as parsed: for a page parsed in two pieces, the first piece's tree with
// the second's nodes after the last child of its body.
inline std::string treeOf(const litehtml::parsed_html& parsed) {
  std::string out;
  writeTree(parsed.root(), parsed.split() ? &parsed : nullptr, out);
  return out;
}

}  // namespace vantorel::browser::test
