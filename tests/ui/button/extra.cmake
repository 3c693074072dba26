# Helper program (not a test): the button in each look, enlarged, for docs/buttons.png.
add_executable(button_gallery ${CMAKE_CURRENT_LIST_DIR}/button_gallery.cpp)
target_link_libraries(button_gallery PRIVATE quorvel_button)
target_include_directories(button_gallery PRIVATE ${PROJECT_SOURCE_DIR}/tests)
