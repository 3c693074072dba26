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

# The monkey test gives 20,000 random input events in every build, the sanitizer build
# included, and stops after 60 s whatever it has reached. QUORVEL_MONKEY_START set in the
# environment of ctest repeats a run that failed (the test prints the value it used).
if(TARGET tst_monkey)
  set_tests_properties(tst_monkey PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QUORVEL_MONKEY_EVENTS=20000;QUORVEL_MONKEY_SECONDS=60"
    TIMEOUT 240)
endif()

# Tests whose windows save reports beside the test programs (the Save command's folder) count
# and remove those files, so they take turns (tst_textreport, in ui/report, joins them).
foreach(test tst_form1 tst_desktopinput tst_monkey)
  if(TARGET ${test})
    set_tests_properties(${test} PROPERTIES RESOURCE_LOCK report_folder)
  endif()
endforeach()
