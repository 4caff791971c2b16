// Vantorel: gumbo's parse of a page, for a long page in two pieces parsed at the same time.
#include "parsed_html.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <exception>
#include <future>
#include <memory_resource>
#include <system_error>
#include <thread>

namespace litehtml
{
namespace
{
	// The element put at each side of the cut. ADDRESS closes an open paragraph, as every block
	// the page may be cut before does; the attribute tells it from the page's own.
	constexpr std::string_view marker = "<address data-vantorel-cut></address>";
	constexpr std::string_view marker_attribute = "data-vantorel-cut";

	constexpr std::string_view cdata = "<![CDATA[";
	// "<!" and then neither "--", "DOCTYPE" nor "[CDATA[": a comment up to the next ">".
	constexpr std::string_view cdata_as_comment = "<!-[CDATA[";

	char lower(char c)
	{
		return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
	}

	bool is_space(char c)
	{
		return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
	}

	bool is_letter(char c)
	{
		return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
	}

	// lower_word starts with a lower-case letter.
	bool contains_ignoring_case(std::string_view text, std::string_view lower_word)
	{
		for (const char first : {lower_word[0], static_cast<char>(lower_word[0] - 'a' + 'A')})
		{
			for (const char* at = text.data(), *end = text.data() + text.size();
				(at = static_cast<const char*>(std::memchr(at, first, end - at))) != nullptr; ++at)
			{
				if (static_cast<std::size_t>(end - at) < lower_word.size()) break;
				std::size_t i = 1;
				while (i < lower_word.size() && lower(at[i]) == lower_word[i]) ++i;
				if (i == lower_word.size()) return true;
			}
		}
		return false;
	}

	// A tag's name as the tokenizer reads it (up to white space, "/" or ">"), in lower case; a name
	// longer than any looked for is left empty.
	struct tag_name
	{
		std::array<char, 12> text{};
		std::size_t size = 0;
		std::string_view view() const { return {text.data(), size}; }
	};

	// Reads the name that starts at `at`; returns the place past it.
	std::size_t read_tag_name(std::string_view html, std::size_t at, tag_name& name)
	{
		std::size_t n = 0;
		for (; at < html.size() && !is_space(html[at]) && html[at] != '/' && html[at] != '>'; ++at, ++n)
		{
			if (n < name.text.size()) name.text[n] = lower(html[at]);
		}
		name.size = n <= name.text.size() ? n : 0;
		return at;
	}

	// The tags of a page in order, read the way the tokenizer reads them where it matters here:
	// comments, declarations and the text of SCRIPT, STYLE, TITLE and the like are passed over,
	// and a tag ends at the first ">" outside a quoted attribute value. It is a guide for choosing
	// the cut; the parse itself checks the cut.
	class tag_reader
	{
	public:
		struct tag
		{
			std::size_t begin = 0;	// the "<"
			std::size_t end = 0;	// past the ">"
			bool closing = false;
			tag_name name;
		};

		explicit tag_reader(std::string_view html, std::size_t from = 0) : m_html(html), m_at(from) {}

		// The next tag, or false at the end of the page (or where the page stops reading as tags).
		bool next(tag& t)
		{
			while (m_at < m_html.size())
			{
				const void* lt = std::memchr(m_html.data() + m_at, '<', m_html.size() - m_at);
				if (!lt) break;
				const std::size_t begin = static_cast<const char*>(lt) - m_html.data();
				m_at = begin + 1;
				if (m_html.compare(m_at, 3, "!--") == 0)
				{
					const std::size_t close = m_html.find("-->", m_at + 3);
					if (close == std::string_view::npos) break;
					m_at = close + 3;
					continue;
				}
				if (m_at < m_html.size() && (m_html[m_at] == '!' || m_html[m_at] == '?'))
				{
					const std::size_t close = m_html.find('>', m_at);
					if (close == std::string_view::npos) break;
					m_at = close + 1;
					continue;
				}
				t = tag{};
				t.begin = begin;
				if (m_at < m_html.size() && m_html[m_at] == '/')
				{
					t.closing = true;
					++m_at;
				}
				if (m_at >= m_html.size() || !is_letter(m_html[m_at])) continue;
				m_at = read_tag_name(m_html, m_at, t.name);
				if (!skip_attributes()) break;
				t.end = m_at;
				if (!t.closing && !skip_raw_text(t.name.view())) break;
				return true;
			}
			m_at = m_html.size();
			return false;
		}

