# Install rules, the pkg-config file, the CMake package and the Debian package.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# Three packages, as Debian splits a program with a library: the program, the run-time library
# and the development files.
install(TARGETS tessaly RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
# The reader module, where src/verify looks for it beside the program.
install(TARGETS tsy_zxing_reader LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/tessaly COMPONENT program)
install(TARGETS tessaly_encoders EXPORT TessalyEncodersTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT library NAMELINK_COMPONENT development)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/tessaly DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
  COMPONENT development FILES_MATCHING PATTERN "*.h")

# The prefix relative to the .pc file, so the file stays right under DESTDIR or --prefix.
file(RELATIVE_PATH PC_PREFIX_FROM_PCDIR ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig
  ${CMAKE_INSTALL_PREFIX})
configure_file(${PROJECT_SOURCE_DIR}/packaging/tessaly-encoders.pc.in
  ${PROJECT_BINARY_DIR}/tessaly-encoders.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/tessaly-encoders.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT development)

set(_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/TessalyEncoders)
install(EXPORT TessalyEncodersTargets NAMESPACE Tessaly:: DESTINATION ${_cmake_dir}
  COMPONENT development)
configure_package_config_file(${PROJECT_SOURCE_DIR}/packaging/TessalyEncodersConfig.cmake.in
  ${PROJECT_BINARY_DIR}/TessalyEncodersConfig.cmake INSTALL_DESTINATION ${_cmake_dir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/TessalyEncodersConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/TessalyEncodersConfig.cmake
  ${PROJECT_BINARY_DIR}/TessalyEncodersConfigVersion.cmake DESTINATION ${_cmake_dir}
  COMPONENT development)

# Debian wants manual pages and changelogs compressed, reproducibly.
foreach(pair "docs/tessaly.1;tessaly.1.gz" "docs/tessaly-gui.1;tessaly-gui.1.gz"
    "packaging/changelog;changelog.Debian.gz")
  list(GET pair 0 source)
  list(GET pair 1 target)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/${target}
    COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/${source} > ${PROJECT_BINARY_DIR}/${target}
    DEPENDS ${PROJECT_SOURCE_DIR}/${source} VERBATIM)
  list(APPEND _compressed ${PROJECT_BINARY_DIR}/${target})
endforeach()
add_custom_target(tessaly_compressed_docs ALL DEPENDS ${_compressed})
install(FILES ${PROJECT_BINARY_DIR}/tessaly.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
  COMPONENT program)

# The window program and its desktop integration: launcher, document MIME types, icon.
if(TESSALY_GUI)
  install(TARGETS tessaly-gui RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
  install(FILES ${PROJECT_BINARY_DIR}/tessaly-gui.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
    COMPONENT program)
  install(FILES data/tessaly.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications
    COMPONENT program)
  install(FILES data/tessaly-mime.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/mime/packages
    RENAME tessaly.xml COMPONENT program)
  install(FILES data/tessaly.svg
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps COMPONENT program)
endif()
foreach(component_package "program;tessaly" "library;libtessaly-encoders2"
    "development;libtessaly-encoders-dev")
  list(GET component_package 0 component)
  list(GET component_package 1 package)
  install(FILES ${PROJECT_BINARY_DIR}/changelog.Debian.gz packaging/copyright
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package} COMPONENT ${component})
  string(TOUPPER ${component} upper)
  set(CPACK_DEBIAN_${upper}_PACKAGE_NAME ${package})
endforeach()

set(CPACK_PACKAGE_NAME tessaly)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tessaly developers <dev@tessaly.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "barcode symbol generator")
set(CPACK_PACKAGE_DESCRIPTION "Builds Aztec, PDF417, QR, Code 128 and Code 39 symbols as
pictures, metafiles, C++ sources or document files.")
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL program library development)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_LIBRARY_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
# Opened at run time (platform/lazy_library), so dpkg-shlibdeps cannot see them in the binary.
set(CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS "libjpeg62-turbo, libgif7, libfreetype6, libfontconfig1, \
libglib2.0-0, libtiff6, libgsf-1-114, libcairo2, libqrencode4")
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "libtessaly-encoders2 (= ${PROJECT_VERSION}-1)")
set(CPACK_COMPONENT_LIBRARY_DESCRIPTION "barcode symbol encoders (PDF417, QR) with a C interface")
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION
  "Tessaly encoder library: development files")
set(CPACK_COMPONENT_PROGRAM_DESCRIPTION "barcode symbol generator (command line and window program)")
configure_file(${PROJECT_SOURCE_DIR}/packaging/triggers ${PROJECT_BINARY_DIR}/deb-library/triggers
  COPYONLY)
set(CPACK_DEBIAN_LIBRARY_PACKAGE_CONTROL_EXTRA ${PROJECT_BINARY_DIR}/deb-library/triggers)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_STRIP_FILES ON)
set(CPACK_SET_DESTDIR OFF)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
