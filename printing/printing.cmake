target_sources(pinnole_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/GeometriaStampa.cpp
)
target_sources(pinnole_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AccessoStampante.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FiguraStampabile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmStampa.cpp
)
