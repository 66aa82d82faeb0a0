target_sources(pinnole_logic PRIVATE ${CMAKE_CURRENT_LIST_DIR}/Messaggi.cpp)
target_sources(pinnole_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/MessaggiQt.cpp ${CMAKE_CURRENT_LIST_DIR}/Puntatore.cpp)
