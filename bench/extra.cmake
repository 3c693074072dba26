# Start-up measurement programs for bench/startup.sh (not Google Benchmark programs).
add_executable(startup_minimal_window ${CMAKE_CURRENT_LIST_DIR}/minimal_window.cpp
                                      ${CMAKE_CURRENT_LIST_DIR}/startup_probe.h)
target_link_libraries(startup_minimal_window PRIVATE Qt6::Widgets Qt6::PrintSupport)

add_executable(startup_quorvel ${CMAKE_CURRENT_LIST_DIR}/startup_quorvel.cpp
                               ${CMAKE_CURRENT_LIST_DIR}/startup_probe.h)
target_link_libraries(startup_quorvel PRIVATE quorvel_ui)
