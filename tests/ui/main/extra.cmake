# Some main-window tests need a process of their own and run the window in a helper program,
# looking at what it reports: the Close command ends the whole process, and the system locale
# is read once per process.
add_executable(form1_close_helper ${CMAKE_CURRENT_LIST_DIR}/helpers/form1closehelper.cpp)
target_link_libraries(form1_close_helper PRIVATE quorvel_ui Qt6::Test)
if(TARGET tst_form1close)
  add_dependencies(tst_form1close form1_close_helper)
  target_compile_definitions(tst_form1close PRIVATE
    FORM1_CLOSE_HELPER="$<TARGET_FILE:form1_close_helper>")
endif()

add_executable(form1_locale_helper ${CMAKE_CURRENT_LIST_DIR}/helpers/form1localehelper.cpp)
target_link_libraries(form1_locale_helper PRIVATE quorvel_ui Qt6::Test)
if(TARGET tst_form1locale)
  add_dependencies(tst_form1locale form1_locale_helper)
  target_compile_definitions(tst_form1locale PRIVATE
    FORM1_LOCALE_HELPER="$<TARGET_FILE:form1_locale_helper>")
endif()