	private:
		// Past the ">" that ends the tag; false if the page ends first.
		bool skip_attributes()
		{
			bool after_equals = false;
			while (m_at < m_html.size())
			{
				const char c = m_html[m_at];
				if (c == '>')
				{
					++m_at;
					return true;
				}
				if (after_equals && (c == '"' || c == '\''))
				{
					const std::size_t close = m_html.find(c, m_at + 1);
					if (close == std::string_view::npos) return false;
					m_at = close + 1;
					after_equals = false;
					continue;
				}
				if (c == '=') after_equals = true;
				else if (!is_space(c)) after_equals = false;
				++m_at;
			}
			return false;
		}

		// The text of these elements is not markup: past their end tag. False where no end tag
		// comes, or for PLAINTEXT, whose text runs to the end of the page.
		bool skip_raw_text(std::string_view name)
		{
			static constexpr std::string_view raw[] = {"script", "style", "title", "textarea", "xmp",
				"iframe", "noembed", "noframes", "noscript"};
			if (name == "plaintext") return false;
			bool is_raw = false;
			for (auto r : raw) is_raw = is_raw || name == r;
			if (!is_raw) return true;
			for (std::size_t at = m_html.find("</", m_at); at != std::string_view::npos; at = m_html.find("</", at + 2))
			{
				std::size_t i = 0;
				while (i < name.size() && at + 2 + i < m_html.size() && lower(m_html[at + 2 + i]) == name[i]) ++i;
				const std::size_t after = at + 2 + i;
				if (i == name.size() && (after == m_html.size() || is_space(m_html[after]) || m_html[after] == '/' || m_html[after] == '>'))
				{
					m_at = at;
					return true;
				}
			}
			return false;
		}

		std::string_view m_html;
		std::size_t m_at;
	};

	// Elements that stay open until their end tag, or that a page leaves open around what follows.
	// List items and paragraphs close by themselves and are left out: a list holds its items, and
	// every block the page is cut before closes a paragraph.
	constexpr std::string_view containers[] = {"table", "div", "center", "ul", "ol", "dl", "dir", "menu",
		"blockquote", "pre", "listing", "address", "h1", "h2", "h3", "h4", "h5", "h6", "a", "b", "big",
		"code", "em", "font", "i", "nobr", "s", "small", "strike", "strong", "tt", "u", "sub", "sup", "span",
		"object", "applet", "marquee", "select", "button", "label", "form"};

	// Blocks that close an open paragraph and are never dropped at the top level of a body.
	constexpr std::string_view cut_blocks[] = {"p", "div", "ul", "ol", "dl", "center", "blockquote",
		"address", "h1", "h2", "h3", "h4", "h5", "h6", "pre", "listing", "hr", "dir", "menu"};

	template <std::size_t N>
	int index_of(const std::string_view (&names)[N], std::string_view name)
	{
		for (std::size_t i = 0; i < N; ++i)
		{
			if (names[i] == name) return static_cast<int>(i);
		}
		return -1;
	}

	// Past the ">" of the page's first BODY start tag, or npos.
	std::size_t body_start_end(std::string_view html)
	{
		tag_reader reader(html);
		tag_reader::tag t;
		while (reader.next(t))
		{
			if (!t.closing && t.name.view() == "body") return t.end;
		}
		return std::string_view::npos;
	}

