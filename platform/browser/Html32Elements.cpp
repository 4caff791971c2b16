#include "platform/browser/Html32Elements.h"

#include <litehtml/document.h>
#include <litehtml/el_anchor.h>
#include <litehtml/el_body.h>
#include <litehtml/el_break.h>
#include <litehtml/el_div.h>
#include <litehtml/el_image.h>
#include <litehtml/el_para.h>
#include <litehtml/el_table.h>
#include <litehtml/el_td.h>
#include <litehtml/el_tr.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <utility>

#include "platform/browser/core/Html32.h"

namespace vantorel::browser {
namespace {

using litehtml::element;

void addProperty(litehtml::style& style, const char* name, const std::string& value, const element* el) {
  if (!value.empty()) style.add_property(name, value.c_str(), nullptr, false, el);
}

std::string attr(const element& el, const char* name) {
  const char* v = el.get_attr(name);
  return v ? std::string(v) : std::string();
}

// The nearest ancestor with tag `tag`.
std::shared_ptr<element> ancestor(const element& el, const char* tag) {
  for (std::shared_ptr<element> p = el.parent(); p; p = p->parent()) {
    const char* name = p->get_tagName();
    if (name && std::strcmp(name, tag) == 0) return p;
  }
  return nullptr;
}

int wholeNumber(const std::string& text) {
  const long n = std::strtol(text.c_str(), nullptr, 10);
  return static_cast<int>(std::clamp(n, 0L, 100000L));
}

// Replaces the ALIGN-like attributes by their lower-case forms, which the engine's own elements
// understand ("CENTER" means nothing to them).
void lowerAlignments(element& el) {
  for (const char* name : {"align", "valign"}) {
    const std::string value = attr(el, name);
    if (value.empty()) continue;
    const std::string fixed = html32::align(value);
    el.set_attr(name, fixed.c_str());
  }
}

class BodyElement : public litehtml::el_body {
 public:
  BodyElement(const std::shared_ptr<litehtml::document>& doc, const Html32Notes& notes) : el_body(doc), notes_(notes) {}
  void parse_attributes() override {
    const std::string bg = html32::colour(attr(*this, "bgcolor"));
    addProperty(m_style, "background-color", bg, this);
    if (!bg.empty() && notes_.canvasColour) notes_.canvasColour(litehtml::web_color::from_string(bg.c_str(), nullptr));
    addProperty(m_style, "color", html32::colour(attr(*this, "text")), this);
    const std::string background = attr(*this, "background");
    if (!background.empty() && background.find_first_of("'\"()") == std::string::npos) {
      addProperty(m_style, "background-image", "url('" + background + "')", this);
    }
    // LINK, VLINK and ALINK colour the page's links as a style sheet of the page's own, so that a
    // link takes its ALINK colour while it is pressed and its VLINK colour once visited.
    std::string links;
    for (const auto& [selector, name] : {std::pair{"a:link", "link"}, {"a:visited", "vlink"}, {"a:active", "alink"}}) {
      const std::string c = html32::colour(attr(*this, name));
      if (!c.empty()) links += std::string(selector) + " { color: " + c + "; }\n";
    }
    if (!links.empty()) {
      if (const auto doc = get_document()) doc->add_stylesheet(links.c_str(), "", "");
    }
    for (const char* name : {"leftmargin", "marginwidth"}) {
      const std::string v = html32::length(attr(*this, name));
      addProperty(m_style, "margin-left", v, this);
      addProperty(m_style, "margin-right", v, this);
    }
    for (const char* name : {"topmargin", "marginheight"}) {
      const std::string v = html32::length(attr(*this, name));
      addProperty(m_style, "margin-top", v, this);
      addProperty(m_style, "margin-bottom", v, this);
    }
    el_body::parse_attributes();
  }

