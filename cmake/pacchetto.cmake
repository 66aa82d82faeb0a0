# What makes the program a desktop application once installed: the launcher,
# the icon (drawn as SVG, with PNG sizes rendered at build time by svgshot),
# the AppStream metadata and the manual page. The Debian package is built
# from these install rules by debian/ (dpkg-buildpackage).
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

install(FILES ${CMAKE_SOURCE_DIR}/desktop/pinnole.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
