include(${CMAKE_CURRENT_LIST_DIR}/cupsserver.cmake)
quorvel_use_cups_server(tst_reportprinter)