 private:
  const Html32Notes& notes_;
};

class FontElement : public litehtml::html_tag {
 public:
  using html_tag::html_tag;
  void parse_attributes() override {
    addProperty(m_style, "color", html32::colour(attr(*this, "color")), this);
    addProperty(m_style, "font-family", html32::fontFamily(attr(*this, "face")), this);
    addProperty(m_style, "font-size", html32::fontSize(attr(*this, "size")), this);
    html_tag::parse_attributes();
  }
};

class AnchorElement : public litehtml::el_anchor {
 public:
  AnchorElement(const std::shared_ptr<litehtml::document>& doc, const Html32Notes& notes)
      : el_anchor(doc), notes_(notes) {}
  void apply_stylesheet(const litehtml::css& stylesheet) override {
    // A link to a page already seen this run is a visited link, not a plain one.
    const char* href = get_attr("href");
    if (href && notes_.visited && notes_.visited(href)) {
      if (std::find(m_pseudo_classes.begin(), m_pseudo_classes.end(), "visited") == m_pseudo_classes.end()) {
        m_pseudo_classes.emplace_back("visited");
      }
      html_tag::apply_stylesheet(stylesheet);
      return;
    }
    el_anchor::apply_stylesheet(stylesheet);
  }

 private:
  const Html32Notes& notes_;
};

class TableElement : public litehtml::el_table {
 public:
  using el_table::el_table;
  void parse_attributes() override {
    lowerAlignments(*this);
    if (get_attr("width")) set_attr("width", html32::length(attr(*this, "width")).c_str());
    el_table::parse_attributes();
    // A table aligned left or right stands at that side with the text flowing around it.
    const std::string align = attr(*this, "align");
    if (align == "left" || align == "right") addProperty(m_style, "float", align, this);
    const std::string border = attr(*this, "border");
    if (get_attr("border")) {
      const int n = border.empty() ? 1 : wholeNumber(border);
      addProperty(m_style, "border-width", std::to_string(n) + "px", this);
      addProperty(m_style, "border-style", n > 0 ? "outset" : "none", this);
    }
    addProperty(m_style, "background-color", html32::colour(attr(*this, "bgcolor")), this);
    const std::string spacing = html32::length(attr(*this, "cellspacing"));
    addProperty(m_style, "border-spacing", spacing.empty() ? std::string() : spacing + " " + spacing, this);
  }
};

class RowElement : public litehtml::el_tr {
 public:
  using el_tr::el_tr;
  void parse_attributes() override {
    lowerAlignments(*this);
    el_tr::parse_attributes();
    addProperty(m_style, "background-color", html32::colour(attr(*this, "bgcolor")), this);
  }
};

class CellElement : public litehtml::el_td {
 public:
  using el_td::el_td;
  void parse_attributes() override {
    lowerAlignments(*this);
    const std::string width = html32::length(attr(*this, "width"));
    if (get_attr("width")) set_attr("width", width.c_str());
    el_td::parse_attributes();
    addProperty(m_style, "background-color", html32::colour(attr(*this, "bgcolor")), this);
    addProperty(m_style, "height", html32::length(attr(*this, "height")), this);
    if (get_attr("nowrap")) addProperty(m_style, "white-space", "nowrap", this);
    if (const auto table = ancestor(*this, "table")) {
      const std::string padding = html32::length(attr(*table, "cellpadding"));
      addProperty(m_style, "padding", padding, this);
      if (table->get_attr("border") && wholeNumber(attr(*table, "border")) > 0) {
        addProperty(m_style, "border", "1px inset #808080", this);
      }
    }
  }
};

class ImageElement : public litehtml::el_image {
 public:
  using el_image::el_image;
  void parse_attributes() override {
    for (const char* name : {"width", "height"}) {
      if (!get_attr(name)) continue;
      const std::string v = html32::length(attr(*this, name));
      set_attr(name, v.c_str());
    }
    el_image::parse_attributes();
    const std::string align = html32::align(attr(*this, "align"));
    if (align == "left" || align == "right") {
      addProperty(m_style, "float", align, this);
    } else if (!align.empty() && align != "center" && align != "justify") {
      addProperty(m_style, "vertical-align", align, this);
    }
    if (get_attr("border")) {
      const std::string border = html32::length(attr(*this, "border"));
      addProperty(m_style, "border-width", border, this);
      addProperty(m_style, "border-style", "solid", this);
    }
    const std::string hspace = html32::length(attr(*this, "hspace"));
    addProperty(m_style, "margin-left", hspace, this);
    addProperty(m_style, "margin-right", hspace, this);
    const std::string vspace = html32::length(attr(*this, "vspace"));
    addProperty(m_style, "margin-top", vspace, this);
    addProperty(m_style, "margin-bottom", vspace, this);
  }
};

class RuleElement : public litehtml::html_tag {
 public:
  using html_tag::html_tag;
  void parse_attributes() override {
    // The rule is drawn by its top and bottom borders: an empty block has no height of its own.
    const int size = get_attr("size") ? std::clamp(wholeNumber(attr(*this, "size")), 1, 100) : 2;
    addProperty(m_style, "border-style", "none", this);
    addProperty(m_style, "border-top-style", "solid", this);
    if (get_attr("noshade")) {
      addProperty(m_style, "border-top-width", std::to_string(size) + "px", this);
      addProperty(m_style, "border-top-color", "#808080", this);
    } else {
      addProperty(m_style, "border-top-width", std::to_string(std::max(1, size - 1)) + "px", this);
      addProperty(m_style, "border-top-color", "#a0a0a0", this);
      addProperty(m_style, "border-bottom-style", "solid", this);
      addProperty(m_style, "border-bottom-width", "1px", this);
      addProperty(m_style, "border-bottom-color", "#ffffff", this);
    }
    addProperty(m_style, "width", html32::length(attr(*this, "width")), this);
    const std::string align = html32::align(attr(*this, "align"));
    if (align == "left") addProperty(m_style, "margin-left", "0", this);
    if (align == "right") addProperty(m_style, "margin-right", "0", this);
    html_tag::parse_attributes();
  }
};

class DivElement : public litehtml::el_div {
 public:
  using el_div::el_div;
  void parse_attributes() override {
    lowerAlignments(*this);
    el_div::parse_attributes();
  }
};

class ParaElement : public litehtml::el_para {
 public:
  using el_para::el_para;
  void parse_attributes() override {
    lowerAlignments(*this);
    el_para::parse_attributes();
  }
};

class BreakElement : public litehtml::el_break {
 public:
  using el_break::el_break;
  void parse_attributes() override {
    std::string clear = attr(*this, "clear");
    std::transform(clear.begin(), clear.end(), clear.begin(), [](unsigned char c) { return std::tolower(c); });
    if (clear == "all") clear = "both";
    if (clear == "left" || clear == "right" || clear == "both") addProperty(m_style, "clear", clear, this);
    el_break::parse_attributes();
  }
};

// Headings, table captions and the like take ALIGN too.
class AlignedElement : public litehtml::html_tag {
 public:
  using html_tag::html_tag;
  void parse_attributes() override {
    const std::string align = html32::align(attr(*this, "align"));
    if (align == "left" || align == "center" || align == "right" || align == "justify") {
      addProperty(m_style, "text-align", align, this);
    }
    html_tag::parse_attributes();
  }
};

// What the attributes of a FONT, a table, a row or a cell give: style properties, and the
// attributes rewritten (ALIGN in lower case, WIDTH in pixels). A page repeats the same few of
// them hundreds of times, and they depend on the attributes alone (and, for a cell, on its
// table's CELLPADDING and BORDER), so each is worked out once and kept, per thread.
struct AttributeStyle {
  litehtml::style style;
  litehtml::string_map attributes;
};

class AttributeStyles {
 public:
  static AttributeStyles& ofThisThread() {
    thread_local AttributeStyles styles;
    return styles;
  }
  [[nodiscard]] const AttributeStyle* find(const std::string& key) const {
    const auto found = kept_.find(key);
    return found == kept_.end() ? nullptr : &found->second;
  }
  void keep(std::string key, AttributeStyle made) {
    if (kept_.size() >= kMaxKept) kept_.clear();
    kept_.emplace(std::move(key), std::move(made));
  }

