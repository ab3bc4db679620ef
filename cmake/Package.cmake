# A Debian package of what the installation puts in place: cpack -G DEB in the build folder.
# The libraries the program links come from dpkg-shlibdeps; what it only loads or reads at run
# time is named here: Qt's Bulgarian translations, the DejaVu fonts the program font maps to,
# and the shared MIME database that learns the diagram's file type.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vexilardo)
set(CPACK_PACKAGE_VENDOR "Vexilardo")
set(CPACK_PACKAGE_CONTACT "Vexilardo <vexilardo@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "diagram editor with a Bulgarian interface")
set(CPACK_PACKAGE_DESCRIPTION
    "Вексилардо draws network and electronics diagrams: pictures from a categorised library,\n\
text fields, shapes, table grids and connection lines that follow the pictures. Diagrams are\n\
saved as .dia files, exported as BMP, GIF, JPEG, PNG, SVG or PDF and printed.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-dejavu-core, shared-mime-info")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "desktop-file-utils, hicolor-icon-theme")
include(CPack)
