target_sources(pinnole_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Esercizio4.h
  ${CMAKE_CURRENT_LIST_DIR}/Esercizio4.cpp)
target_sources(pinnole_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FormEs4.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TestoAdattato.cpp)
