#include "tools/vantorel-data/core/PageHtml.h"

#include "tools/vantorel-data/core/CatalogueCompiler.h"

namespace vantorel::data {

const char* routeColour(int index) {
  static constexpr const char* kColours[] = {"#3A7AA0", "#C8642A", "#3C9660", "#8C6E32",
                                             "#3C6EBE", "#826040", "#A03C8C", "#288CA0"};
  return kColours[(index % 8 + 8) % 8];
}

std::string html(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else if (c == '"')
      out += "&quot;";
    else
      out += c;
  }
  return out;
}

std::string valueMarkup(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '[' || c == '{') {
      const char close = c == '[' ? ']' : '}';
      const auto end = text.find(close, i);
      if (end != std::string_view::npos) {
        const char* tag = c == '[' ? "SUB" : "SUP";
        out += std::string("<") + tag + ">" + html(text.substr(i + 1, end - i - 1)) + "</" + tag + ">";
        i = end;
        continue;
      }
    }
    out += html(std::string_view(&text[i], 1));
  }
  return out;
}

std::string dataFolder(std::string_view relative) {
  return std::string("\x05") + kMarkerFiller + std::string(relative);
}

std::string pageStart(std::string_view title, std::string_view subtitle, int colourIndex) {
  std::string h;
  h += "<HTML>\n<HEAD>\n<TITLE>" + html(title) + "</TITLE>\n</HEAD>\n";
  h += "<BODY BGCOLOR=\"#FFFDF4\" TEXT=\"#1A1A1A\" LINK=\"#0033AA\" ALINK=\"#FFFFFF\" LEFTMARGIN=12 TOPMARGIN=8>\n";
  h += "<TABLE WIDTH=\"100%\" BORDER=0 CELLPADDING=6 CELLSPACING=0>\n";
  h += std::string("<TR><TD BGCOLOR=\"") + routeColour(colourIndex) +
       "\"><FONT FACE=\"Arial Greek\" SIZE=5 COLOR=\"#FFFFFF\"><B>" + html(title) + "</B></FONT>";
  if (!subtitle.empty()) h += "<BR><FONT FACE=\"Arial Greek\" SIZE=2 COLOR=\"#F0F0E0\">" + html(subtitle) + "</FONT>";
  h += "</TD></TR>\n</TABLE>\n";
  return h;
}

std::string pageEnd() {
  return "<HR SIZE=1 NOSHADE>\n<DIV ALIGN=right><FONT FACE=\"Arial Greek\" SIZE=1 COLOR=\"#808080\">\xC2\xA9 " +
         std::string(kCreditText) + "</FONT></DIV>\n</BODY>\n</HTML>\n";
}

std::string paragraph(std::string_view inner) {
  return "<P><FONT FACE=\"Arial Greek\" SIZE=2>" + std::string(inner) + "</FONT></P>\n";
}

std::string dataTable(const std::vector<std::pair<std::string, std::string>>& rows) {
  std::string body;
  bool shade = false;
  for (const auto& [name, value] : rows) {
    if (value.empty()) continue;
    body += std::string("<TR BGCOLOR=\"") + (shade ? "#EEF2F8" : "#FFFFFF") +
            "\"><TD><FONT FACE=\"Arial Greek\" SIZE=2><B>" + html(name) +
            "</B></FONT></TD><TD><FONT FACE=\"Arial Greek\" SIZE=2>" + value + "</FONT></TD></TR>\n";
    shade = !shade;
  }
  if (body.empty()) return {};
  return "<TABLE BORDER=1 CELLPADDING=3 CELLSPACING=0 BORDERCOLOR=\"#B0B0C0\">\n" + body + "</TABLE>\n";
}

std::string bulletList(const std::vector<std::string>& items) {
  if (items.empty()) return {};
  std::string h = "<UL>\n";
  for (const auto& item : items) h += "<LI><FONT FACE=\"Arial Greek\" SIZE=2>" + item + "</FONT>\n";
  return h + "</UL>\n";
}

}  // namespace vantorel::data
