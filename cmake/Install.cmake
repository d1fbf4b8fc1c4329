# Installing Selvane as a desktop program, and packaging it as a .deb with CPack.
include(GNUInstallDirs)

# The program looks for its help topics in its working directory; the desktop entry starts it
# there.
# (Computed here: the FULL variables of GNUInstallDirs may belong to another scope.)
if(IS_ABSOLUTE "${CMAKE_INSTALL_DATADIR}")
  set(SELVANE_HELP_INSTALL_DIR "${CMAKE_INSTALL_DATADIR}/selvane/help")
else()
  set(SELVANE_HELP_INSTALL_DIR "${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/selvane/help")
endif()
set(SELVANE_HOMEPAGE "https://selvane.org" CACHE STRING "Where the project is published")
set(SELVANE_RELEASE_DATE "2026-12-05")

configure_file(resources/desktop/selvane.desktop.in
               ${CMAKE_BINARY_DIR}/desktop/selvane.desktop @ONLY)
configure_file(resources/desktop/selvane.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/desktop/selvane.metainfo.xml @ONLY)

if(TARGET selvane)
  install(TARGETS selvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(TARGETS selvane-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
file(GLOB SELVANE_HELP_FILES ${PROJECT_SOURCE_DIR}/help/*.txt)
install(FILES ${SELVANE_HELP_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/selvane/help)
install(FILES resources/selvane.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES resources/selvane-48.png RENAME selvane.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps)
install(FILES ${CMAKE_BINARY_DIR}/desktop/selvane.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/desktop/selvane.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Scenario files: their MIME type and the icon file managers show for them. The package needs
# no maintainer scripts for them: Debian's shared-mime-info, hicolor-icon-theme and
# desktop-file-utils watch share/mime/packages, share/icons/hicolor and share/applications
# with dpkg triggers, and rebuild the MIME database, icon cache and MIME-to-program cache when
# a package installs or removes files there.
install(FILES resources/desktop/selvane-scenario.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES resources/application-x-selvane-scenario.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes)
install(FILES resources/application-x-selvane-scenario-48.png
        RENAME application-x-selvane-scenario.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/mimetypes)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME selvane)
set(CPACK_PACKAGE_VENDOR "Selvane")
set(CPACK_PACKAGE_CONTACT "Selvane developers <dev@selvane.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# Shared-library dependencies are read off the binaries; the platform plugins and the fonts
# that stand in for "Courier New" are not linked, so they are named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
include(CPack)
