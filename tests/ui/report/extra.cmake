include(${CMAKE_CURRENT_LIST_DIR}/../../platform/cupsserver.cmake)
if(TARGET tst_form2)
  quorvel_use_cups_server(tst_form2)
endif()
