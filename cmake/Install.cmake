# Installation layout, following the freedesktop conventions:
#   bin/mapeditor, bin/maptool                      (each target installs itself)
#   share/mapeditor/{tiles/, TarList.dat, samples/}  the data folder the program falls back to
#   share/applications/mapeditor.desktop             the menu entry
#   share/icons/hicolor/<size>/apps/mapeditor.*      the icon theme entries
include(GNUInstallDirs)

set(_data "${PROJECT_SOURCE_DIR}/data")
# Relative to the prefix, so that `cmake --install --prefix` and DESTDIR both work; the
# program itself looks in MAPEDITOR_DATA_INSTALL_DIR, the same folder under the configured prefix.
set(_data_destination "${CMAKE_INSTALL_DATADIR}/mapeditor")

install(DIRECTORY "${_data}/tiles" "${_data}/samples" DESTINATION "${_data_destination}")
install(FILES "${_data}/TarList.dat" DESTINATION "${_data_destination}")

install(FILES "${_data}/desktop/mapeditor.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${_data}/icons/mapeditor.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
foreach(size 32 48 64 128 256)
    install(FILES "${_data}/icons/mapeditor-${size}.png"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
            RENAME mapeditor.png)
endforeach()
