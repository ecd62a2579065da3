# The Windows build ships as an installer (NSIS) and a portable zip. What the programs load at
# run time (Qt's DLLs and plugins, SQLite, the MinGW runtime) is gathered beside them by the Qt
# prefix's mingw-deploy.sh into runtime/, which is also where they run from under Wine.
set(MERION_RUNTIME_DIR ${CMAKE_BINARY_DIR}/runtime)
find_program(MERION_MINGW_DEPLOY mingw-deploy.sh HINTS "${MERION_MINGW_QT}/bin" NO_CMAKE_FIND_ROOT_PATH REQUIRED)
# Qt's own dialogs (buttons, file dialogs) in Chinese: the translation files are the same on
# every system, so the build machine's serve.
find_file(MERION_QTBASE_ZH qtbase_zh_CN.qm
          HINTS ${QT_HOST_PATH}/share/qt6/translations /usr/share/qt6/translations NO_CMAKE_FIND_ROOT_PATH)
set(runtime_steps
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${MERION_RUNTIME_DIR}
  COMMAND ${MERION_MINGW_DEPLOY} $<TARGET_FILE:merion> $<TARGET_FILE:merion-cli> ${MERION_RUNTIME_DIR})
if(MERION_QTBASE_ZH)
  list(APPEND runtime_steps COMMAND ${CMAKE_COMMAND} -E make_directory ${MERION_RUNTIME_DIR}/translations
                            COMMAND ${CMAKE_COMMAND} -E copy ${MERION_QTBASE_ZH} ${MERION_RUNTIME_DIR}/translations/)
  install(FILES ${MERION_QTBASE_ZH} DESTINATION ${CMAKE_INSTALL_BINDIR}/translations)
else()
  message(WARNING "qtbase_zh_CN.qm not found (Debian qt6-translations-l10n): Qt's dialogs stay English")
endif()
# The guide is made by a native build (docs/CMakeLists.txt, MERION_HELP_PDF).
if(MERION_HELP_PDF AND EXISTS ${MERION_HELP_PDF})
  list(APPEND runtime_steps COMMAND ${CMAKE_COMMAND} -E copy ${MERION_HELP_PDF} ${MERION_RUNTIME_DIR}/)
  # The English guide, where the native build made one beside it.
  get_filename_component(help_folder ${MERION_HELP_PDF} DIRECTORY)
  if(EXISTS ${help_folder}/Help-en.pdf)
    list(APPEND runtime_steps COMMAND ${CMAKE_COMMAND} -E copy ${help_folder}/Help-en.pdf ${MERION_RUNTIME_DIR}/)
  endif()
endif()
add_custom_target(windows_runtime ALL ${runtime_steps}
                  DEPENDS merion merion-cli
                  COMMENT "Gathering the DLLs and plugins beside the programs in runtime/"
                  VERBATIM)
# The programs themselves install through install(TARGETS); everything else runtime/ holds
# goes beside them.
install(DIRECTORY ${MERION_RUNTIME_DIR}/ DESTINATION ${CMAKE_INSTALL_BINDIR}
        PATTERN "*.exe" EXCLUDE PATTERN "Help*.pdf" EXCLUDE PATTERN "translations" EXCLUDE)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_INSTALL_DIRECTORY MERION)
set(CPACK_PACKAGE_FILE_NAME merion-${PROJECT_VERSION}-win64)
set(CPACK_NSIS_PACKAGE_NAME MERION)
set(CPACK_NSIS_DISPLAY_NAME "MERION ${PROJECT_VERSION}")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# A Start-menu entry for the program; the guide has one of its own.
set(CPACK_PACKAGE_EXECUTABLES merion MERION)
set(CPACK_NSIS_MENU_LINKS "share/merion/Help.pdf" "MERION Help")
set(CPACK_NSIS_INSTALLED_ICON_NAME bin/merion.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# The uninstaller removes only what was installed: the projects (Adjustment.db and downloads/
# in %LOCALAPPDATA%\merion) stay where they are.
set(CPACK_NSIS_MUI_FINISHPAGE_RUN merion.exe)
# A 64-bit installer for 64-bit programs (NSIS's amd64 stubs): it also runs where only 64-bit
# Windows programs can, such as a 64-bit-only Wine.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
