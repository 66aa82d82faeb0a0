# Opening the modules (the "audio" and "progressi" parts of the program).
target_sources(pinnole_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/Moduli.cpp)
