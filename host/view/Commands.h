#pragma once

// The menu and accelerator command ids of the main window.
namespace vantorel::host::view::cmd {

inline constexpr int kPrint = 57607;
inline constexpr int kPrintMolecule = 32800;
inline constexpr int kPrintVideo = 32801;
inline constexpr int kExit = 57665;
inline constexpr int kCut = 57635;
inline constexpr int kCopy = 57634;
inline constexpr int kPaste = 57637;
inline constexpr int kCopyMolecule = 32788;
inline constexpr int kCopyVideo = 32787;
inline constexpr int kCopyAllData = 32794;
inline constexpr int kCopyGraph = 32799;
inline constexpr int kCopySelection = 32795;
inline constexpr int kBack = 32773;
inline constexpr int kForward = 32774;
inline constexpr int kPeriodicTable = 32782;
inline constexpr int kDataAnalyser = 32783;
inline constexpr int kSearch = 32771;
inline constexpr int kToolsPalette = 32790;
inline constexpr int kAddBookmark = 32784;
inline constexpr int kGoToBookmark = 32785;
inline constexpr int kProductSite = 32796;
inline constexpr int kSupport = 32797;
inline constexpr int kProducts = 32798;
inline constexpr int kHelpContents = 32772;
inline constexpr int kAbout = 57664;

}  // namespace vantorel::host::view::cmd
