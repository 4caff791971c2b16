// Writes what the engine makes of pages: every element's tag, box and text, the fonts asked for,
// and every call to draw, at two widths, with a container whose fonts are made-up metrics. Two
// builds of the engine given the same pages must write the same bytes (see compare.sh).
//   layout_dump LIST OUTPUT [EXTRA.css]
// LIST names one page per line: code page 1253 like the disc's pages, or UTF-8 when it ends in
// ".utf". The extra sheet is added after our default one.
#include <litehtml/litehtml.h>
#include <litehtml/el_text.h>
#include <iconv.h>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <set>
#include <sstream>
#include <string>
#include <vector>
#include "platform/browser/Html32Elements.h"

using namespace litehtml;
static std::string out;
// The fonts asked for and the texts transformed. The engine may ask on two threads at once while
// it makes a long page, each thread for the fonts it needs, in an order of its own: what is
// written is the set of fonts and the texts, sorted.
static std::mutex asked_mutex;
static std::set<std::string> fonts_asked;
static std::multiset<std::string> texts_transformed;

static void write_asked() {
  const std::lock_guard lock(asked_mutex);
  for (const auto& f : fonts_asked) out += f;
  for (const auto& t : texts_transformed) out += t;
  fonts_asked.clear();
  texts_transformed.clear();
}

struct Font { int size; int weight; int italic; unsigned deco; };

class Container : public document_container {
 public:
  vantorel::browser::Html32Notes notes;
  std::vector<Font*> fonts;
  uint_ptr create_font(const tchar_t* face, int size, int weight, font_style italic, unsigned int deco, font_metrics* fm) override {
    auto* f = new Font{size, weight, (int)italic, deco};
    fm->ascent = size * 4 / 5; fm->descent = size / 5; fm->height = size + size / 8; fm->x_height = size / 2;
    fm->draw_spaces = italic == fontStyleItalic || deco;
    const std::lock_guard lock(asked_mutex);
    fonts_asked.insert("font " + std::string(face) + " " + std::to_string(size) + " " + std::to_string(weight) + "\n");
    return (uint_ptr)f;
  }
  void delete_font(uint_ptr f) override { delete (Font*)f; }
  int text_width(const tchar_t* text, uint_ptr hf) override {
    auto* f = (Font*)hf; int n = 0;
    for (const unsigned char* p = (const unsigned char*)text; *p; ++p) if ((*p & 0xC0) != 0x80) n += (*p == ' ' ? 2 : 5) + (*p % 3);
    return n * f->size / 10 + (f->weight > 400 ? 1 : 0);
  }
  void draw_text(uint_ptr, const tchar_t* text, uint_ptr hf, web_color c, const position& p) override {
    char b[128]; snprintf(b, sizeof b, " %d,%d,%d,%d #%02x%02x%02x s%d\n", p.x, p.y, p.width, p.height, c.red, c.green, c.blue, ((Font*)hf)->size);
    out += "T "; out += text; out += b;
  }
  int pt_to_px(int pt) const override { return pt * 96 / 72; }
  int get_default_font_size() const override { return 16; }
  const tchar_t* get_default_font_name() const override { return "Times New Roman"; }
  void draw_list_marker(uint_ptr, const list_marker& m) override {
    char b[128]; snprintf(b, sizeof b, "M %d %d,%d,%d,%d\n", m.marker_type, m.pos.x, m.pos.y, m.pos.width, m.pos.height); out += b;
  }
  void load_image(const tchar_t*, const tchar_t*, bool) override {}
  void get_image_size(const tchar_t* src, const tchar_t*, size& sz) override { sz.width = 37; sz.height = 23; }
  void draw_background(uint_ptr, const background_paint& bg) override {
    char b[400]; snprintf(b, sizeof b, "B %d,%d,%d,%d #%02x%02x%02x%02x %s p%d,%d s%dx%d o%d,%d,%d,%d c%d,%d,%d,%d a%d r%d\n", bg.border_box.x, bg.border_box.y, bg.border_box.width, bg.border_box.height, bg.color.red, bg.color.green, bg.color.blue, bg.color.alpha, bg.image.c_str(), bg.position_x, bg.position_y, bg.image_size.width, bg.image_size.height, bg.origin_box.x, bg.origin_box.y, bg.origin_box.width, bg.origin_box.height, bg.clip_box.x, bg.clip_box.y, bg.clip_box.width, bg.clip_box.height, (int)bg.attachment, (int)bg.repeat); out += b;
  }
  void draw_borders(uint_ptr, const borders& bd, const position& p, bool root) override {
    char b[200]; snprintf(b, sizeof b, "D %d,%d,%d,%d %d/%d %d/%d %d/%d %d/%d %d\n", p.x, p.y, p.width, p.height, bd.left.width, bd.left.style, bd.top.width, bd.top.style, bd.right.width, bd.right.style, bd.bottom.width, bd.bottom.style, root); out += b;
  }
  void set_caption(const tchar_t* c) override { out += "caption "; out += c; out += "\n"; }
  void set_base_url(const tchar_t*) override {}
  void link(const std::shared_ptr<document>&, const element::ptr&) override {}
  void on_anchor_click(const tchar_t*, const element::ptr&) override {}
  void set_cursor(const tchar_t*) override {}
  void transform_text(tstring& t, text_transform tt) override {
    for (auto& ch : t) ch = tt == text_transform_uppercase ? toupper(ch) : ch;
    const std::lock_guard lock(asked_mutex);
    texts_transformed.insert("X " + t + "\n");
  }
  void import_css(tstring&, const tstring&, tstring&) override {}
  void set_clip(const position& p, const border_radiuses&, bool, bool) override { char b[100]; snprintf(b, sizeof b, "C %d,%d,%d,%d\n", p.x, p.y, p.width, p.height); out += b; }
  void del_clip() override { out += "c\n"; }
  void get_client_rect(position& c) const override { c = position(0, 0, 800, 600); }
  std::shared_ptr<element> create_element(const tchar_t* tag, const string_map&, const std::shared_ptr<document>& doc) override {
    return vantorel::browser::createHtml32Element(tag, doc, notes);
  }
  void get_media_features(media_features& m) const override { m.type = media_type_screen; m.width = m.device_width = 800; m.height = m.device_height = 600; m.color = 8; m.resolution = 96; }
  void get_language(tstring& l, tstring& c) const override { l = "el"; c = ""; }
};

