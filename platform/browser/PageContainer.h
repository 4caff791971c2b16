#pragma once

#include <litehtml/litehtml.h>
#include <algorithm>

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QRect>
#include <QSet>
#include <QString>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <unordered_map>
#include <vector>

#include "platform/browser/Html32Elements.h"

class QPainter;

namespace vantorel::browser {

// A piece of text as the page drew it, in page coordinates.
struct TextRun {
  QString text;
  QRect rect;
  QFont font;  // the face it was drawn in, for finding the place of a character within it
};

// The layout engine's drawing and resource interface on QPainter: fonts through Qt, images through
// Qt's codecs (looked up ignoring letter case when the exact name is missing), backgrounds,
// borders, list markers and clipping. One container serves every page the browser shows; its
// image cache lives across pages until `clearImages`.
class PageContainer : public litehtml::document_container {
 public:
  PageContainer();
  ~PageContainer();
  PageContainer(const PageContainer&) = delete;
  PageContainer& operator=(const PageContainer&) = delete;

  // A laid-out document of `utf8` (already decoded) whose relative addresses resolve against
  // `baseFolder` (ending in '/'). Clears what the previous page reported.
  [[nodiscard]] std::shared_ptr<litehtml::document> load(const std::string& utf8, const QString& baseFolder);

  void clearImages() { images_.clear(); }
  // The page at `path` was shown: links to it are visited links from now on.
  void markVisited(const QString& path);
  // Text at `percent` of its size (50-300), for pages shown to a room; the next load uses it.
  void setTextZoom(int percent) { textZoom_ = std::clamp(percent, 50, 300); }
  [[nodiscard]] int textZoom() const { return textZoom_; }
  // The local file an address of the page names, looked up ignoring case when missing.
  [[nodiscard]] QString resolvePath(const QString& address) const;
  // That file's path as the address names it, without looking at the disc.
  [[nodiscard]] QString cleanPath(const QString& address) const;

  // Draws through `painter` (a null painter draws nothing); `runs`, when given, receives every
  // piece of text drawn.
  void setRecorder(std::vector<TextRun>* runs) { recorder_ = runs; }
  void setViewport(int width, int height) {
    viewportWidth_ = width;
    viewportHeight_ = height;
  }

  std::function<void(const std::string& href)> onAnchorClick;
  std::function<void(const QString& cursor)> onCursor;

  [[nodiscard]] const QString& caption() const { return caption_; }
  [[nodiscard]] std::optional<QColor> canvasColour() const { return canvasColour_; }
  [[nodiscard]] const std::vector<std::weak_ptr<EmbeddedElement>>& embedded() const { return embedded_; }

  // litehtml::document_container
  litehtml::uint_ptr create_font(const litehtml::tchar_t* faceName, int size, int weight, litehtml::font_style italic,
                                 unsigned int decoration, litehtml::font_metrics* fm) override;
  void delete_font(litehtml::uint_ptr hFont) override;
  int text_width(const litehtml::tchar_t* text, litehtml::uint_ptr hFont) override;
  void draw_text(litehtml::uint_ptr hdc, const litehtml::tchar_t* text, litehtml::uint_ptr hFont,
                 litehtml::web_color color, const litehtml::position& pos) override;
  int pt_to_px(int pt) const override;
  int get_default_font_size() const override;
  const litehtml::tchar_t* get_default_font_name() const override;
  void draw_list_marker(litehtml::uint_ptr hdc, const litehtml::list_marker& marker) override;
  void load_image(const litehtml::tchar_t* src, const litehtml::tchar_t* baseurl, bool redraw_on_ready) override;
  void get_image_size(const litehtml::tchar_t* src, const litehtml::tchar_t* baseurl, litehtml::size& sz) override;
  void draw_background(litehtml::uint_ptr hdc, const litehtml::background_paint& bg) override;
  void draw_borders(litehtml::uint_ptr hdc, const litehtml::borders& borders, const litehtml::position& draw_pos,
                    bool root) override;
  void set_caption(const litehtml::tchar_t* caption) override;
  void set_base_url(const litehtml::tchar_t* base_url) override;
  void link(const std::shared_ptr<litehtml::document>& doc, const litehtml::element::ptr& el) override;
  void on_anchor_click(const litehtml::tchar_t* url, const litehtml::element::ptr& el) override;
  void set_cursor(const litehtml::tchar_t* cursor) override;
  void transform_text(litehtml::tstring& text, litehtml::text_transform tt) override;
  void import_css(litehtml::tstring& text, const litehtml::tstring& url, litehtml::tstring& baseurl) override;
  void set_clip(const litehtml::position& pos, const litehtml::border_radiuses& bdr_radius, bool valid_x,
                bool valid_y) override;
  void del_clip() override;
  void get_client_rect(litehtml::position& client) const override;
  // This, create_font(), text_width(), load_image() and transform_text() are also called from the
  // engine's second thread for a long page, while the loading thread makes the rest of it. Of
  // the container, that thread touches only the list of embedded objects made off the loading
  // thread, under a lock, and the fonts of its own (see `secondFaces_`); and it reads the base
  // folder and the pages visited, which stay as they are while a page loads (a link's elements
  // ask whether it was visited as they take the style sheet there).
  std::shared_ptr<litehtml::element> create_element(const litehtml::tchar_t* tag_name,
                                                    const litehtml::string_map& attributes,
                                                    const std::shared_ptr<litehtml::document>& doc) override;
  void get_media_features(litehtml::media_features& media) const override;
  void get_language(litehtml::tstring& language, litehtml::tstring& culture) const override;

