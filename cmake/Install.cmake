# Installation: the program in bin/, its data (the program folder of the build without the
# executable: the picture library with its rendered pictures, the samples, the help) in
# share/vexilardo/, and what the desktop needs to offer it: the menu entry, the icon, the
# AppStream record and the diagram's file type.
include(GNUInstallDirs)

# Where the installed program looks for its data, relative to its own folder.
file(RELATIVE_PATH VX_INSTALLED_DATA ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/vexilardo)
target_compile_definitions(vexilardo PRIVATE VX_INSTALLED_DATA="${VX_INSTALLED_DATA}")

install(TARGETS vexilardo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# What a run from the build folder left there (its settings) is not data.
install(DIRECTORY ${VEXILARDO_PROGRAM_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/vexilardo
        PATTERN vexilardo EXCLUDE
        PATTERN settings.ini EXCLUDE
        PATTERN .gitkeep EXCLUDE)

set(VX_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
install(FILES ${VX_PACKAGING_DIR}/vexilardo.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VX_PACKAGING_DIR}/vexilardo.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${VX_PACKAGING_DIR}/vexilardo-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME vexilardo.xml)
install(FILES ${VX_PACKAGING_DIR}/icons/vexilardo.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${VX_PACKAGING_DIR}/icons/vexilardo-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME vexilardo.png)
endforeach()
