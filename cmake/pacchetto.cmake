# What makes the program a desktop application once installed: the launcher,
# the icon (drawn as SVG, with PNG sizes rendered at build time by svgshot),
# the AppStream metadata; and the Debian package that CPack builds from the
# install rules ("cpack -G DEB" in the build folder).
include(GNUInstallDirs)

set(PINNOLE_ID example.vermilo.pinnole)
set(PINNOLE_ICONA ${CMAKE_SOURCE_DIR}/desktop/${PINNOLE_ID}.svg)
set(PINNOLE_DIMENSIONI_ICONA 16 24 32 48 64 128 256)

set(icone_png)
foreach(lato IN LISTS PINNOLE_DIMENSIONI_ICONA)
  set(png ${CMAKE_BINARY_DIR}/icone/${lato}x${lato}/${PINNOLE_ID}.png)
  add_custom_command(
    OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icone/${lato}x${lato}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:svgshot> ${PINNOLE_ICONA} ${png} ${lato} ${lato}
    DEPENDS svgshot ${PINNOLE_ICONA}
    COMMENT "Rendering the ${lato}x${lato} icon"
    VERBATIM)
  list(APPEND icone_png ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${lato}x${lato}/apps)
endforeach()
add_custom_target(icone ALL DEPENDS ${icone_png})

install(FILES ${PINNOLE_ICONA} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/${PINNOLE_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/${PINNOLE_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pinnole)
set(CPACK_PACKAGE_VENDOR "Vermilo")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "reading exercises for young children, usable with switches")
set(CPACK_PACKAGE_DESCRIPTION
  "Pinnole helps young children learn to read short Italian sentences about little houses painted in random colours, read aloud by a speaking character. Children with motor disabilities can use it alone, with the mouse, the keyboard, two switches or one switch through automatic scanning.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Pinnole <pinnole@vermilo.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.vermilo.example/pinnole/")
# The libraries the program links are found by dpkg-shlibdeps; what it
# loads or reads at run time is named here: the Qt plugins for the screen,
# pictures, sound and printing come with these libraries, the Italian voice
# data, the cursive font, the PulseAudio and CUPS clients.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6svg6 (>= 6.4), libqt6multimedia6 (>= 6.4), libqt6printsupport6 (>= 6.4), libespeak-ng1, espeak-ng-data, fonts-ecolier-court, libpulse0, libcups2, qt6-translations-l10n")
include(CPack)
