# The About box's stored button properties, read by loadFormButtons.
qt_add_resources(quorvel_ui "about_forms" PREFIX "/forms" BASE ${CMAKE_CURRENT_LIST_DIR}
  FILES ${CMAKE_CURRENT_LIST_DIR}/frmabout.frm)
