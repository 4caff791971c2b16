#include "dravix/core/ExportText.h"

#include <array>
#include <cstring>

#include "platform/codepage/Cp1253.h"

namespace vantorel::dravix {
namespace {

// What one byte of a value becomes in the output: up to six bytes (an entity, or a Greek letter
// in UTF-8). Each entry is stored with a little room so that it is copied as one 8-byte move.
struct Encoded {
  char bytes[8] = {};
  uint32_t size = 0;
};
using Encoding = std::array<Encoded, 256>;

Encoded literal(std::string_view text) {
  Encoded e;
  std::memcpy(e.bytes, text.data(), text.size());
  e.size = static_cast<uint32_t>(text.size());
  return e;
}

Encoded utf8Of(unsigned char byte) {
  const char32_t u = codepage::toUnicode(byte);  // always in the Basic Multilingual Plane
  Encoded e;
  if (u < 0x80) {
    e.bytes[0] = static_cast<char>(u);
    e.size = 1;
  } else if (u < 0x800) {
    e.bytes[0] = static_cast<char>(0xC0 | (u >> 6));
    e.bytes[1] = static_cast<char>(0x80 | (u & 0x3F));
    e.size = 2;
  } else {
    e.bytes[0] = static_cast<char>(0xE0 | (u >> 12));
    e.bytes[1] = static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    e.bytes[2] = static_cast<char>(0x80 | (u & 0x3F));
    e.size = 3;
  }
  return e;
}

Encoding makeEncoding(bool html, TextEncoding encoding) {
  Encoding table;
  for (size_t b = 0; b < table.size(); ++b) {
    const auto byte = static_cast<unsigned char>(b);
    table[b] = encoding == TextEncoding::Utf8 ? utf8Of(byte)
                                              : literal(std::string_view(reinterpret_cast<const char*>(&byte), 1));
  }
  if (html) {
    table['<'] = literal("&lt;");
    table['>'] = literal("&gt;");
    table['&'] = literal("&amp;");
    table['"'] = literal("&quot;");
  } else {
    table['"'] = literal("\"\"");
  }
  return table;
}

const Encoding& encodingFor(bool html, TextEncoding encoding) {
  static const Encoding tables[4] = {
      makeEncoding(false, TextEncoding::CodePage), makeEncoding(false, TextEncoding::Utf8),
      makeEncoding(true, TextEncoding::CodePage), makeEncoding(true, TextEncoding::Utf8)};
  return tables[(html ? 2 : 0) + (encoding == TextEncoding::Utf8 ? 1 : 0)];
}

// The whole text is built in one buffer, sized from the columns up front and grown only if the
// values need more (quotes and Greek letters take more than one byte each).
class Output {
 public:
  explicit Output(size_t estimate) : text_(estimate, '\0') {}

  // Room for `n` bytes at the end; write there, then call `done` with the new end.
  char* room(size_t n) {
    if (text_.size() - used_ < n) text_.resize(std::max(text_.size() * 2, used_ + n));
    return text_.data() + used_;
  }
  void done(const char* end) { used_ = static_cast<size_t>(end - text_.data()); }
  void append(std::string_view s) { done(put(room(s.size()), s)); }

  static char* put(char* at, std::string_view s) {
    if (!s.empty()) std::memcpy(at, s.data(), s.size());  // an empty view may hold no pointer
    return at + s.size();
  }

  std::string take() {
    text_.resize(used_);
    return std::move(text_);
  }

 private:
  std::string text_;
  size_t used_ = 0;
};

// How cells and lines are marked: the delimited text or the HTML table.
struct Marks {
  std::string_view lineStart, cellStart, cellBetween, cellEnd, lineEnd;
};

// Writes every cell in output order. Rows are read in display order, which jumps about the
// columns; each column's record start and then its text are asked into the cache some rows
// ahead, so that the copy seldom waits for memory.
class Writer {
 public:
  Writer(const GridTextRequest& r, const Marks& marks, bool html)
      : r_(r), rows_(*r.rows), marks_(marks), table_(encodingFor(html, r.encoding)), out_(estimate(r, html)) {
    out_.append(r.lead);
  }

  std::string run() {
    if (r_.onlyRows) {
      std::vector<uint32_t> lines;
      lines.reserve(r_.onlyRows->size());
      for (int row : *r_.onlyRows)
        if (row >= 0 && static_cast<size_t>(row) < rows_.rowCount()) lines.push_back(static_cast<uint32_t>(row));
      writeLines(lines);
    } else {
      if (!rows_.transposed() && r_.captions && !r_.captions->empty()) {
        lineStart();
        for (size_t i = 0; i < rows_.cellCount(); ++i) cell(captionOf(i), i == 0);
        lineEnd();
      }
      std::vector<uint32_t> lines(rows_.rowCount());
      for (size_t i = 0; i < lines.size(); ++i) lines[i] = static_cast<uint32_t>(i);
      writeLines(lines);
    }
    out_.append(r_.tail);
    return out_.take();
  }

