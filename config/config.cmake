target_sources(pinnole_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/LogicaConfigura.cpp)
target_sources(pinnole_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CasellaColorata.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ControlliConfigura.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormConfigura.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormConfiguraGiocatori.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormConfiguraColoriPinnole.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormConfiguraScelteDidattiche.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormConfiguraFontEColori.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormConfiguraSuoniEVoce.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormConfiguraModalitaInput.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormConfiguraAccessoSensori.cpp)
