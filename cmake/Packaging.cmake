# Installation of the programs into bin/ and share/, and the Debian packages built by
# `cpack -G DEB`: saruvi from the component "programs", saruvi-dev from "dev" (cmake/Sdk.cmake).

# Every install() below is the programs'.
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME programs)

set(programs saruvi saruvi-measure bmpinfo saruvi-gallery)
install(TARGETS ${programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/saruvi.desktop
              ${PROJECT_SOURCE_DIR}/resources/saruvi-gallery.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The menu icon in the theme's sizes, drawn by scripts/make_resources.py.
file(GLOB icons CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/saruvi_icon_*.png)
foreach(icon IN LISTS icons)
  string(REGEX REPLACE ".*_([0-9]+)\\.png$" "\\1" size ${icon})
  install(FILES ${icon}
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME saruvi.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/saruvi_icon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME saruvi.svg)

# Debian wants the changelog and the manual pages compressed, without a time stamp in the gzip
# header so that the package is the same whenever it is built.
set(doc_dir ${PROJECT_BINARY_DIR}/packaging)
set(compressed)
function(saruvi_gzip source target)
  add_custom_command(OUTPUT ${target} COMMAND gzip -9nc ${source} > ${target} DEPENDS ${source})
  set(compressed ${compressed} ${target} PARENT_SCOPE)
endfunction()

# The changelog's newest entry names the version being packaged.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog newest LIMIT_COUNT 1)
if(NOT newest MATCHES "^saruvi \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog starts with \"${newest}\", not version ${PROJECT_VERSION}")
endif()
saruvi_gzip(${PROJECT_SOURCE_DIR}/packaging/changelog ${doc_dir}/changelog.gz)

# saruvi-measure's page comes from its --help, so its options are documented where they are
# parsed; the windowed programs' pages are written by hand.
find_program(HELP2MAN help2man REQUIRED)
add_custom_command(
  OUTPUT ${doc_dir}/saruvi-measure.1
  COMMAND ${HELP2MAN} --no-info --section=1 "--name=measure dark regions in BMP images"
          --output=${doc_dir}/saruvi-measure.1 $<TARGET_FILE:saruvi-measure>
  DEPENDS saruvi-measure VERBATIM)
saruvi_gzip(${doc_dir}/saruvi-measure.1 ${doc_dir}/saruvi-measure.1.gz)
foreach(page saruvi saruvi-gallery bmpinfo)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/${page}.1.in ${doc_dir}/${page}.1 @ONLY)
  saruvi_gzip(${doc_dir}/${page}.1 ${doc_dir}/${page}.1.gz)
endforeach()
add_custom_target(saruvi_package_docs ALL DEPENDS ${compressed})

set(CPACK_DEBIAN_PROGRAMS_PACKAGE_NAME saruvi)
set(CPACK_DEBIAN_DEV_PACKAGE_NAME saruvi-dev)
# Debian wants both in each package's own folder of /usr/share/doc.
foreach(component programs dev)
  string(TOUPPER ${component} upper)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${doc_dir}/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_DEBIAN_${upper}_PACKAGE_NAME}
          COMPONENT ${component})
endforeach()
foreach(program ${programs})
  install(FILES ${doc_dir}/${program}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME saruvi)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Saruvi")
set(CPACK_PACKAGE_CONTACT "Saruvi developers <saruvi-dev@lists.saruvi.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL programs dev)
set(CPACK_DEBIAN_PROGRAMS_PACKAGE_SECTION graphics)
# The shared libraries (Qt 6 widgets among them) are found by dpkg-shlibdeps; the fonts that
# stand in for the forms' Japanese faces are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PROGRAMS_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-ipafont-mincho")
# Each description's first line is its package's summary: CPack would put the one summary
# CPACK_PACKAGE_DESCRIPTION_SUMMARY before both, so that is left unset.
string(CONCAT CPACK_DEBIAN_PROGRAMS_DESCRIPTION
    "measure the area of a dark region in a BMP image\n"
    "Saruvi grows a region from a seed point over the dark pixels of a Windows BMP\n"
    "image and counts it; saruvi-measure does the same for batches of images from\n"
    "the command line. saruvi-gallery shows Saruvi's library of custom controls and\n"
    "designs forms with them.")

set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
# A program built against the static libraries and headers needs the headers and link files of
# what they use: Qt 6 for the desktop host, nlohmann-json for the stored forms.
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "qt6-base-dev, nlohmann-json3-dev")
string(CONCAT CPACK_DEBIAN_DEV_DESCRIPTION
    "Saruvi's form framework and custom controls - development files\n"
    "The headers, the static libraries, the CMake package (find_package(Saruvi))\n"
    "and the pkg-config file of Saruvi's form framework, its custom controls and\n"
    "its Qt 6 desktop host.")
# Debian ships static libraries without their debugging information, as it does programs.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/StripStaticLibraries.cmake)
include(CPack)
