# Installs the library, its header, a CMake package (vxclcmd::vxclcmd) and a
# pkg-config file.
include(CMakePackageConfigHelpers)

set(VXCL_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/vxclcmd)

install(TARGETS vxclcmd EXPORT vxclcmdTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  PUBLIC_HEADER DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT vxclcmdTargets NAMESPACE vxclcmd::
  DESTINATION ${VXCL_CMAKE_DIR})

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/vxclcmdConfig.cmake.in
  ${PROJECT_BINARY_DIR}/vxclcmdConfig.cmake
  INSTALL_DESTINATION ${VXCL_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/vxclcmdConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/vxclcmdConfig.cmake
              ${PROJECT_BINARY_DIR}/vxclcmdConfigVersion.cmake
  DESTINATION ${VXCL_CMAKE_DIR})

# The pkg-config file finds its prefix from its own place, so the install
# tree can move (cmake --install --prefix).
file(RELATIVE_PATH VXCL_PC_TO_PREFIX
     ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/pkgconfig
     ${CMAKE_INSTALL_PREFIX})
configure_file(${PROJECT_SOURCE_DIR}/cmake/vxclcmd.pc.in
  ${PROJECT_BINARY_DIR}/vxclcmd.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/vxclcmd.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# The PPDs that make a SATO printer's CUPS queue pass label jobs through
# unchanged and report the printer's resolution and printable area.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/share/ppd/
  DESTINATION ${CMAKE_INSTALL_DATADIR}/vxclcmd/ppd
  FILES_MATCHING PATTERN "*.ppd")

# The Windows face names the library maps on Linux (it loads its own copy);
# installed for administrators who want other programs to share them.
install(FILES ${PROJECT_SOURCE_DIR}/share/fontconfig/vxclcmd-windows-faces.conf
  DESTINATION ${CMAKE_INSTALL_DATADIR}/vxclcmd/fontconfig)
