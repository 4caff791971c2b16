#include "platform/browser/PageContainer.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QImageReader>
#include <QPainter>
#include <QTextLayout>
#include <QUrl>
#include <algorithm>

#include "platform/browser/core/LinkTarget.h"
#include "platform/files/CaseInsensitivePath.h"
#include "platform/files/RegularFile.h"

namespace vantorel::browser {
namespace {

// Pictures beyond this many pixels are not decoded: a page cannot make us allocate gigabytes.
constexpr qint64 kMaxImagePixels = 40LL * 1000 * 1000;
constexpr qsizetype kCachedImages = 256;

QPainter* painterOf(litehtml::uint_ptr hdc) {
  return reinterpret_cast<QPainter*>(hdc);
}

QColor colourOf(const litehtml::web_color& c) {
  return QColor(c.red, c.green, c.blue, c.alpha);
}

QRect rectOf(const litehtml::position& p) {
  return QRect(p.x, p.y, p.width, p.height);
}

QString fromUtf8(const char* text) {
  return QString::fromUtf8(text ? text : "");
}

// "'Arial', Helvetica" or "Arial Greek" as font families; the script suffix of the old Windows
// faces names the same family.
QStringList familiesOf(const QString& faceName) {
  QStringList families;
  for (QString face : faceName.split(u',', Qt::SkipEmptyParts)) {
    face = face.trimmed();
    while (face.startsWith(u'\'') || face.startsWith(u'"')) face.remove(0, 1);
    while (face.endsWith(u'\'') || face.endsWith(u'"')) face.chop(1);
    for (const QString& script : {u" Greek"_qs, u" CE"_qs, u" Cyr"_qs}) {
      if (face.endsWith(script, Qt::CaseInsensitive)) face.chop(script.size());
    }
    face = face.trimmed();
    if (face.compare(u"sans-serif"_qs, Qt::CaseInsensitive) == 0) face = u"Arial"_qs;
    if (face.compare(u"serif"_qs, Qt::CaseInsensitive) == 0) face = u"Times New Roman"_qs;
    if (face.compare(u"monospace"_qs, Qt::CaseInsensitive) == 0) face = u"Courier New"_qs;
    if (!face.isEmpty()) families << face;
  }
  if (families.isEmpty()) families << u"Times New Roman"_qs;
  return families;
}

// Keeps the painter's state around one drawing call, clipped to the engine's clip boxes.
class Clipped {
 public:
  Clipped(QPainter* painter, const std::vector<QRect>& clips) : painter_(painter) {
    painter_->save();
    for (const QRect& clip : clips) painter_->setClipRect(clip, Qt::IntersectClip);
  }
  ~Clipped() { painter_->restore(); }
  Clipped(const Clipped&) = delete;
  Clipped& operator=(const Clipped&) = delete;

