# Toolchain file for the Windows build (64-bit, MinGW-w64 posix threads) against the prebuilt
# Qt for MinGW (qt6-mingw-x86_64.tar.xz, unpacked anywhere). Which prefix: -DMERION_MINGW_QT=…,
# else $MERION_MINGW_QT, else /opt/qt6-mingw-x86_64. The host's moc, rcc, uic, lrelease and
# lupdate (Debian's Qt of the same version) do the build-time work.
if(NOT MERION_MINGW_QT)
  if(DEFINED ENV{MERION_MINGW_QT})
    set(MERION_MINGW_QT "$ENV{MERION_MINGW_QT}")
  else()
    set(MERION_MINGW_QT /opt/qt6-mingw-x86_64)
  endif()
endif()
set(MERION_MINGW_QT "${MERION_MINGW_QT}" CACHE PATH "The unpacked Qt for MinGW-w64 (qt6-mingw-x86_64)")
# try_compile projects inherit the prefix through the environment-free cache.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES MERION_MINGW_QT)
if(NOT EXISTS "${MERION_MINGW_QT}/lib/cmake/mingw-w64-x86_64-posix.cmake")
  message(FATAL_ERROR "No Qt for MinGW-w64 in ${MERION_MINGW_QT}: unpack qt6-mingw-x86_64.tar.xz and "
                      "pass -DMERION_MINGW_QT=<its folder> (or set MERION_MINGW_QT)")
endif()
include("${MERION_MINGW_QT}/lib/cmake/mingw-w64-x86_64-posix.cmake")

list(APPEND CMAKE_PREFIX_PATH "${MERION_MINGW_QT}")
set(QT_HOST_PATH /usr CACHE PATH "Where the host's Qt tools live")

# Debian's wine64 package installs the loader only under /usr/lib/wine; the `wine` wrapper
# comes with the package of the same name.
find_program(MERION_WINE NAMES wine wine64 HINTS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(MERION_WINE)
  # Through a wrapper that sets the Qt variables inside Wine, which does not pass them on.
  set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/wine-run.sh")
endif()

# Eigen is headers only: the host's copy serves the Windows build as it is.
if(NOT Eigen3_DIR AND EXISTS /usr/share/eigen3/cmake/Eigen3Config.cmake)
  set(Eigen3_DIR /usr/share/eigen3/cmake CACHE PATH "Eigen's CMake package (headers only)" FORCE)
endif()
