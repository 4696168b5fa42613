# Installs the build into a staging folder (DESTDIR) and checks the tree: the
# program folder with everything the program reads beside itself, the command
# link, the menu entry, the metainfo and the icons, and nothing else.
# Run by CTest: cmake -DBUILD_DIR=... -DSTAGE=... -DPREFIX=/usr -DPROGRAMDIR=...
#   -DBINDIR=... -DDATADIR=... -DDOCDIR=... -DMANDIR=... -DAPP_ID=... -DASSETS=a;b -DICON_SIZES=16;24 -P check-install.cmake
cmake_minimum_required(VERSION 3.25)

set(failures 0)
macro(fail msg)
  message(SEND_ERROR "${msg}")
  math(EXPR failures "${failures} + 1")
endmacro()

file(REMOVE_RECURSE ${STAGE})
set(ENV{DESTDIR} ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}")
endif()

set(root ${STAGE}${PREFIX})
set(progdir ${root}/${PROGRAMDIR})
set(expected ${progdir}/numbloom ${root}/${BINDIR}/numbloom
  ${root}/${DATADIR}/applications/${APP_ID}.desktop
  ${root}/${DATADIR}/metainfo/${APP_ID}.metainfo.xml
  ${root}/${DATADIR}/icons/hicolor/scalable/apps/numbloom.svg
  ${root}/${DOCDIR}/copyright ${root}/${DOCDIR}/changelog.gz ${root}/${MANDIR}/man1/numbloom.1.gz
  ${root}/${DATADIR}/lintian/overrides/numbloom)
foreach(f IN LISTS ASSETS)
  list(APPEND expected ${progdir}/${f})
endforeach()
foreach(n IN LISTS ICON_SIZES)
  list(APPEND expected ${root}/${DATADIR}/icons/hicolor/${n}x${n}/apps/numbloom.png)
endforeach()

# Exactly the expected files: a missing one breaks the program or its menu
# entry, a stray one (a test program, a build file) has no place in a package.
file(GLOB_RECURSE installed LIST_DIRECTORIES false ${STAGE}/*)
foreach(f IN LISTS expected)
  if(NOT EXISTS ${f} AND NOT IS_SYMLINK ${f})
    fail("not installed: ${f}")
  endif()
endforeach()
foreach(f IN LISTS installed)
  if(NOT f IN_LIST expected)
    fail("installed but not expected: ${f}")
  endif()
endforeach()

execute_process(COMMAND test -x ${progdir}/numbloom RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  fail("${progdir}/numbloom is not executable")
endif()

# The command is a relative link, so the tree can be moved (DESTDIR, a
# package) and still lead to the real binary in the program folder.
set(cmd ${root}/${BINDIR}/numbloom)
if(NOT IS_SYMLINK ${cmd})
  fail("${cmd} is not a symbolic link")
else()
  file(READ_SYMLINK ${cmd} target)
  if(IS_ABSOLUTE "${target}")
    fail("${cmd} points to an absolute path: ${target}")
  endif()
  file(REAL_PATH ${cmd} resolved)
  file(REAL_PATH ${progdir}/numbloom real_binary)
  if(NOT resolved STREQUAL real_binary)
    fail("${cmd} resolves to ${resolved}, not ${real_binary}")
  endif()
endif()

# The menu entry's command and icon are the ones installed.
set(desktop ${root}/${DATADIR}/applications/${APP_ID}.desktop)
if(EXISTS ${desktop})
  file(STRINGS ${desktop} exec_line REGEX "^Exec=")
  file(STRINGS ${desktop} icon_line REGEX "^Icon=")
  string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" exec_cmd "${exec_line}")
  string(REGEX REPLACE "^Icon=" "" icon_name "${icon_line}")
  if(NOT exec_cmd OR IS_ABSOLUTE "${exec_cmd}" OR NOT EXISTS ${root}/${BINDIR}/${exec_cmd})
    fail("the menu entry runs '${exec_cmd}', which is not a command in ${root}/${BINDIR}")
  endif()
  if(NOT EXISTS ${root}/${DATADIR}/icons/hicolor/scalable/apps/${icon_name}.svg)
    fail("the menu entry's icon '${icon_name}' is not installed")
  endif()
endif()

# Each PNG is as big as the folder it sits in says (the IHDR width and height).
foreach(n IN LISTS ICON_SIZES)
  set(png ${root}/${DATADIR}/icons/hicolor/${n}x${n}/apps/numbloom.png)
  if(EXISTS ${png})
    file(READ ${png} ihdr OFFSET 16 LIMIT 8 HEX)
    string(SUBSTRING "${ihdr}" 0 8 w)
    string(SUBSTRING "${ihdr}" 8 8 h)
    math(EXPR w "0x${w}")
    math(EXPR h "0x${h}")
    if(NOT w EQUAL n OR NOT h EQUAL n)
      fail("${png} is ${w}x${h}")
    endif()
  endif()
endforeach()

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} problem(s) in the installed tree under ${STAGE}")
endif()
list(LENGTH expected count)
message(STATUS "installed tree under ${STAGE}: ${count} files as expected")
