# Installs into a scratch prefix and checks what a desktop needs to list the
# program in its menu: both programs, the desktop entry in German and English
# starting the installed program, and the icon it names.
# Usage: cmake -DBUILD_DIR=<build> -DPREFIX=<scratch dir> -P check_install.cmake

cmake_policy(VERSION 3.25)

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()

foreach(f bin/lamvero bin/lamvero-batch share/applications/lamvero.desktop
          share/icons/hicolor/scalable/apps/lamvero.svg)
  if(NOT EXISTS "${PREFIX}/${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()

file(STRINGS "${PREFIX}/share/applications/lamvero.desktop" entry ENCODING UTF-8)
list(GET entry 0 first)
if(NOT first STREQUAL "[Desktop Entry]")
  message(FATAL_ERROR "the desktop entry does not start with its group: ${first}")
endif()
foreach(key "Type=Application" "Exec=${PREFIX}/bin/lamvero" "Icon=lamvero" "Terminal=false")
  if(NOT key IN_LIST entry)
    message(FATAL_ERROR "desktop entry lacks ${key}")
  endif()
endforeach()
foreach(key "Name" "Name\\[de\\]" "Comment" "Comment\\[de\\]" "Categories")
  set(found ${entry})
  list(FILTER found INCLUDE REGEX "^${key}=.+")
  list(LENGTH found n)
  if(NOT n EQUAL 1)
    message(FATAL_ERROR "desktop entry needs exactly one ${key}=..., has ${n}")
  endif()
endforeach()

find_program(validate desktop-file-validate)
if(validate)
  execute_process(COMMAND "${validate}" "${PREFIX}/share/applications/lamvero.desktop" RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate rejects the entry")
  endif()
endif()
