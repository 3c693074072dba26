# The stored properties of the print window's two buttons.
qt_add_resources(quorvel_ui "report_forms"
  PREFIX "/forms"
  BASE ${CMAKE_CURRENT_LIST_DIR}
  FILES ${CMAKE_CURRENT_LIST_DIR}/form2.frm)
