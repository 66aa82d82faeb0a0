target_sources(pinnole_logic PRIVATE ${CMAKE_CURRENT_LIST_DIR}/Utenti.cpp)
target_sources(pinnole_logic PRIVATE ${CMAKE_CURRENT_LIST_DIR}/FileGiocatore.cpp)
