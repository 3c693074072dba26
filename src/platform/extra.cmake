# The printer layer talks to CUPS for the default destination and for submitting jobs.
# Debian's libcups2-dev ships no pkg-config file, so the header and library are looked up directly.
find_path(CUPS_INCLUDE_DIR cups/cups.h REQUIRED)
find_library(CUPS_LIBRARY NAMES cups REQUIRED)
target_include_directories(quorvel_platform PRIVATE ${CUPS_INCLUDE_DIR})
target_link_libraries(quorvel_platform PUBLIC ${CUPS_LIBRARY})
