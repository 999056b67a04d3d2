# Installs the build into a fresh prefix and checks it as a desktop would use
# it: the programs, an entry that desktop-file-validate accepts and whose
# command is installed, the icon at 32 and 128 pixels, and the README.
# Run as: cmake -DBUILD_DIR=... -DPREFIX=... -DDOC_DIR=... -DWITH_CLI=0|1 -P check_install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE failed OUTPUT_QUIET ERROR_VARIABLE errors)
if(failed)
  message(FATAL_ERROR "cmake --install failed: ${errors}")
endif()

set(entry ${PREFIX}/share/applications/tilewright.desktop)
set(expected bin/tilewright share/applications/tilewright.desktop ${DOC_DIR}/README.md)
if(WITH_CLI)
  list(APPEND expected bin/tilewright-cli)
endif()
foreach(size 32 128)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/tilewright.png)
endforeach()
foreach(file ${expected})
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${PREFIX}/${file}")
  endif()
endforeach()

# A PNG holds its width and height as 32-bit big-endian numbers 16 bytes in.
foreach(size_and_header "32;0000002000000020" "128;0000008000000080")
  list(GET size_and_header 0 size)
  list(GET size_and_header 1 expected_header)
  file(READ ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/tilewright.png header OFFSET 16 LIMIT 8 HEX)
  if(NOT header STREQUAL expected_header)
    message(FATAL_ERROR "the ${size}x${size} icon is not ${size} by ${size} pixels (header ${header})")
  endif()
endforeach()

find_program(VALIDATE desktop-file-validate)
if(NOT VALIDATE)
  message(FATAL_ERROR "desktop-file-validate is missing (Debian package desktop-file-utils)")
endif()
execute_process(COMMAND ${VALIDATE} ${entry} RESULT_VARIABLE invalid OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(invalid OR report MATCHES "error|warning")
  message(FATAL_ERROR "desktop-file-validate refuses ${entry}:\n${report}")
endif()

# The entry starts a program that was installed, and that program runs.
file(STRINGS ${entry} exec REGEX "^Exec=")
string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" program "${exec}")
if(NOT EXISTS ${PREFIX}/bin/${program})
  message(FATAL_ERROR "the entry starts \"${program}\", which is not in ${PREFIX}/bin")
endif()
execute_process(COMMAND ${PREFIX}/bin/${program} --version RESULT_VARIABLE failed OUTPUT_VARIABLE version)
if(failed OR NOT version MATCHES "^tilewright [0-9]")
  message(FATAL_ERROR "${PREFIX}/bin/${program} --version answered \"${version}\"")
endif()
file(REMOVE_RECURSE ${PREFIX})
