# The Windows build of Tilewright: Debian's mingw-w64 compilers plus the
# cross-built libraries from the cache (tools/windows/build-deps.sh and
# build-qt.sh), given as TILEWRIGHT_WINDOWS_PREFIXES. Their folders join the
# find roots so that find_package, find_library and pkg-config see them and
# nothing of the Linux host.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake)
list(APPEND CMAKE_FIND_ROOT_PATH ${TILEWRIGHT_WINDOWS_PREFIXES})
list(APPEND CMAKE_PREFIX_PATH ${TILEWRIGHT_WINDOWS_PREFIXES})
set(ZLIB_USE_STATIC_LIBS ON)
if(TILEWRIGHT_WINDOWS_PREFIXES)
  list(GET TILEWRIGHT_WINDOWS_PREFIXES 0 deps)
  set(ENV{PKG_CONFIG_LIBDIR} ${deps}/lib/pkgconfig)
  set(ENV{PKG_CONFIG_PATH} "")
  # libcsv and the header-only libraries are used by bare name, as from a
  # system folder.
  set(CMAKE_CXX_FLAGS_INIT "-isystem ${deps}/include")
  set(CMAKE_C_FLAGS_INIT "-isystem ${deps}/include")
  set(CMAKE_EXE_LINKER_FLAGS_INIT "-L${deps}/lib")
  set(CMAKE_SHARED_LINKER_FLAGS_INIT "-L${deps}/lib")
endif()
