#ifndef LH_PARSED_HTML_H
#define LH_PARSED_HTML_H

// Vantorel: gumbo's parse of a page, for a long page in two pieces parsed at the same time.

#include <gumbo.h>

#include <cstddef>
#include <functional>
#include <future>
#include <memory>
#include <memory_resource>
#include <string>
#include <string_view>
#include <vector>

namespace litehtml
{
	// The parse of a page. A long page is cut before a block that starts at the top level of its
	// body, and the two pieces are parsed at once, the second on a thread of its own:
	//  - the first piece is the page up to the cut;
	//  - the second is the page's head and body tag, then the rest of the page.
	// A marker element put at the end of the first piece and after the body tag of the second
	// shows where each parser stood. The cut is kept only if both stood in the body with no element
	// open and nothing left to reopen, and the rest of the page cannot reach back past the cut
	// (no second HTML, BODY or FRAMESET tag, no form). Otherwise the page is parsed whole. Either
	// way the tree is the one the whole page gives.
	// Every "<![CDATA[" is read as a comment, as it is outside SVG and MathML: in SVG inside a table
	// it makes gumbo 0.10.1 fail an assertion, which ends the program.
	class parsed_html
	{
	public:
		static constexpr std::size_t default_min_split = 128 * 1024;

		// How the two pieces' hooks, which run at the same time, wait for each other.
		class meeting
		{
		public:
			// Waits until the second piece is parsed, and tells whether it fits: if not, the page
			// is parsed whole. If it fits, continuation() holds its nodes from then on; the second
			// piece's hook reads them at the same time, so they are only to be read.
			bool second_fits() const { return m_second_fits.get(); }
			const std::vector<GumboNode*>& continuation() const { return m_continuation; }
			// Lets the second piece's hook go on from first_released(), which then returns `go`.
			// Only the first call counts; the first piece's hook need not call it.
			void release_second(bool go);
			// Waits until release_second() is called, and returns what it was given: false if the
			// first piece did not fit, or if its hook ended without calling it.
			bool first_released() const { return m_released_future.get(); }

		private:
			friend class parsed_html;
			explicit meeting(const std::vector<GumboNode*>& continuation);
			const std::vector<GumboNode*>& m_continuation;
			std::promise<bool> m_fits;
			std::shared_future<bool> m_second_fits;
			std::promise<bool> m_released;
			std::shared_future<bool> m_released_future;
			bool m_release_called = false;
		};

		// Called on the second piece's thread with continuation() as soon as that piece is parsed,
		// at the same time as the first piece is parsed, and with the <html> element of the second
		// piece's own tree, left holding only its body, which holds nothing: the page's HTML and
		// BODY tags, with their attributes.
		using continuation_hook = std::function<void(const std::vector<GumboNode*>&, GumboNode* second_root, const meeting&)>;
		// Called on the calling thread with root() as soon as the first piece is parsed and
		// checked, while the second piece may still be parsed.
		using first_piece_hook = std::function<void(GumboNode* root, meeting&)>;

		// What the hooks make of the nodes is to be thrown away if the second piece or the
		// first does not fit after all: split() is then false, and root() the whole page's.
		explicit parsed_html(std::string_view html, std::size_t min_split = default_min_split,
			const continuation_hook& on_continuation = nullptr, const first_piece_hook& on_first = nullptr);
		~parsed_html();
		parsed_html(const parsed_html&) = delete;
		parsed_html& operator=(const parsed_html&) = delete;

		// The <html> element of the page, or of its first piece.
		GumboNode* root() const { return m_first->output->root; }
		// The nodes that follow the last child of root()'s body, in order: empty unless the page
		// was parsed in two pieces.
		const std::vector<GumboNode*>& continuation() const { return m_continuation; }
		bool split() const { return m_second != nullptr; }

		// Where the page would be cut, or npos: the place of a block's start tag past the middle
		// of the body, where the open elements counted on the way (tables, lists, fonts, ...) are
		// all closed. The parse checks the cut; this only picks one likely to pass.
		static std::size_t find_cut(std::string_view html, std::size_t body_end);

	private:
		bool parse_split(std::string_view html, const continuation_hook& on_continuation,
			const first_piece_hook& on_first);

		// gumbo's tree of a text, in memory of its own.
		struct tree
		{
			explicit tree(const std::string& text);
			std::pmr::monotonic_buffer_resource memory;
			GumboOutput* output;
		};

		std::string m_second_text;	// gumbo's nodes point into the text they were parsed from
		std::string m_first_text;
		std::unique_ptr<tree> m_first;
		std::unique_ptr<tree> m_second;
		std::vector<GumboNode*> m_continuation;
	};
}

#endif  // LH_PARSED_HTML_H
