# The reader of rich-text documents (the teachers' notes shown from the menu).
target_sources(pinnole_logic PRIVATE ${CMAKE_CURRENT_LIST_DIR}/LettoreRtf.cpp)
