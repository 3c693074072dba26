# The printer layer talks to CUPS for the default destination and for submitting jobs. Only the
# header is needed at build time: the library is opened when the first printer query is made
# (platform/cupslibrary.cpp). Debian's libcups2-dev ships no pkg-config file, so the header is
# looked up directly.
find_path(CUPS_INCLUDE_DIR cups/cups.h REQUIRED)
target_include_directories(quorvel_platform PRIVATE ${CUPS_INCLUDE_DIR})
target_link_libraries(quorvel_platform PUBLIC ${CMAKE_DL_LIBS})