 private:
  static constexpr size_t kMaxKept = 1024;
  std::unordered_map<std::string, AttributeStyle> kept_;
};

template <typename Element>
constexpr bool kKeepsAttributeStyle = std::is_same_v<Element, FontElement> || std::is_same_v<Element, TableElement> ||
                                      std::is_same_v<Element, RowElement> || std::is_same_v<Element, CellElement>;

void appendCounted(std::string& key, std::string_view text) {
  key += std::to_string(text.size());
  key += ':';
  key += text;
}

// The element's tag and attributes (and its table's, for a cell), or "" where a value could make
// the style depend on more than that (a CSS variable).
std::string attributeKey(const litehtml::html_tag& el, const litehtml::string_map& attributes) {
  std::string key;
  appendCounted(key, el.get_tagName() ? el.get_tagName() : "");
  for (const auto& [name, value] : attributes) {
    if (value.find("var(") != std::string::npos) return {};
    appendCounted(key, name);
    appendCounted(key, value);
  }
  if (const char* tag = el.get_tagName(); tag && (std::strcmp(tag, "td") == 0 || std::strcmp(tag, "th") == 0)) {
    const auto table = ancestor(el, "table");
    for (const char* name : {"cellpadding", "border"}) {
      const char* value = table ? table->get_attr(name) : nullptr;
      key += value ? '+' : '-';
      appendCounted(key, value ? value : "");
    }
  }
  return key;
}

// The engine builds an element's style anew from the style sheets whenever a link below it is
// pressed, let go or visited, and so would forget what the element's attributes gave it (a FONT's
// size and face inside a link, an IMG's border): the attributes' part is kept aside and laid over
// the sheets' rules again.
template <typename Base>
class KeepsAttributeStyle : public Base {
 public:
  using Base::Base;
  void parse_attributes() override {
    litehtml::style sheets = std::move(this->m_style);
    this->m_style.clear();
    std::string key;
    if constexpr (kKeepsAttributeStyle<Base>) key = attributeKey(*this, this->m_attrs);
    AttributeStyles& kept = AttributeStyles::ofThisThread();
    if (const AttributeStyle* known = key.empty() ? nullptr : kept.find(key)) {
      this->m_attrs = known->attributes;
      attributes_ = known->style;
      this->html_tag::parse_attributes();  // the children's
    } else {
      Base::parse_attributes();
      attributes_ = std::move(this->m_style);
      if (!key.empty()) kept.keep(std::move(key), {attributes_, this->m_attrs});
    }
    this->m_style = std::move(sheets);
    this->m_style.combine(attributes_);
  }
  void refresh_styles() override {
    Base::refresh_styles();
    this->m_style.combine(attributes_);
  }

