include(${CMAKE_CURRENT_LIST_DIR}/../../platform/cupsserver.cmake)
if(TARGET tst_form2)
  quorvel_use_cups_server(tst_form2)
endif()
# Saves a report beside the test programs, as the main-window tests do (tests/ui/main/extra.cmake).
if(TARGET tst_textreport)
  set_tests_properties(tst_textreport PROPERTIES RESOURCE_LOCK report_folder)
endif()
