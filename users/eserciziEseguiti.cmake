target_sources(pinnole_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/GrigliaEsercizi.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormEserciziEseguiti.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StampaRegistro.cpp
)
