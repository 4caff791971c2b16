#pragma once

#include <litehtml/litehtml.h>

#include <functional>
#include <memory>

// Elements that give the layout engine the presentational attributes of HTML 3.2 pages (FONT FACE
// and SIZE, BODY colours and margins, CELLPADDING, IMG ALIGN/BORDER/HSPACE, HR SIZE/NOSHADE,
// upper-case ALIGN values, ...) as style properties, and the element that stands for an embedded
// object in the layout.
namespace vantorel::browser {

// An <OBJECT> or <EMBED>: an inline box of the page's WIDTH × HEIGHT that a child window covers.
class EmbeddedElement : public litehtml::html_tag {
 public:
  explicit EmbeddedElement(const std::shared_ptr<litehtml::document>& doc);
  void parse_attributes() override;
  // The size the page asks for (0 when it gives none).
  [[nodiscard]] int requestedWidth() const { return width_; }
  [[nodiscard]] int requestedHeight() const { return height_; }
  // Every attribute as the page wrote it, names in lower case.
  [[nodiscard]] const litehtml::string_map& attributes() const { return m_attrs; }

 private:
  int width_ = 0;
  int height_ = 0;
};

// What the elements tell their page while their attributes are read.
struct Html32Notes {
  std::function<void(const litehtml::web_color&)> canvasColour;  // BODY BGCOLOR
  // This and `visited` are also called from the engine's second thread while it makes and styles
  // the end of a long page.
  std::function<void(const std::shared_ptr<EmbeddedElement>&)> embedded;
  // Whether a link's address, as the page writes it, leads to a page shown before.
  std::function<bool(const char* href)> visited;
};

// The element for `tag` (lower case), or null where the engine's own element serves.
[[nodiscard]] std::shared_ptr<litehtml::element> createHtml32Element(const char* tag,
                                                                     const std::shared_ptr<litehtml::document>& doc,
                                                                     const Html32Notes& notes);

// Our default style sheet: the look of an HTML 3.2 page in a browser of its time.
[[nodiscard]] const char* defaultStyleSheet();

}  // namespace vantorel::browser
