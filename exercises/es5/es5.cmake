target_sources(pinnole_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Esercizio5.h
  ${CMAKE_CURRENT_LIST_DIR}/Esercizio5.cpp)
target_sources(pinnole_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FormEs5.cpp)
