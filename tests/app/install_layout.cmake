# Installs the build into a scratch prefix and checks where each file lands: the
# program, its pictures where the program looks for them from its own folder, and the
# desktop entry with its icon.
# cmake -DBUILD_DIR=... -DPREFIX=... -DFROM_BINDIR=... -P install_layout.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "install failed: ${status}")
endif()

set(problems "")
function(expect_file path)
  if(NOT EXISTS "${path}" OR IS_DIRECTORY "${path}")
    set(problems "${problems}\n  missing ${path}" PARENT_SCOPE)
  endif()
endfunction()

expect_file("${PREFIX}/bin/quendrel")

# The pictures where the program looks for them, which is the share folder.
get_filename_component(pictures "${PREFIX}/bin/${FROM_BINDIR}" ABSOLUTE)
if(NOT pictures STREQUAL "${PREFIX}/share/quendrel/resources")
  string(APPEND problems "\n  the program looks for its pictures in ${pictures}")
endif()
foreach(picture puzzle128.gif puzzle256.gif Quendreltitle.png)
  expect_file("${pictures}/${picture}")
endforeach()

set(entry "${PREFIX}/share/applications/quendrel.desktop")
expect_file("${entry}")
if(EXISTS "${entry}")
  file(READ "${entry}" content)
  foreach(line "[Desktop Entry]" "Type=Application" "Name=Quendrel" "Exec=quendrel" "Icon=quendrel"
               "Categories=Education;Science;")
    string(FIND "\n${content}" "\n${line}\n" at)
    if(at EQUAL -1)
      string(APPEND problems "\n  the desktop entry lacks the line ${line}")
    endif()
  endforeach()
endif()

# A PNG's signature, then its header chunk with width and height, 256 each.
set(icon "${PREFIX}/share/icons/hicolor/256x256/apps/quendrel.png")
expect_file("${icon}")
if(EXISTS "${icon}")
  file(READ "${icon}" head LIMIT 24 HEX)
  if(NOT head STREQUAL "89504e470d0a1a0a0000000d494844520000010000000100")
    string(APPEND problems "\n  the icon is no 256 x 256 PNG")
  endif()
endif()

if(problems)
  message(FATAL_ERROR "install layout wrong:${problems}")
endif()
