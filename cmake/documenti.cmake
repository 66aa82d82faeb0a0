# The documents of the program folder: the user's guide and the credits are
# laid out from their sources in docs/ by the documenti tool; the teachers'
# notes are rich text shown by the program itself and are copied as they are.
include(GNUInstallDirs)

set(PINNOLE_DOCUMENTI)
foreach(nome pinnole documento)
  set(sorgente ${CMAKE_SOURCE_DIR}/docs/${nome}.html)
  # Every picture the source names is rendered into the PDF, so a changed
  # picture lays the document out again; so does a picture added to the
  # source, since the source is read again at configure time.
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${sorgente})
  file(READ ${sorgente} testo)
  string(REGEX MATCHALL "src=\"[^\"]+\\.svg\"" figure "${testo}")
  set(dipendenze ${sorgente})
  foreach(figura IN LISTS figure)
    string(REGEX REPLACE "^src=\"(.*)\"$" "\\1" figura "${figura}")
    list(APPEND dipendenze ${CMAKE_SOURCE_DIR}/${figura})
  endforeach()

  add_custom_command(
    OUTPUT ${PINNOLE_PROGRAM_DIR}/${nome}.pdf
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:documenti> ${sorgente} ${PINNOLE_PROGRAM_DIR}/${nome}.pdf ${CMAKE_SOURCE_DIR}
    DEPENDS documenti ${dipendenze}
    COMMENT "Laying out ${nome}.pdf"
    VERBATIM)
  list(APPEND PINNOLE_DOCUMENTI ${PINNOLE_PROGRAM_DIR}/${nome}.pdf)
endforeach()

add_custom_command(
  OUTPUT ${PINNOLE_PROGRAM_DIR}/docdid.rtf
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/docs/docdid.rtf ${PINNOLE_PROGRAM_DIR}/docdid.rtf
  DEPENDS ${CMAKE_SOURCE_DIR}/docs/docdid.rtf
  COMMENT "Copying docdid.rtf"
  VERBATIM)
list(APPEND PINNOLE_DOCUMENTI ${PINNOLE_PROGRAM_DIR}/docdid.rtf)

add_custom_target(documenti_programma ALL DEPENDS ${PINNOLE_DOCUMENTI})
# The build tree runs as installed: its program folder is complete only
# with the documents.
add_dependencies(program_folder documenti_programma)

install(FILES ${PINNOLE_DOCUMENTI} DESTINATION ${CMAKE_INSTALL_DATADIR}/pinnole)
