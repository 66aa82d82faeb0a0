target_sources(pinnole_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Livelli.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Scansione.cpp
)