static void dump(const element::ptr& el, int depth) {
  const position p = el->get_placement();
  char b[160]; snprintf(b, sizeof b, "%*s%s %d,%d,%d,%d d%d\n", depth, "", el->get_tagName(), p.x, p.y, p.width, p.height, (int)el->get_display());
  out += b;
  if (el->get_children_count() == 0) { std::string t; el->get_text(t); out += std::string(depth, ' ') + "'" + t + "'\n"; }
  for (int i = 0; i < (int)el->get_children_count(); ++i) dump(el->get_child(i), depth + 1);
}

static std::string decode(const std::string& in) {
  iconv_t cd = iconv_open("UTF-8", "CP1253");
  std::string res(in.size() * 4 + 16, '\0');
  char* ip = const_cast<char*>(in.data()); size_t il = in.size(); char* op = res.data(); size_t ol = res.size();
  while (il > 0) { if (iconv(cd, &ip, &il, &op, &ol) == (size_t)-1) { ++ip; --il; } }
  iconv_close(cd); res.resize(res.size() - ol); return res;
}

int main(int argc, char** argv) {
  if (argc < 3) {
    fprintf(stderr, "usage: layout_dump LIST OUTPUT [EXTRA.css]\n");
    return 2;
  }
  std::string extra;
  if (argc > 3) { std::ifstream e(argv[3]); std::stringstream ss; ss << e.rdbuf(); extra = ss.str(); }
  context ctx; ctx.load_master_stylesheet((std::string(vantorel::browser::defaultStyleSheet()) + extra).c_str());
  Container container;
  std::ifstream list(argv[1]); std::string path; FILE* o = fopen(argv[2], "w");
  if (!list || !o) { fprintf(stderr, "cannot open %s or %s\n", argv[1], argv[2]); return 1; }
  while (std::getline(list, path)) {
    std::ifstream f(path, std::ios::binary); std::stringstream ss; ss << f.rdbuf();
    const std::string html = path.size() > 4 && path.substr(path.size() - 4) == ".utf" ? ss.str() : decode(ss.str());
    out = "== " + path + "\n";
    auto doc = document::createFromUTF8(html.c_str(), &container, &ctx);
    write_asked();
    for (int w : {800, 300}) {
      doc->render(w);
      write_asked();
      out += "W " + std::to_string(w) + " " + std::to_string(doc->width()) + "x" + std::to_string(doc->height()) + "\n";
      if (doc->root()) dump(doc->root(), 0);
      position whole(0, 0, 2000, 1000000); doc->draw(0, 0, 0, &whole);
      position clip(0, 300, 800, 600); doc->draw(0, 0, 0, &clip);
      write_asked();
    }
    fwrite(out.data(), 1, out.size(), o);
  }
  fclose(o);
}
