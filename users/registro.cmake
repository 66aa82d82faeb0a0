target_sources(pinnole_logic PRIVATE ${CMAKE_CURRENT_LIST_DIR}/RegistroAttivita.cpp)
target_sources(pinnole_logic PRIVATE ${CMAKE_CURRENT_LIST_DIR}/FileRegistro.cpp)
target_sources(pinnole_logic PRIVATE ${CMAKE_CURRENT_LIST_DIR}/VistaRegistro.cpp)
target_sources(pinnole_logic PRIVATE ${CMAKE_CURRENT_LIST_DIR}/StampaGriglia.cpp)
