target_sources(pinnole_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/LogicaMenu.h
  ${CMAKE_CURRENT_LIST_DIR}/LogicaMenu.cpp)
target_sources(pinnole_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FineProgramma.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FinestreMenu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DisegnoConservato.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormAvvio.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormInfo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormMenu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Immagine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ModuloNavigate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PulsanteMenu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TastiPulsante.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VistaDocumento.cpp)
