# A small program that saves a picture of the About box (docs/about-box.png); not a test.
add_executable(about_preview ${CMAKE_CURRENT_LIST_DIR}/aboutpreview.cpp)
target_link_libraries(about_preview PRIVATE quorvel_ui)
