# Helper program (not a test): the button in each look, enlarged, for docs/buttons.png.
add_executable(button_gallery ${CMAKE_CURRENT_LIST_DIR}/button_gallery.cpp)
target_link_libraries(button_gallery PRIVATE quorvel_button)
target_include_directories(button_gallery PRIVATE ${PROJECT_SOURCE_DIR}/tests)

# The accessibility interface once more where its events can be seen: offscreen has no
# accessibility, so the name and state change events are only checked on the AT-SPI bus.
# Not in the sanitizer build: there the leak check at exit would judge Qt's D-Bus bridge,
# not this code, which the offscreen run of the same test covers.
if(TARGET tst_buttonaccessible AND NOT QUORVEL_SANITIZE)
  add_test(NAME tst_buttonaccessible_atspi
    COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/atspi-session.sh $<TARGET_FILE:tst_buttonaccessible>)
  set_tests_properties(tst_buttonaccessible_atspi PROPERTIES TIMEOUT 240 RESOURCE_LOCK atspi_session)
endif()
