# Installation: the program, its desktop entry, icons, software-centre metadata, manual page
# and the package's documentation in the usual places below the prefix. The same rules fill
# the Debian package (cmake/debian-package.cmake). When the program's folder cannot be
# written, reports go into the user's documents folder, so a system-wide prefix works too.
include(GNUInstallDirs)

# Installed folders get the usual modes whatever the umask of the one who builds.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(QUORVEL_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(QUORVEL_ICON_DIR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

install(TARGETS quorvel quorvel-solve RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${QUORVEL_PACKAGING_DIR}/quorvel.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUORVEL_PACKAGING_DIR}/example.tamsira.quorvel.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon: the drawing itself and its renderings (resources/hicolor, made with
# rsvg-convert -w N -h N quorvel.svg) in the sizes desktops ask for.
install(FILES ${PROJECT_SOURCE_DIR}/resources/quorvel.svg DESTINATION ${QUORVEL_ICON_DIR}/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/resources/quorvel.png DESTINATION ${QUORVEL_ICON_DIR}/128x128/apps)
install(FILES ${PROJECT_SOURCE_DIR}/resources/quorvel@2x.png DESTINATION ${QUORVEL_ICON_DIR}/256x256/apps
        RENAME quorvel.png)
foreach(size 16 22 24 32 48 64)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/hicolor/quorvel-${size}.png
          DESTINATION ${QUORVEL_ICON_DIR}/${size}x${size}/apps RENAME quorvel.png)
endforeach()

# Manual page and changelog are installed compressed, as Debian wants them: best compression
# and no name or time stamp in the gzip header, so that two builds give the same bytes.
set(QUORVEL_COMPRESSED_DIR ${PROJECT_BINARY_DIR}/packaging)
set(QUORVEL_COMPRESSED)
foreach(name quorvel.1 quorvel-solve.1 changelog.Debian)
  set(out ${QUORVEL_COMPRESSED_DIR}/${name}.gz)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QUORVEL_COMPRESSED_DIR}
    COMMAND sh -c "gzip -9n -c \"$0\" > \"$1\"" ${QUORVEL_PACKAGING_DIR}/${name} ${out}
    DEPENDS ${QUORVEL_PACKAGING_DIR}/${name}
    VERBATIM)
  list(APPEND QUORVEL_COMPRESSED ${out})
endforeach()
add_custom_target(quorvel_compressed_docs ALL DEPENDS ${QUORVEL_COMPRESSED})

install(FILES ${QUORVEL_COMPRESSED_DIR}/quorvel.1.gz ${QUORVEL_COMPRESSED_DIR}/quorvel-solve.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${QUORVEL_PACKAGING_DIR}/copyright ${QUORVEL_COMPRESSED_DIR}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvel)
install(FILES ${QUORVEL_PACKAGING_DIR}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME quorvel)

include(${CMAKE_CURRENT_LIST_DIR}/debian-package.cmake)
