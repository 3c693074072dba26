# Some main-window tests need a process of their own and run the window in a helper program,
# looking at what it reports: the Close command ends the whole process, and the system locale
# is read once per process.
#
# quorvel_window_helper(<helper> <source> <test> <define>): builds the helper and hands its
# path to the test as the compile definition <define>.
function(quorvel_window_helper helper source test define)
  add_executable(${helper} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/helpers/${source})
  target_link_libraries(${helper} PRIVATE quorvel_ui Qt6::Test)
  if(TARGET ${test})
    add_dependencies(${test} ${helper})
    target_compile_definitions(${test} PRIVATE ${define}="$<TARGET_FILE:${helper}>")
  endif()
endfunction()

quorvel_window_helper(form1_close_helper form1closehelper.cpp tst_form1close FORM1_CLOSE_HELPER)
quorvel_window_helper(form1_locale_helper form1localehelper.cpp tst_form1locale FORM1_LOCALE_HELPER)

# The main window as a screen reader reaches it: over AT-SPI, on a private display with its own
# D-Bus session and AT-SPI registry (scripts/atspi-session.sh), read with Debian's pyatspi.
find_program(QUORVEL_SYSTEM_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
if(QUORVEL_SYSTEM_PYTHON AND TARGET quorvel)
  add_test(NAME atspi_main_window
    COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/atspi-session.sh
            ${QUORVEL_SYSTEM_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/atspi_walk.py $<TARGET_FILE:quorvel>)
  # xvfb-run -a picks its display number without a lock: one private display at a time.
  # In the sanitizer build the program runs on X11, where libxkbcommon-x11 hands strndup a
  # buffer shorter than its limit when reading the keymap: correct C, but a heap overflow to
  # AddressSanitizer's strict string checks. Those alone are off for this test.
  set_tests_properties(atspi_main_window PROPERTIES TIMEOUT 240 RESOURCE_LOCK atspi_session
    ENVIRONMENT_MODIFICATION "ASAN_OPTIONS=string_append::strict_string_checks=0")
endif()

# The print window of the accessibility test lists the private CUPS server's queue.
include(${CMAKE_CURRENT_LIST_DIR}/../../platform/cupsserver.cmake)
if(TARGET tst_form1accessible)
  quorvel_use_cups_server(tst_form1accessible)
endif()
