# What a developer builds against: the headers under include/saruvi with the paths the sources
# use, the layers' static libraries, a CMake package (find_package(Saruvi)) and a pkg-config file.
# Everything here belongs to the component "dev", which the Debian packaging makes saruvi-dev.

include(CMakePackageConfigHelpers)

set(framework_layers saruvi_core saruvi_platform saruvi_bmp saruvi_graphics saruvi_windows
                     saruvi_forms saruvi_stdctrls saruvi_streaming saruvi_headless)

# Saruvi::framework is every layer but the desktop host, which is Saruvi::desktop, so that a
# program (or a test of one) on the headless host needs no Qt.
add_library(saruvi_framework INTERFACE)
target_link_libraries(saruvi_framework INTERFACE ${framework_layers})
set_target_properties(saruvi_framework PROPERTIES EXPORT_NAME framework)
foreach(layer ${framework_layers})
  string(REGEX REPLACE "^saruvi_" "" name ${layer})
  set_target_properties(${layer} PROPERTIES EXPORT_NAME ${name})
endforeach()
set_target_properties(saruvi_controls PROPERTIES EXPORT_NAME controls)
set_target_properties(saruvi_platform_qt PROPERTIES EXPORT_NAME desktop)

install(TARGETS saruvi_framework ${framework_layers} saruvi_controls saruvi_platform_qt
        EXPORT SaruviTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT dev)

# The desktop host's other headers name Qt types; a program reaches the host through
# DesktopHost.h alone.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/framework DESTINATION ${SARUVI_INSTALL_INCLUDEDIR}
        COMPONENT dev FILES_MATCHING PATTERN "*.h" PATTERN "qt" EXCLUDE)
install(FILES ${PROJECT_SOURCE_DIR}/framework/platform/qt/DesktopHost.h
        DESTINATION ${SARUVI_INSTALL_INCLUDEDIR}/framework/platform/qt COMPONENT dev)
install(FILES ${PROJECT_BINARY_DIR}/include/framework/core/Version.h
        DESTINATION ${SARUVI_INSTALL_INCLUDEDIR}/framework/core COMPONENT dev)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/controls DESTINATION ${SARUVI_INSTALL_INCLUDEDIR}
        COMPONENT dev FILES_MATCHING PATTERN "*.h")

set(package_dir ${CMAKE_INSTALL_LIBDIR}/cmake/Saruvi)
install(EXPORT SaruviTargets NAMESPACE Saruvi:: DESTINATION ${package_dir} COMPONENT dev)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/SaruviConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/SaruviConfig.cmake
                              INSTALL_DESTINATION ${package_dir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/SaruviConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/SaruviConfig.cmake
              ${PROJECT_BINARY_DIR}/SaruviConfigVersion.cmake
              ${PROJECT_SOURCE_DIR}/cmake/EmbedResources.cmake
              ${PROJECT_SOURCE_DIR}/cmake/EmbedScript.cmake
        DESTINATION ${package_dir} COMPONENT dev)

# The libraries in link order, each before the ones it needs.
set(pkg_libs)
foreach(library saruvi_controls saruvi_platform_qt saruvi_headless saruvi_streaming
                saruvi_stdctrls saruvi_forms saruvi_windows saruvi_graphics saruvi_bmp
                saruvi_platform saruvi_core)
  string(APPEND pkg_libs " -l${library}")
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/cmake/saruvi.pc.in ${PROJECT_BINARY_DIR}/saruvi.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/saruvi.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
        COMPONENT dev)
