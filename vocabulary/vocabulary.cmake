target_sources(pinnole_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ModuloColoriSuoni.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Parole.cpp
)
