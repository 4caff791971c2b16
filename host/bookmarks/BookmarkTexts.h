#pragma once

#include <QString>

// The texts the bookmark commands and dialog show.
namespace vantorel::bookmarks {

// Entry `id` of the bookmark strings of the program's string table.
[[nodiscard]] QString bookmarkString(int id);
// The title of section 1..7 (empty for any other).
[[nodiscard]] QString sectionTitle(int section);

inline constexpr int kCannotWrite = 61204;
inline constexpr int kWriteFailed = 61205;
inline constexpr int kDuplicateBookmark = 61207;
inline constexpr int kRenameBookmarkCaption = 61208;
inline constexpr int kAddBookmarkCaption = 61209;

inline const QString kCorruptFile =
    QStringLiteral("Το αρχείο σελιδοδεικτών είναι κατεστραμμένο. Οι υπάρχοντες σελιδοδείκτες θα χαθούν.");
// Added to the corrupt-file message when the damaged file was kept aside.
inline const QString kKeptAside = QStringLiteral("Το αρχείο φυλάχτηκε ως «%1».");
inline const QString kInternalError = QStringLiteral("Internal error!");
inline const QString kMessageCaption = QStringLiteral("Vantorel");

}  // namespace vantorel::bookmarks
