# The program's icon, shared by every window through the resource path :/icons/quorvel.png.
# quorvel.png is rendered from quorvel.svg (rsvg-convert -w 128 -h 128 quorvel.svg -o quorvel.png),
# quorvel@2x.png the same at 256 x 256 for dense screens (Qt picks it by its name where the
# device pixel ratio is 2 or more).
if(TARGET quorvel_ui)
  qt_add_resources(quorvel_ui "icons" PREFIX "/icons" BASE ${CMAKE_CURRENT_LIST_DIR}
    FILES ${CMAKE_CURRENT_LIST_DIR}/quorvel.png ${CMAKE_CURRENT_LIST_DIR}/quorvel@2x.png)
endif()