 private:
  // A face as pages ask for it, kept from page to page: a page's fonts are made once,
  // and the words measured and shaped in them stay measured and shaped for the next page.
  struct Shaped {
    QList<QGlyphRun> runs;
    int rise = 0;
    qreal width = 0;
  };
  // Words are looked up as they come from the engine, without making a string of each.
  struct WordHash {
    using is_transparent = void;
    size_t operator()(std::string_view word) const { return std::hash<std::string_view>{}(word); }
  };
  template <typename Value>
  using WordMap = std::unordered_map<std::string, Value, WordHash, std::equal_to<>>;
  struct Font {
    QFont font;
    QFontMetrics metrics{font};
    int ascent = 0;
    litehtml::font_metrics numbers;  // as the engine asks for them, worked out once
    WordMap<int> widths;
    WordMap<Shaped> shaped;
  };
  using Faces = QHash<QString, std::shared_ptr<Font>>;
  [[nodiscard]] Font* fontOf(litehtml::uint_ptr handle);
  [[nodiscard]] static std::shared_ptr<Font> faceOf(Faces& faces, const QFont& font);
  [[nodiscard]] const QImage* image(const QString& address);

  litehtml::context context_;
  Html32Notes notes_;
  std::vector<std::shared_ptr<Font>> fonts_;  // by handle - 1; null for a freed handle
  // The fonts the engine's second thread asks for while a page loads. Their faces are apart
  // from the loading thread's, which Qt does not let two threads use at once. They stay for the
  // next page's second thread, which then finds the words this one measured without asking Qt;
  // between loads, the pages shown draw with them on the loading thread. Their handles carry
  // `kSecondThreadFont`.
  Faces secondFaces_;
  std::vector<std::shared_ptr<Font>> secondFonts_;
  int textZoom_ = 100;
  QHash<QString, QImage> images_;  // by resolved path; a null image for one that does not load
  QString baseFolder_;
  QSet<QString> visited_;              // resolved paths of the pages shown
  QSet<QString> visitedIgnoringCase_;  // the same with their ASCII letters in lower case
  QString caption_;
  std::optional<QColor> canvasColour_;
  std::vector<std::weak_ptr<EmbeddedElement>> embedded_;
  // The engine makes the elements of the end of a long page on a thread of its own while it
  // parses the rest: their embedded objects come after all the others, once the page is made.
  std::thread::id loadingThread_;
  std::mutex laterMutex_;
  std::vector<std::weak_ptr<EmbeddedElement>> laterEmbedded_;
  std::vector<TextRun>* recorder_ = nullptr;
  int viewportWidth_ = 800;
  int viewportHeight_ = 600;
  std::vector<QRect> clips_;
};

}  // namespace vantorel::browser