	// Whether the text after the cut holds a tag that acts on what came before it: a second HTML,
	// BODY or FRAMESET start tag (their attributes join the first's, or they replace the body),
	// or a form (the parser remembers an open form across the whole page). Read plainly, without
	// passing over comments, so that nothing of the kind is missed.
	bool reaches_back(std::string_view rest)
	{
		for (std::size_t at = rest.find('<'); at != std::string_view::npos; at = rest.find('<', at + 1))
		{
			const bool closing = at + 1 < rest.size() && rest[at + 1] == '/';
			tag_name name;
			read_tag_name(rest, at + (closing ? 2 : 1), name);
			const std::string_view v = name.view();
			if (v == "form") return true;
			if (!closing && (v == "html" || v == "body" || v == "frameset" || v == "isindex")) return true;
		}
		return false;
	}

	// The body, which the parser always makes the last child of <html>.
	GumboNode* body_of(const GumboOutput* output)
	{
		const GumboNode* root = output ? output->root : nullptr;
		if (!root || root->type != GUMBO_NODE_ELEMENT || root->v.element.children.length == 0) return nullptr;
		const GumboVector& children = root->v.element.children;
		auto* last = static_cast<GumboNode*>(children.data[children.length - 1]);
		return last->type == GUMBO_NODE_ELEMENT && last->v.element.tag == GUMBO_TAG_BODY ? last : nullptr;
	}

	bool is_marker(const GumboNode* node)
	{
		return node->type == GUMBO_NODE_ELEMENT && node->v.element.tag == GUMBO_TAG_ADDRESS &&
			node->v.element.children.length == 0 && node->v.element.attributes.length == 1 &&
			gumbo_get_attribute(&node->v.element.attributes, marker_attribute.data()) != nullptr;
	}

	void* allocate(void* memory, std::size_t size)
	{
		return static_cast<std::pmr::memory_resource*>(memory)->allocate(size, alignof(std::max_align_t));
	}

	// Nothing is freed before the whole tree is.
	void deallocate(void*, void*) {}

