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

file(GLOB QUORVEL_MAIN_TR_SOURCES CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/src/ui/*.cpp ${PROJECT_SOURCE_DIR}/src/ui/*.h
  ${PROJECT_SOURCE_DIR}/src/ui/main/*.cpp ${PROJECT_SOURCE_DIR}/src/ui/main/*.h
  ${PROJECT_SOURCE_DIR}/src/ui/report/*.cpp ${PROJECT_SOURCE_DIR}/src/ui/report/*.h
  ${PROJECT_SOURCE_DIR}/src/ui/about/*.cpp ${PROJECT_SOURCE_DIR}/src/ui/about/*.h
  ${PROJECT_SOURCE_DIR}/src/ui/gantt/*.cpp ${PROJECT_SOURCE_DIR}/src/ui/gantt/*.h
  ${PROJECT_SOURCE_DIR}/src/ui/button/*.cpp ${PROJECT_SOURCE_DIR}/src/ui/button/*.h
  ${PROJECT_SOURCE_DIR}/src/platform/*.cpp ${PROJECT_SOURCE_DIR}/src/platform/*.h)
file(GLOB QUORVEL_LAB_TR_SOURCES CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/src/ui/lab/*.cpp ${PROJECT_SOURCE_DIR}/src/ui/lab/*.h
  ${PROJECT_SOURCE_DIR}/src/ui/practice/*.cpp ${PROJECT_SOURCE_DIR}/src/ui/practice/*.h
  ${PROJECT_SOURCE_DIR}/src/worksheet/*.cpp ${PROJECT_SOURCE_DIR}/src/worksheet/*.h)

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
