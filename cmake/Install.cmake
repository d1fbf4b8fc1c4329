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
if(TARGET selvane-views)
  # Loaded by the window program on first use, from the folder it was built to look in.
  install(TARGETS selvane-views LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/selvane)
endif()
file(GLOB SELVANE_HELP_FILES ${PROJECT_SOURCE_DIR}/help/*.txt)
install(FILES ${SELVANE_HELP_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/selvane/help)
foreach(language de fr)
  file(GLOB topics ${PROJECT_SOURCE_DIR}/translations/help/${language}/*.txt)
  install(FILES ${topics} DESTINATION ${CMAKE_INSTALL_DATADIR}/selvane/help/${language})
endforeach()
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

# The manual pages and the package's own documents, compressed as Debian keeps them (gzip -9n:
# no file name or time stamp inside, so the package is the same from one build to the next).
find_program(SELVANE_GZIP gzip REQUIRED)
set(SELVANE_GZIPPED)
set(SELVANE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/selvane)
foreach(file man/selvane.1 man/selvane-cli.1 resources/debian/changelog)
  get_filename_component(name ${file} NAME)
  configure_file(${file} ${CMAKE_BINARY_DIR}/gzipped/${name} @ONLY)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/gzipped/${name}.gz
    COMMAND sh -c "${SELVANE_GZIP} -9nc \"$1\" > \"$1.gz\"" sh ${CMAKE_BINARY_DIR}/gzipped/${name}
    DEPENDS ${CMAKE_BINARY_DIR}/gzipped/${name} VERBATIM)
  list(APPEND SELVANE_GZIPPED ${CMAKE_BINARY_DIR}/gzipped/${name}.gz)
endforeach()
add_custom_target(selvane_gzipped ALL DEPENDS ${SELVANE_GZIPPED})
install(FILES ${CMAKE_BINARY_DIR}/gzipped/selvane.1.gz ${CMAKE_BINARY_DIR}/gzipped/selvane-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/gzipped/changelog.gz resources/debian/copyright
              docs/selvane-cli.md
        DESTINATION ${SELVANE_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_NAME selvane)
set(CPACK_PACKAGE_VENDOR "Selvane")
set(CPACK_PACKAGE_CONTACT "Selvane developers <dev@selvane.org>")
# The synopsis, and the extended description under it: CPack indents each line and marks the
# empty one as a paragraph break.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for loans, mortgages, leases and savings")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Selvane answers the money questions of a household in one window: the
payment, the amount, the end amount or the number of payments of a
personal loan, a mortgage, a lease, an income from capital or a savings
plan, with the report of every payment, a chart, printouts and
spreadsheet files. Its What If window shows what extra payments or a
change of the rate would do, and finds the rate behind an offer.

selvane-cli runs the same calculator from a script, without a window.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# Shared-library dependencies are read off the binaries; the platform plugins and the fonts
# that stand in for "Courier New" are not linked, so they are named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
# Qt's own texts (the buttons of the file and print dialogs) in German and French.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
include(CPack)
