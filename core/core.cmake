target_sources(pinnole_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Casuale.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TestoFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Percorsi.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Impostazioni.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Lingua.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Modulo1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NomeUtente.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Avvio.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ColoriVB.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Caratteri.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ColoriNellaLingua.cpp
)
target_sources(pinnole_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/TraduciFinestra.cpp)
