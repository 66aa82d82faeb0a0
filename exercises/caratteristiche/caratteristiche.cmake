target_sources(pinnole_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Caratteristiche.h
  ${CMAKE_CURRENT_LIST_DIR}/Caratteristiche.cpp)
target_sources(pinnole_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FinestraCaratteristiche.h
  ${CMAKE_CURRENT_LIST_DIR}/FinestraCaratteristiche.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CorniceEvidenziazione.h
  ${CMAKE_CURRENT_LIST_DIR}/CorniceEvidenziazione.cpp)
