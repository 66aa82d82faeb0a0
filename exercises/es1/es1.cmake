target_sources(pinnole_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Esercizio1.h
  ${CMAKE_CURRENT_LIST_DIR}/Esercizio1.cpp)
target_sources(pinnole_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FormEs1.cpp)
