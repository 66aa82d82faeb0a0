target_sources(pinnole_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Livelli.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Scansione.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Navigazione.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TastiTenuti.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TastiFiltrati.cpp
)
target_sources(pinnole_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Pulsante.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ControlloScansione.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FinestraEsercizio.cpp
)
