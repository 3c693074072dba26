# The Close command ends the whole process, so its tests run the main window in a helper
# program of their own and look at what it reports.
add_executable(form1_close_helper ${CMAKE_CURRENT_LIST_DIR}/helpers/form1closehelper.cpp)
target_link_libraries(form1_close_helper PRIVATE quorvel_ui Qt6::Test)
if(TARGET tst_form1close)
  add_dependencies(tst_form1close form1_close_helper)
  target_compile_definitions(tst_form1close PRIVATE
    FORM1_CLOSE_HELPER="$<TARGET_FILE:form1_close_helper>")
endif()
