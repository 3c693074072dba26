# The Gantt chart window's stored button properties, read by loadFormButtons, and Qt SVG for
# saving the chart as a drawing whose texts stay texts.
target_link_libraries(quorvel_ui PRIVATE Qt6::Svg)
qt_add_resources(quorvel_ui "gantt_forms" PREFIX "/forms" BASE ${CMAKE_CURRENT_LIST_DIR}
  FILES ${CMAKE_CURRENT_LIST_DIR}/frmgantt.frm)