	// A page's tree takes about ten times the page's size, and gumbo frees little of what it takes
	// on the way.
	std::size_t first_buffer_size(const std::string& text)
	{
		return std::max<std::size_t>(64 * 1024, text.size() * 4);
	}
}

// gumbo takes a quarter of a million small pieces of memory for a 500 kB page and frees them one
// by one with the tree. Here they come from one growing buffer, freed at once.
parsed_html::tree::tree(const std::string& text) : memory(first_buffer_size(text))
{
	GumboOptions options = kGumboDefaultOptions;
	options.allocator = allocate;
	options.deallocator = deallocate;
	options.userdata = &memory;
	output = gumbo_parse_with_options(&options, text.data(), text.size());
}

std::size_t parsed_html::find_cut(std::string_view html, std::size_t body_end)
{
	if (body_end == std::string_view::npos || body_end >= html.size()) return std::string_view::npos;
	const std::size_t middle = body_end + (html.size() - body_end) / 2;
	int open[std::size(containers)] = {};
	int open_total = 0;
	tag_reader reader(html, body_end);
	tag_reader::tag t;
	while (reader.next(t))
	{
		const std::string_view name = t.name.view();
		if (!t.closing && t.begin >= middle && open_total == 0 && index_of(cut_blocks, name) >= 0) return t.begin;
		const int i = index_of(containers, name);
		if (i < 0) continue;
		if (!t.closing)
		{
			++open[i];
			++open_total;
		}
		else if (open[i] > 0)
		{
			--open[i];
			--open_total;
		}
	}
	return std::string_view::npos;
}

parsed_html::parsed_html(std::string_view html, std::size_t min_split, const continuation_hook& on_continuation,
	const first_piece_hook& on_first)
{
	// gumbo 0.10.1 fails an assertion, which ends the program, on a CDATA section in SVG or MathML
	// inside a table ("<table><svg><foreignObject><![CDATA[x]]>x"). Elsewhere "<![CDATA[" opens a
	// comment that ends at the next ">", and the engine draws neither SVG nor MathML: every
	// "<![CDATA[" is read as such a comment.
	std::string guarded;
	if (html.find(cdata) != std::string_view::npos)
	{
		guarded.reserve(html.size());
		for (std::size_t at = 0, next; at < html.size(); at = next + cdata.size())
		{
			next = std::min(html.find(cdata, at), html.size());
			guarded.append(html.substr(at, next - at));
			if (next < html.size()) guarded.append(cdata_as_comment);
		}
		html = guarded;
	}
	if (html.size() >= min_split && parse_split(html, on_continuation, on_first)) return;
	m_first_text.assign(html);
	m_first = std::make_unique<tree>(m_first_text);
}

bool parsed_html::parse_split(std::string_view html, const continuation_hook& on_continuation,
	const first_piece_hook& on_first)
{
	const std::size_t body_end = body_start_end(html);
	const std::size_t cut = find_cut(html, body_end);
	if (cut == std::string_view::npos || reaches_back(html.substr(cut))) return false;
	if (contains_ignoring_case(html, marker_attribute)) return false;

	m_second_text.reserve(body_end + marker.size() + html.size() - cut);
	m_second_text.append(html.substr(0, body_end)).append(marker).append(html.substr(cut));
	m_first_text.reserve(cut + marker.size());
	m_first_text.append(html.substr(0, cut)).append(marker);
	// The second piece's body starts with the marker, which nothing of the head or the body tag
	// went before.
	meeting met(m_continuation);
	bool second_fits = false;
	bool told = false;
	std::exception_ptr second_failed;
	const auto parse_second = [&] {
		try
		{
			m_second = std::make_unique<tree>(m_second_text);
			GumboNode* body = body_of(m_second->output);
			GumboVector* children = body ? &body->v.element.children : nullptr;
			second_fits = children && children->length > 0 && is_marker(static_cast<GumboNode*>(children->data[0]));
			if (second_fits)
			{
				m_continuation.reserve(children->length - 1);
				for (unsigned i = 1; i < children->length; ++i)
				{
					m_continuation.push_back(static_cast<GumboNode*>(children->data[i]));
				}
			}
			told = true;
			met.m_fits.set_value(second_fits);
			if (!second_fits) return;
			// What the hook is given of the second piece's own tree: <html> holding its body,
			// which holds nothing.
			GumboNode* root = m_second->output->root;
			children->length = 0;
			root->v.element.children.data[0] = body;
			root->v.element.children.length = 1;
			if (on_continuation) on_continuation(m_continuation, root, met);
		}
		catch (...)
		{
			// Passed on to the calling thread once it has joined this one.
			second_failed = std::current_exception();
			second_fits = false;
			if (!told) met.m_fits.set_value(false);
		}
	};
	std::thread second;
	try
	{
		second = std::thread(parse_second);
	}
	catch (const std::system_error&)
	{
		// No thread to be had (a process at its limit): the page is parsed whole.
		m_first_text.clear();
		m_second_text.clear();
		return false;
	}
	// However the first piece ends, the second piece's hook is let go on and its thread joined.
	struct joined
	{
		meeting& met;
		std::thread& second;
		~joined()
		{
			met.release_second(false);
			second.join();
		}
	};
	bool first_fits = false;
	{
		const joined join_second{met, second};
		m_first = std::make_unique<tree>(m_first_text);

		// The first piece ends in the body, the marker its last child. Its tree may then be used
		// while the second piece is still being parsed.
		GumboNode* first_body = body_of(m_first->output);
		GumboVector* first_children = first_body ? &first_body->v.element.children : nullptr;
		first_fits = first_children && first_children->length > 0 &&
			is_marker(static_cast<GumboNode*>(first_children->data[first_children->length - 1]));
		if (first_fits)
		{
			--first_children->length;
			if (on_first) on_first(m_first->output->root, met);
		}
	}
	if (second_failed) std::rethrow_exception(second_failed);
	if (first_fits && second_fits) return true;

	m_first.reset();
	m_second.reset();
	m_first_text.clear();
	m_second_text.clear();
	m_continuation.clear();
	return false;
}

parsed_html::meeting::meeting(const std::vector<GumboNode*>& continuation)
	: m_continuation(continuation), m_second_fits(m_fits.get_future().share()),
	  m_released_future(m_released.get_future().share())
{
}

void parsed_html::meeting::release_second(bool go)
{
	if (m_release_called) return;
	m_release_called = true;
	m_released.set_value(go);
}

parsed_html::~parsed_html() = default;
}
