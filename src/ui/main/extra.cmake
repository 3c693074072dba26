# The main window's stored button properties, read by loadFormButtons.
qt_add_resources(quorvel_ui "main_forms" PREFIX "/forms" BASE ${CMAKE_CURRENT_LIST_DIR}
  FILES ${CMAKE_CURRENT_LIST_DIR}/form1.frm)
