# A private CUPS server for the printing tests, started and stopped by CTest around them.
# Its folder is short and fixed per build tree (a socket path must stay short).
include_guard(GLOBAL)

string(MD5 quorvel_cups_hash "${CMAKE_BINARY_DIR}")
string(SUBSTRING "${quorvel_cups_hash}" 0 10 quorvel_cups_hash)
set(QUORVEL_CUPS_DIR "/tmp/quorvel-cups-${quorvel_cups_hash}")
set(quorvel_cups_script "${PROJECT_SOURCE_DIR}/scripts/cups-test-server.sh")

add_test(NAME cups_server_start COMMAND ${quorvel_cups_script} start ${QUORVEL_CUPS_DIR})
set_tests_properties(cups_server_start PROPERTIES FIXTURES_SETUP cups_server TIMEOUT 60)
add_test(NAME cups_server_stop COMMAND ${quorvel_cups_script} stop ${QUORVEL_CUPS_DIR})
set_tests_properties(cups_server_stop PROPERTIES FIXTURES_CLEANUP cups_server TIMEOUT 60)

# The named tests print on that server: its socket, a private HOME (no ~/.cups of the caller)
# and no LPDEST/PRINTER choosing another default. They share the one queue, so they run one at a time.
# Each also asks the server about its jobs through libcups directly (the program itself opens
# the library only when it first needs it), so it links the library.
find_library(CUPS_LIBRARY NAMES cups REQUIRED)
function(quorvel_use_cups_server)
  foreach(test IN LISTS ARGN)
    target_link_libraries(${test} PRIVATE ${CUPS_LIBRARY})
    set_tests_properties(${test} PROPERTIES
      FIXTURES_REQUIRED cups_server
      RESOURCE_LOCK cups_server
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;CUPS_SERVER=${QUORVEL_CUPS_DIR}/run/cups.sock;HOME=${QUORVEL_CUPS_DIR}/home"
      ENVIRONMENT_MODIFICATION "LPDEST=unset:;PRINTER=unset:")
  endforeach()
endfunction()
