target_sources(pinnole_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Esercizio2.h
  ${CMAKE_CURRENT_LIST_DIR}/Esercizio2.cpp)
target_sources(pinnole_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FormEs2.cpp)
