# Installs into a scratch prefix and checks what a desktop needs to list the
# program in its menu and open a double-clicked case file in it: both
# programs, the desktop entry in German and English starting the installed
# program with the file, the MIME type of case files and the icons.
# Usage: cmake -DBUILD_DIR=<build> -DPREFIX=<scratch dir> -P check_install.cmake

cmake_policy(VERSION 3.25)

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()

foreach(f bin/lamvero bin/lamvero-batch share/applications/lamvero.desktop
          share/icons/hicolor/scalable/apps/lamvero.svg share/mime/packages/lamvero.xml
          share/icons/hicolor/scalable/mimetypes/application-x-lamvero-case.svg)
  if(NOT EXISTS "${PREFIX}/${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()

file(STRINGS "${PREFIX}/share/applications/lamvero.desktop" entry ENCODING UTF-8)
list(GET entry 0 first)
if(NOT first STREQUAL "[Desktop Entry]")
  message(FATAL_ERROR "the desktop entry does not start with its group: ${first}")
endif()
foreach(key "Type=Application" "Exec=${PREFIX}/bin/lamvero %f" "Icon=lamvero" "Terminal=false"
           "MimeType=application/x-lamvero-case;")
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

# The MIME type the entry opens is the one the package file declares, for
# *.lamvero, in German and English, with the icon installed under its name.
file(READ "${PREFIX}/share/mime/packages/lamvero.xml" mime)
foreach(part "<mime-type type=\"application/x-lamvero-case\">" "<glob pattern=\"*.lamvero\"/>"
             "<comment>" "<comment xml:lang=\"de\">" "<icon name=\"application-x-lamvero-case\"/>")
  string(FIND "${mime}" "${part}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "MIME package file lacks ${part}")
  endif()
endforeach()

# The desktop's own tool accepts the package and finds the type by the file name.
find_program(update_mime update-mime-database)
if(update_mime)
  execute_process(COMMAND "${update_mime}" "${PREFIX}/share/mime" RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "update-mime-database rejects the package: ${err}")
  endif()
  file(STRINGS "${PREFIX}/share/mime/globs2" globs REGEX "application/x-lamvero-case")
  if(NOT globs MATCHES "application/x-lamvero-case:\\*\\.lamvero")
    message(FATAL_ERROR "update-mime-database does not map *.lamvero: ${globs}")
  endif()
endif()
