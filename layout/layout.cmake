target_sources(pinnole_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ScalaLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZonaLibera.cpp
)
target_sources(pinnole_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Linea.cpp
  ${CMAKE_CURRENT_LIST_DIR}/clsResize.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PosizioneTwips.cpp
)
