# The windows' translations (Qt Linguist). The Indonesian texts in the sources are the source
# texts; translations/ holds one .ts file per group of windows, so that each file carries only
# the contexts of its own windows:
#   quorvel_en.ts     - the main window, the print window and report texts, the About box, the
#                       Gantt chart window, the drawn button, the platform's messages
#   quorvel_lab_en.ts - the laboratory, Latihan and the worksheets
# `cmake --build <dir> --target update_translations` runs lupdate over the sources into both
# files; lrelease compiles them into the resources of quorvel_ui as :/i18n/<name>.qm, read by
# src/ui/language.cpp. Included from src/CMakeLists.txt after quorvel_ui is defined.
find_package(Qt6 6.4 REQUIRED COMPONENTS LinguistTools)

set(QUORVEL_TRANSLATIONS_DIR ${PROJECT_SOURCE_DIR}/translations)

# The sources of each group, taken from the libraries' own source lists (src/CMakeLists.txt),
# so that a file added to a library is translated without being named twice.
set(QUORVEL_MAIN_TR_SOURCES)
set(QUORVEL_LAB_TR_SOURCES)
foreach(library quorvel_platform quorvel_uibase quorvel_button quorvel_charts quorvel_ui quorvel_worksheet)
  get_target_property(library_dir ${library} SOURCE_DIR)
  get_target_property(library_sources ${library} SOURCES)
  foreach(source IN LISTS library_sources)
    if(NOT source MATCHES "\\.(cpp|h)$")
      continue()
    endif()
    cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${library_dir} OUTPUT_VARIABLE path)
    cmake_path(RELATIVE_PATH path BASE_DIRECTORY ${PROJECT_SOURCE_DIR}/src OUTPUT_VARIABLE relative)
    if(relative MATCHES "^(ui/lab|ui/practice|worksheet)/")
      list(APPEND QUORVEL_LAB_TR_SOURCES ${path})
    elseif(relative MATCHES "^(ui/[^/]+|ui/(main|report|about|gantt|button)/.+|platform/.+)$")
      list(APPEND QUORVEL_MAIN_TR_SOURCES ${path})
    endif()
  endforeach()
endforeach()
list(REMOVE_DUPLICATES QUORVEL_MAIN_TR_SOURCES)
list(REMOVE_DUPLICATES QUORVEL_LAB_TR_SOURCES)

# lupdate runs once per file (its target is named after the first argument), each over its own
# sources; obsolete entries are dropped so that a file holds only texts still in use.
qt_add_lupdate(quorvel_ui
  TS_FILES ${QUORVEL_TRANSLATIONS_DIR}/quorvel_en.ts
  SOURCES ${QUORVEL_MAIN_TR_SOURCES}
  INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}/src
  OPTIONS -no-obsolete -locations none)
add_custom_target(quorvel_lab_texts)
qt_add_lupdate(quorvel_lab_texts
  TS_FILES ${QUORVEL_TRANSLATIONS_DIR}/quorvel_lab_en.ts
  SOURCES ${QUORVEL_LAB_TR_SOURCES}
  INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}/src
  OPTIONS -no-obsolete -locations none)

qt_add_lrelease(quorvel_ui
  TS_FILES ${QUORVEL_TRANSLATIONS_DIR}/quorvel_en.ts ${QUORVEL_TRANSLATIONS_DIR}/quorvel_lab_en.ts
  QM_FILES_OUTPUT_VARIABLE QUORVEL_QM_FILES
  OPTIONS -silent)
qt_add_resources(quorvel_ui "translations" PREFIX "/i18n" BASE ${CMAKE_CURRENT_BINARY_DIR}
  FILES ${QUORVEL_QM_FILES})