 private:
  litehtml::style attributes_;
};

template <typename Element, typename... Args>
std::shared_ptr<Element> make(Args&&... args) {
  return std::make_shared<KeepsAttributeStyle<Element>>(std::forward<Args>(args)...);
}

}  // namespace

EmbeddedElement::EmbeddedElement(const std::shared_ptr<litehtml::document>& doc) : html_tag(doc) {}

void EmbeddedElement::parse_attributes() {
  width_ = get_attr("width") ? wholeNumber(attr(*this, "width")) : 0;
  height_ = get_attr("height") ? wholeNumber(attr(*this, "height")) : 0;
  // Plug-in windows are real windows; a page asking for a giant one gets a large but sane one.
  width_ = std::min(width_, 4000);
  height_ = std::min(height_, 4000);
  addProperty(m_style, "width", std::to_string(width_) + "px", this);
  addProperty(m_style, "height", std::to_string(height_) + "px", this);
  const std::string align = html32::align(attr(*this, "align"));
  if (align == "left" || align == "right") addProperty(m_style, "float", align, this);
  html_tag::parse_attributes();
}

std::shared_ptr<element> createHtml32Element(const char* tag, const std::shared_ptr<litehtml::document>& doc,
                                             const Html32Notes& notes) {
  enum class Kind { Body, Font, Anchor, Table, Row, Cell, Image, Break, Rule, Div, Para, Aligned, Embedded };
  // Asked once per element of a page, most often for tags that are none of these.
  static const std::unordered_map<std::string_view, Kind> kinds{
      {"body", Kind::Body},       {"font", Kind::Font},  {"a", Kind::Anchor},        {"table", Kind::Table},
      {"tr", Kind::Row},          {"td", Kind::Cell},    {"th", Kind::Cell},         {"img", Kind::Image},
      {"br", Kind::Break},        {"hr", Kind::Rule},    {"div", Kind::Div},         {"p", Kind::Para},
      {"h1", Kind::Aligned},      {"h2", Kind::Aligned}, {"h3", Kind::Aligned},      {"h4", Kind::Aligned},
      {"h5", Kind::Aligned},      {"h6", Kind::Aligned}, {"caption", Kind::Aligned}, {"embed", Kind::Embedded},
      {"object", Kind::Embedded},
  };
  const auto kind = kinds.find(tag ? std::string_view(tag) : std::string_view());
  if (kind == kinds.end()) return nullptr;
  switch (kind->second) {
    case Kind::Body: return make<BodyElement>(doc, notes);
    case Kind::Font: return make<FontElement>(doc);
    case Kind::Anchor: return make<AnchorElement>(doc, notes);
    case Kind::Table: return make<TableElement>(doc);
    case Kind::Row: return make<RowElement>(doc);
    case Kind::Cell: return make<CellElement>(doc);
    case Kind::Image: return make<ImageElement>(doc);
    case Kind::Break: return make<BreakElement>(doc);
    case Kind::Rule: return make<RuleElement>(doc);
    case Kind::Div: return make<DivElement>(doc);
    case Kind::Para: return make<ParaElement>(doc);
    case Kind::Aligned: return make<AlignedElement>(doc);
    case Kind::Embedded: {
      auto embedded = make<EmbeddedElement>(doc);
      if (notes.embedded) notes.embedded(embedded);
      return embedded;
    }
  }
  return nullptr;
}

const char* defaultStyleSheet() {
  return R"CSS(
html { display: block; position: relative; }
head, meta, title, link, style, script, param, noembed, noscript { display: none; }
body { display: block; margin: 15px 10px; font-family: 'Times New Roman'; font-size: 16px; color: #000000; }
p { display: block; margin-top: 1em; margin-bottom: 1em; }
div, center, address, blockquote, form, dl, dt, dd, pre, listing, xmp, ul, ol, h1, h2, h3, h4, h5, h6 { display: block; }
center { text-align: center; }
address, i, em, cite, var, dfn { font-style: italic; }
b, strong, th { font-weight: bold; }
u, ins { text-decoration: underline; }
s, strike, del { text-decoration: line-through; }
tt, code, kbd, samp, pre, listing, xmp { font-family: 'Courier New'; }
pre, listing, xmp { white-space: pre; margin-top: 1em; margin-bottom: 1em; }
big { font-size: larger; }
small { font-size: smaller; }
sub { position: relative; top: 0.3em; font-size: smaller; }
sup { position: relative; top: -0.4em; font-size: smaller; }
nobr { white-space: nowrap; }
h1 { font-size: 32px; font-weight: bold; margin: 0.67em 0; }
h2 { font-size: 24px; font-weight: bold; margin: 0.83em 0; }
h3 { font-size: 19px; font-weight: bold; margin: 1em 0; }
h4 { font-size: 16px; font-weight: bold; margin: 1.33em 0; }
h5 { font-size: 13px; font-weight: bold; margin: 1.67em 0; }
h6 { font-size: 11px; font-weight: bold; margin: 2.33em 0; }
blockquote { margin: 1em 40px; }
ul, ol { margin-top: 1em; margin-bottom: 1em; padding-left: 40px; }
ul ul, ol ol, ul ol, ol ul { margin-top: 0; margin-bottom: 0; }
ul { list-style-type: disc; }
ol { list-style-type: decimal; }
ul ul { list-style-type: circle; }
li { display: list-item; }
dd { margin-left: 40px; }
a:link, a:visited { text-decoration: underline; color: #0000ff; cursor: pointer; }
a:visited { color: #800080; }
img { display: inline-block; }
embed, object { display: inline-block; }
hr { display: block; margin: 8px auto; }
table { display: table; border-collapse: separate; border-spacing: 2px; font-size: 16px; font-weight: normal; font-style: normal; text-align: left; }
thead { display: table-header-group; vertical-align: middle; }
tbody { display: table-row-group; vertical-align: middle; }
tfoot { display: table-footer-group; vertical-align: middle; }
tr { display: table-row; vertical-align: inherit; }
td, th { display: table-cell; vertical-align: inherit; padding: 1px; }
th { text-align: center; }
caption { display: table-caption; text-align: center; }
br { display: block; }
)CSS";
}

}  // namespace vantorel::browser
