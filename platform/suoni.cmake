target_sources(pinnole_logic PRIVATE ${CMAKE_CURRENT_LIST_DIR}/Suoni.cpp)
target_sources(pinnole_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/SuoniQt.cpp)
