# Files that ship with the program and that it finds relative to its own folder (Help.pdf,
# translations): a target that makes one at build calls
#   merion_install_data(FILES file... [SUBDIR translations])
# and puts the same file beside the executable (${MERION_PROGRAM_DIR}) for runs from the build folder.
function(merion_install_data)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "SUBDIR" "FILES")
  install(FILES ${arg_FILES} DESTINATION ${MERION_INSTALL_DATADIR}/${arg_SUBDIR})
endfunction()

# cpack -G DEB in the build folder: a package that apt installs with what it needs.
set(CPACK_PACKAGE_NAME merion)
set(CPACK_PACKAGE_VENDOR "MERION")
set(CPACK_PACKAGE_CONTACT "MERION developers <maintainers@users.noreply.c-seed-4884f15b.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "total station post-processing (download, edit, convert, upload)")
# Debian wraps the description as written: one sentence group per line, lines under 80
# characters, a blank line between paragraphs (CPack writes " ." for it).
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "MERION downloads measurement jobs from T5/T5+ and T8 total stations over a\n"
       "serial port, keeps the point and code lists, imports and exports surveyors'\n"
       "text formats, writes SD-card job files and uploads points to the instrument.\n"
       "It computes from the stored observations: recomputed points, both faces,\n"
       "traverses, least-squares adjustment and coordinate systems.\n"
       "\n"
       "merion is the desktop program (Chinese or English interface), merion-cli runs\n"
       "the same operations from the command line, and merion-sim plays an instrument\n"
       "on a pseudo-terminal for trying it without one.")
set(CPACK_STRIP_FILES ON)
if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/windows_packaging.cmake)
  include(CPack)
  return()
endif()
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The Qt libraries come from dpkg-shlibdeps; what is loaded at run time it cannot see: the SQLite
# driver that holds the project, the window-system plugins and a font for the Chinese text.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-qpa-plugins, fonts-noto-cjk")
# Qt's own dialogs speak Chinese with its translations (without them they fall back to English);
# xdg-open finds the desktop's PDF viewer for the user guide.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils")
include(CPack)
