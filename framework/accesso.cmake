target_sources(pinnole_logic PRIVATE ${CMAKE_CURRENT_LIST_DIR}/FiltroSensore.cpp)
