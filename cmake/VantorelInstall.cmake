# Where an installed Vantorel keeps its parts, under any prefix (GNU install folders):
#   VANTOREL_INSTALL_PROGRAMDIR   the program folder: pelorin, the platform library, the tools, and
#                                 the component libraries in ActiveX/ beside them (bin/ links here)
#   VANTOREL_INSTALL_DISCDIR      the sample data disc
#   VANTOREL_INSTALLED_DISC       the disc as seen from the program folder (relative, so that a
#                                 tree moved elsewhere as a whole still finds it)
include(GNUInstallDirs)
set(VANTOREL_INSTALL_PROGRAMDIR "${CMAKE_INSTALL_LIBDIR}/vantorel")
set(VANTOREL_INSTALL_DISCDIR "${CMAKE_INSTALL_DATADIR}/vantorel/disc")
file(RELATIVE_PATH VANTOREL_INSTALLED_DISC "${CMAKE_INSTALL_FULL_LIBDIR}/vantorel"
  "${CMAKE_INSTALL_FULL_DATADIR}/vantorel/disc")
