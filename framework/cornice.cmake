target_sources(pinnole_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Cornice.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CorniceScansione.cpp
)