 private:
  static constexpr size_t kStartsAhead = 16;  // rows ahead whose record starts are fetched
  static constexpr size_t kTextAhead = 8;     // rows ahead whose texts are fetched

  static size_t estimate(const GridTextRequest& r, bool html) {
    const GridRows& rows = *r.rows;
    size_t values = 0, records = 1;
    for (const Column& c : rows.columns()) {
      values += c.byteSize();
      records = std::max(records, c.size());
    }
    const size_t shown = r.onlyRows ? r.onlyRows->size() : rows.order().size();
    // The shown share of the values, a byte more each for a letter or quote, and the marks.
    const size_t perCell = html ? 9 : 3;
    return values / records * shown * 5 / 4 + (rows.rowCount() + 1) * (rows.cellCount() * perCell + 8) + r.lead.size() +
           r.tail.size() + 64;
  }

  const std::string& captionOf(size_t i) const {
    static const std::string kNone;
    return r_.captions && i < r_.captions->size() ? (*r_.captions)[i] : kNone;
  }

  void cell(std::string_view value, bool first) {
    const Marks& m = marks_;
    // Eight bytes of room per value byte: every byte is stored as one 8-byte move.
    char* at = out_.room(value.size() * 8 + m.cellBetween.size() + m.cellStart.size() + m.cellEnd.size() + 8);
    if (!first) at = Output::put(at, m.cellBetween);
    at = Output::put(at, m.cellStart);
    at = encode(table_.data(), value.data(), value.data() + value.size(), at);
    out_.done(Output::put(at, m.cellEnd));
  }

  // Apart from the class, so that the table and both ends stay in registers while bytes are
  // stored (a store through char* could otherwise change any member).
  static char* encode(const Encoded* table, const char* from, const char* end, char* at) {
    for (; from != end; ++from) {
      const Encoded& e = table[static_cast<unsigned char>(*from)];
      std::memcpy(at, e.bytes, sizeof e.bytes);
      at += e.size;
    }
    return at;
  }

  void lineEnd() {
    char* at = out_.room(marks_.lineEnd.size() + r_.eol.size());
    at = Output::put(at, marks_.lineEnd);
    out_.done(Output::put(at, r_.eol));
  }

  void lineStart() { out_.done(Output::put(out_.room(marks_.lineStart.size()), marks_.lineStart)); }

  void writeLines(const std::vector<uint32_t>& lines) {
    const std::vector<Column>& columns = rows_.columns();
    const std::vector<uint32_t>& order = rows_.order();
    if (rows_.transposed()) {
      // One line per column: the caption, then the column's values in file order.
      for (uint32_t line : lines) {
        const Column& column = columns[line];
        lineStart();
        cell(captionOf(line), true);
        for (size_t k = 0; k < order.size(); ++k) {
          if (k + kStartsAhead < order.size()) column.prefetchStart(order[k + kStartsAhead]);
          if (k + kTextAhead < order.size()) column.prefetchValue(order[k + kTextAhead]);
          cell(column.value(order[k]), false);
        }
        lineEnd();
      }
      return;
    }
    for (size_t i = 0; i < lines.size(); ++i) {
      if (i + kStartsAhead < lines.size())
        for (const Column& c : columns) c.prefetchStart(order[lines[i + kStartsAhead]]);
      if (i + kTextAhead < lines.size())
        for (const Column& c : columns) c.prefetchValue(order[lines[i + kTextAhead]]);
      const uint32_t record = order[lines[i]];
      lineStart();
      for (size_t c = 0; c < columns.size(); ++c) cell(columns[c].value(record), c == 0);
      lineEnd();
    }
  }

  const GridTextRequest& r_;
  const GridRows& rows_;
  const Marks& marks_;
  const Encoding& table_;
  Output out_;
};

}  // namespace

std::string gridText(const GridTextRequest& r) {
  if (!r.rows) return std::string(r.lead) + std::string(r.tail);
  static constexpr Marks kDelimited{"", "\"", ";", "\"", ""};
  return Writer(r, kDelimited, false).run();
}

std::string gridHtml(const GridTextRequest& r) {
  if (!r.rows) return std::string(r.lead) + "<table></table>" + std::string(r.tail);
  static constexpr Marks kTable{"<tr>", "<td>", "", "</td>", "</tr>\n"};
  GridTextRequest table = r;
  table.eol = "";
  const std::string lead = std::string(r.lead) + "<table>";
  const std::string tail = "</table>" + std::string(r.tail);
  table.lead = lead;
  table.tail = tail;
  return Writer(table, kTable, true).run();
}

}  // namespace vantorel::dravix