 private:
  QPainter* painter_;
};

// The path with its ASCII letters in lower case, as files are looked up ignoring case.
QString asciiLowered(QString path) {
  for (QChar& c : path) {
    if (c >= u'A' && c <= u'Z') c = QChar(c.unicode() - u'A' + u'a');
  }
  return path;
}

}  // namespace

PageContainer::PageContainer() : loadingThread_(std::this_thread::get_id()) {
  context_.load_master_stylesheet(defaultStyleSheet());
  notes_.canvasColour = [this](const litehtml::web_color& c) { canvasColour_ = colourOf(c); };
  notes_.embedded = [this](const std::shared_ptr<EmbeddedElement>& e) {
    if (std::this_thread::get_id() == loadingThread_) {
      embedded_.push_back(e);
    } else {
      const std::lock_guard lock(laterMutex_);
      laterEmbedded_.push_back(e);
    }
  };
  notes_.visited = [this](const char* href) {
    if (visited_.isEmpty()) return false;
    const LinkTarget target = resolveLink(href, QFile::encodeName(baseFolder_).toStdString());
    if (target.kind != LinkKind::Page) return false;
    const QString asked = cleanPath(QFile::decodeName(QByteArray::fromStdString(target.target)));
    // A file found ignoring case differs from the name asked for in the case of its letters only:
    // a link whose page is none of those shown, whatever their case, asks nothing of the disc.
    return visitedIgnoringCase_.contains(asciiLowered(asked)) && visited_.contains(resolvePath(asked));
  };
}

PageContainer::~PageContainer() = default;

void PageContainer::markVisited(const QString& path) {
  // A run is a lesson long; this many pages is far beyond one.
  constexpr qsizetype kMaxVisited = 100000;
  if (visited_.size() >= kMaxVisited) {
    visited_.clear();
    visitedIgnoringCase_.clear();
  }
  visited_.insert(path);
  visitedIgnoringCase_.insert(asciiLowered(path));
}

std::shared_ptr<litehtml::document> PageContainer::load(const std::string& utf8, const QString& baseFolder) {
  baseFolder_ = baseFolder;
  caption_.clear();
  canvasColour_.reset();
  embedded_.clear();
  clips_.clear();
  loadingThread_ = std::this_thread::get_id();
  std::shared_ptr<litehtml::document> doc = litehtml::document::createFromUTF8(utf8.c_str(), this, &context_);
  // The engine's other thread is done by now. Objects of elements it made and then threw away
  // (a page it could not cut after all) are gone, and are passed over.
  for (const std::weak_ptr<EmbeddedElement>& later : laterEmbedded_) {
    if (!later.expired()) embedded_.push_back(later);
  }
  laterEmbedded_.clear();
  return doc;
}

QString PageContainer::cleanPath(const QString& address) const {
  QString path = address.trimmed();
  if (path.startsWith(u"file://"_qs, Qt::CaseInsensitive)) path = QUrl(path).toLocalFile();
  path.replace(u'\\', u'/');
  if (path.isEmpty()) return {};
  if (QDir::isRelativePath(path)) path = baseFolder_ + path;
  return QDir::cleanPath(path);
}

QString PageContainer::resolvePath(const QString& address) const {
  const QString path = cleanPath(address);
  if (path.isEmpty()) return {};
  if (!QFileInfo::exists(path)) {
    if (const auto found = files::findIgnoringCase(QFile::encodeName(path).toStdString())) {
      return QFile::decodeName(QByteArray::fromStdString(*found));
    }
  }
  return path;
}

const QImage* PageContainer::image(const QString& address) {
  if (address.isEmpty() || (address.contains(u"://"_qs) && !address.startsWith(u"file://"_qs, Qt::CaseInsensitive))) {
    return nullptr;
  }
  const QString path = resolvePath(address);
  auto it = images_.find(path);
  if (it == images_.end()) {
    QImage picture;
    // Only regular files: a folder or a pipe named like a picture is no picture.
    if (files::openRegularFile(QFile::encodeName(path).toStdString())) {
      QImageReader reader(path);
      reader.setDecideFormatFromContent(true);
      const QSize size = reader.size();
      if (!size.isValid() || qint64(size.width()) * size.height() <= kMaxImagePixels) picture = reader.read();
    }
    // Navigations that allow the cache keep pictures; a long session must not keep them all.
    if (images_.size() >= kCachedImages) images_.clear();
    it = images_.insert(path, picture);
  }
  return it->isNull() ? nullptr : &*it;
}

namespace {

// Marks the handles of the fonts made for the engine's second thread.
constexpr litehtml::uint_ptr kSecondThreadFont = litehtml::uint_ptr(1) << 30;

template <typename Entry>
litehtml::uint_ptr store(std::vector<Entry>& table, Entry entry) {
  // Reuse a freed slot so that a long run of pages does not grow the table.
  for (size_t i = 0; i < table.size(); ++i) {
    if (!table[i]) {
      table[i] = std::move(entry);
      return i + 1;
    }
  }
  table.push_back(std::move(entry));
  return table.size();
}

}  // namespace

PageContainer::Font* PageContainer::fontOf(litehtml::uint_ptr handle) {
  const auto& table = (handle & kSecondThreadFont) != 0 ? secondFonts_ : fonts_;
  handle &= ~kSecondThreadFont;
  if (handle == 0 || handle > table.size()) return nullptr;
  return table[handle - 1].get();
}

std::shared_ptr<PageContainer::Font> PageContainer::faceOf(Faces& faces, const QFont& font) {
  // Pages use a handful of faces; a run that somehow asks for many starts the table afresh (the
  // pages shown keep theirs).
  constexpr qsizetype kMaxFaces = 256;
  const QString key = font.key();
  if (const auto it = faces.constFind(key); it != faces.constEnd()) return *it;
  if (faces.size() >= kMaxFaces) faces.clear();
  auto face = std::make_shared<Font>();
  face->font = font;
  face->metrics = QFontMetrics(font);
  face->ascent = face->metrics.ascent();
  face->numbers.ascent = face->ascent;
  face->numbers.descent = face->metrics.descent();
  face->numbers.height = face->metrics.height();
  face->numbers.x_height = face->metrics.xHeight();
  face->numbers.draw_spaces = font.underline() || font.strikeOut() || font.overline();
  faces.insert(key, face);
  return face;
}

litehtml::uint_ptr PageContainer::create_font(const litehtml::tchar_t* faceName, int size, int weight,
                                              litehtml::font_style italic, unsigned int decoration,
                                              litehtml::font_metrics* fm) {
  QFont font;
  font.setFamilies(familiesOf(fromUtf8(faceName)));
  font.setPixelSize(std::clamp(size * textZoom_ / 100, 1, 500));
  font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 100, 900)));
  font.setItalic(italic == litehtml::fontStyleItalic);
  font.setUnderline((decoration & litehtml::font_decoration_underline) != 0);
  font.setStrikeOut((decoration & litehtml::font_decoration_linethrough) != 0);
  font.setOverline((decoration & litehtml::font_decoration_overline) != 0);
  font.setStyleStrategy(QFont::PreferAntialias);
  if (std::this_thread::get_id() != loadingThread_) {
    std::shared_ptr<Font> entry = faceOf(secondFaces_, font);
    if (fm) *fm = entry->numbers;
    return store(secondFonts_, std::move(entry)) | kSecondThreadFont;
  }
  static Faces faces;  // every page's of the run
  std::shared_ptr<Font> entry = faceOf(faces, font);
  if (fm) *fm = entry->numbers;
  return store(fonts_, std::move(entry));
}

