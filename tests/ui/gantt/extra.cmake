# A small program that saves pictures of the Gantt chart window (docs/gantt-*.png); not a test.
add_executable(gantt_preview ${CMAKE_CURRENT_LIST_DIR}/ganttpreview.cpp)
target_link_libraries(gantt_preview PRIVATE quorvel_ui)
