# Installation into bin/ and share/, and the Debian package built from it by `cpack -G DEB`.

include(GNUInstallDirs)

install(TARGETS saruvi saruvi-measure bmpinfo saruvi-gallery
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/saruvi.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The menu icon is the window's icon, turned into PNG by bmpinfo at build time.
set(icon_png ${PROJECT_BINARY_DIR}/saruvi.png)
add_custom_command(
  OUTPUT ${icon_png}
  COMMAND bmpinfo ${PROJECT_SOURCE_DIR}/resources/saruvi_icon.bmp ${icon_png} > /dev/null
  DEPENDS bmpinfo ${PROJECT_SOURCE_DIR}/resources/saruvi_icon.bmp
  COMMENT "Writing the menu icon saruvi.png")
add_custom_target(saruvi_menu_icon ALL DEPENDS ${icon_png})
install(FILES ${icon_png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME saruvi)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Saruvi")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Measures the area of a dark region in a BMP image")
set(CPACK_PACKAGE_DESCRIPTION
    "Saruvi grows a region from a seed point over the dark pixels of a Windows BMP image and\n"
    "counts it; saruvi-measure does the same for batches of images from the command line.")
set(CPACK_PACKAGE_CONTACT "Saruvi developers <saruvi@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# The shared libraries (Qt 6 widgets among them) are found by dpkg-shlibdeps; the fonts that
# stand in for the forms' Japanese faces are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-ipafont-mincho")
include(CPack)