void PageContainer::delete_font(litehtml::uint_ptr hFont) {
  auto& table = (hFont & kSecondThreadFont) != 0 ? secondFonts_ : fonts_;
  hFont &= ~kSecondThreadFont;
  if (hFont != 0 && hFont <= table.size()) table[hFont - 1].reset();
}

int PageContainer::text_width(const litehtml::tchar_t* text, litehtml::uint_ptr hFont) {
  Font* f = fontOf(hFont);
  if (!f || !text) return 0;
  constexpr size_t kMaxRemembered = 50000;
  const std::string_view word(text);
  auto it = f->widths.find(word);
  if (it != f->widths.end()) return it->second;
  if (f->widths.size() >= kMaxRemembered) f->widths.clear();
  const int width = f->metrics.horizontalAdvance(fromUtf8(text));
  f->widths.emplace(word, width);
  return width;
}

void PageContainer::draw_text(litehtml::uint_ptr hdc, const litehtml::tchar_t* text, litehtml::uint_ptr hFont,
                              litehtml::web_color color, const litehtml::position& pos) {
  Font* f = fontOf(hFont);
  if (!f || !text) return;
  if (recorder_) recorder_->push_back(TextRun{fromUtf8(text), rectOf(pos), f->font});
  QPainter* painter = painterOf(hdc);
  if (!painter) return;
  // The words of a page come back on every paint: each is shaped once per face, and drawn in the
  // pen of the moment.
  constexpr size_t kMaxShaped = 20000;
  auto it = f->shaped.find(std::string_view(text));
  if (it == f->shaped.end()) {
    if (f->shaped.size() >= kMaxShaped) f->shaped.clear();
    QTextLayout layout(fromUtf8(text), f->font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    Shaped shaped;
    if (line.isValid()) {
      shaped.runs = layout.glyphRuns();
      // Glyph positions stand on the line's baseline; the page puts the face's baseline there.
      shaped.rise = f->ascent - qRound(line.ascent());
      shaped.width = line.naturalTextWidth();
      // The painter would place a glyph run's lines by the window rather than by the page: the
      // lines are drawn below, from the face's own measures.
      for (QGlyphRun& run : shaped.runs) {
        run.setUnderline(false);
        run.setStrikeOut(false);
        run.setOverline(false);
      }
    }
    it = f->shaped.emplace(text, std::move(shaped)).first;
  }
  std::optional<Clipped> clipped;
  if (!clips_.empty()) clipped.emplace(painter, clips_);
  painter->setPen(colourOf(color));
  const QPointF origin(pos.x, pos.y + it->second.rise);
  for (const QGlyphRun& run : it->second.runs) painter->drawGlyphRun(origin, run);
  const QFont& font = f->font;
  if (!font.underline() && !font.strikeOut() && !font.overline()) return;
  const QFontMetrics& m = f->metrics;
  const int baseline = pos.y + f->ascent;
  const int thickness = std::max(1, m.lineWidth());
  const QRectF along(pos.x, 0, it->second.width, thickness);
  if (font.underline()) painter->fillRect(along.translated(0, baseline + m.underlinePos()), colourOf(color));
  if (font.strikeOut()) painter->fillRect(along.translated(0, baseline - m.strikeOutPos()), colourOf(color));
  if (font.overline()) painter->fillRect(along.translated(0, baseline - m.overlinePos()), colourOf(color));
}

int PageContainer::pt_to_px(int pt) const {
  return pt * 96 / 72;
}

int PageContainer::get_default_font_size() const {
  return 16;
}

const litehtml::tchar_t* PageContainer::get_default_font_name() const {
  return "Times New Roman";
}

void PageContainer::draw_list_marker(litehtml::uint_ptr hdc, const litehtml::list_marker& marker) {
  QPainter* painter = painterOf(hdc);
  if (!painter) return;
  Clipped clipped(painter, clips_);
  painter->setRenderHint(QPainter::Antialiasing);
  const QRect box = rectOf(marker.pos);
  const QColor colour = colourOf(marker.color);
  switch (marker.marker_type) {
    case litehtml::list_style_type_circle:
      painter->setPen(colour);
      painter->setBrush(Qt::NoBrush);
      painter->drawEllipse(box.adjusted(0, 0, -1, -1));
      break;
    case litehtml::list_style_type_square: painter->fillRect(box, colour); break;
    case litehtml::list_style_type_none: break;
    case litehtml::list_style_type_disc:
      painter->setPen(Qt::NoPen);
      painter->setBrush(colour);
      painter->drawEllipse(box);
      break;
    default: {
      const Font* f = fontOf(marker.font);
      if (!f) break;
      painter->setFont(f->font);
      painter->setPen(colour);
      const QString number = QString::number(marker.index) + u'.';
      const int width = f->metrics.horizontalAdvance(number);
      painter->drawText(QPoint(box.right() - width, box.bottom()), number);
    }
  }
}

void PageContainer::load_image(const litehtml::tchar_t* src, const litehtml::tchar_t*, bool) {
  // The picture is read when its size is first asked for, on the loading thread, if not here.
  if (std::this_thread::get_id() == loadingThread_) (void)image(fromUtf8(src));
}

void PageContainer::get_image_size(const litehtml::tchar_t* src, const litehtml::tchar_t*, litehtml::size& sz) {
  const QImage* picture = image(fromUtf8(src));
  sz.width = picture ? picture->width() : 0;
  sz.height = picture ? picture->height() : 0;
}

void PageContainer::draw_background(litehtml::uint_ptr hdc, const litehtml::background_paint& bg) {
  QPainter* painter = painterOf(hdc);
  if (!painter) return;
  Clipped clipped(painter, clips_);
  const QRect clip = rectOf(bg.clip_box);
  painter->setClipRect(clip, Qt::IntersectClip);
  if (bg.color.alpha > 0) painter->fillRect(clip, colourOf(bg.color));
  if (bg.image.empty()) return;
  const QImage* picture = image(fromUtf8(bg.image.c_str()));
  if (!picture) return;
  QSize size(bg.image_size.width, bg.image_size.height);
  if (size.width() <= 0 || size.height() <= 0) size = picture->size();
  const QRect first(QPoint(bg.position_x, bg.position_y), size);
  if (bg.repeat == litehtml::background_repeat_no_repeat) {
    painter->drawImage(first, *picture);
    return;
  }
  // Tiles from the first one's grid that meet the clip box.
  const bool acrossX = bg.repeat != litehtml::background_repeat_repeat_y;
  const bool acrossY = bg.repeat != litehtml::background_repeat_repeat_x;
  auto firstStep = [](int origin, int low, int step) { return origin - ((origin - low + step - 1) / step) * step; };
  const int x0 = acrossX ? firstStep(first.left(), clip.left(), size.width()) : first.left();
  const int y0 = acrossY ? firstStep(first.top(), clip.top(), size.height()) : first.top();
  const QImage tile = size == picture->size() ? *picture : picture->scaled(size);
  for (int y = y0; y <= clip.bottom() && (acrossY || y == y0); y += size.height()) {
    for (int x = x0; x <= clip.right() && (acrossX || x == x0); x += size.width()) {
      painter->drawImage(QPoint(x, y), tile);
    }
  }
}

void PageContainer::draw_borders(litehtml::uint_ptr hdc, const litehtml::borders& borders,
                                 const litehtml::position& draw_pos, bool) {
  QPainter* painter = painterOf(hdc);
  if (!painter) return;
  Clipped clipped(painter, clips_);
  const QRect box = rectOf(draw_pos);
  // Sunken and raised styles shade the top-left and bottom-right sides apart.
  auto shade = [](const litehtml::border& b, bool topLeft) {
    QColor c = colourOf(b.color);
    const bool sunken = b.style == litehtml::border_style_inset || b.style == litehtml::border_style_groove;
    const bool raised = b.style == litehtml::border_style_outset || b.style == litehtml::border_style_ridge;
    if ((sunken && topLeft) || (raised && !topLeft)) c = c.darker(150);
    if ((sunken && !topLeft) || (raised && topLeft)) c = c.lighter(150);
    return c;
  };
  auto visible = [](const litehtml::border& b) {
    return b.width > 0 && b.style != litehtml::border_style_none && b.style != litehtml::border_style_hidden;
  };
  if (visible(borders.top)) {
    painter->fillRect(QRect(box.left(), box.top(), box.width(), borders.top.width), shade(borders.top, true));
  }
  if (visible(borders.bottom)) {
    painter->fillRect(QRect(box.left(), box.bottom() + 1 - borders.bottom.width, box.width(), borders.bottom.width),
                      shade(borders.bottom, false));
  }
  if (visible(borders.left)) {
    painter->fillRect(QRect(box.left(), box.top(), borders.left.width, box.height()), shade(borders.left, true));
  }
  if (visible(borders.right)) {
    painter->fillRect(QRect(box.right() + 1 - borders.right.width, box.top(), borders.right.width, box.height()),
                      shade(borders.right, false));
  }
}

void PageContainer::set_caption(const litehtml::tchar_t* caption) {
  caption_ = fromUtf8(caption);
}

void PageContainer::set_base_url(const litehtml::tchar_t*) {
  // Pages resolve against their own folder; a BASE element cannot send them elsewhere.
}

void PageContainer::link(const std::shared_ptr<litehtml::document>&, const litehtml::element::ptr&) {}

void PageContainer::on_anchor_click(const litehtml::tchar_t* url, const litehtml::element::ptr&) {
  if (onAnchorClick) onAnchorClick(url ? std::string(url) : std::string());
}

void PageContainer::set_cursor(const litehtml::tchar_t* cursor) {
  if (onCursor) onCursor(fromUtf8(cursor));
}

void PageContainer::transform_text(litehtml::tstring& text, litehtml::text_transform tt) {
  QString s = QString::fromStdString(text);
  if (tt == litehtml::text_transform_uppercase) s = s.toUpper();
  if (tt == litehtml::text_transform_lowercase) s = s.toLower();
  if (tt == litehtml::text_transform_capitalize && !s.isEmpty()) s[0] = s[0].toUpper();
  text = s.toStdString();
}

void PageContainer::import_css(litehtml::tstring& text, const litehtml::tstring& url, litehtml::tstring&) {
  text.clear();
  const QString path = resolvePath(QString::fromStdString(url));
  const files::FilePtr file = files::openRegularFile(QFile::encodeName(path).toStdString());
  if (!file) return;
  char buffer[8192];
  size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0 && text.size() < 1'000'000) text.append(buffer, n);
}

void PageContainer::set_clip(const litehtml::position& pos, const litehtml::border_radiuses&, bool, bool) {
  clips_.push_back(rectOf(pos));
}

void PageContainer::del_clip() {
  if (!clips_.empty()) clips_.pop_back();
}

void PageContainer::get_client_rect(litehtml::position& client) const {
  client = litehtml::position(0, 0, viewportWidth_, viewportHeight_);
}

std::shared_ptr<litehtml::element> PageContainer::create_element(const litehtml::tchar_t* tag_name,
                                                                 const litehtml::string_map&,
                                                                 const std::shared_ptr<litehtml::document>& doc) {
  return createHtml32Element(tag_name, doc, notes_);
}

void PageContainer::get_media_features(litehtml::media_features& media) const {
  media.type = litehtml::media_type_screen;
  media.width = viewportWidth_;
  media.height = viewportHeight_;
  media.device_width = viewportWidth_;
  media.device_height = viewportHeight_;
  media.color = 8;
  media.monochrome = 0;
  media.color_index = 256;
  media.resolution = 96;
}

void PageContainer::get_language(litehtml::tstring& language, litehtml::tstring& culture) const {
  language = "el";
  culture = "el-GR";
}

}  // namespace vantorel::browser
