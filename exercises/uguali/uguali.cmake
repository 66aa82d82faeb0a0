target_sources(pinnole_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CaseUguali.h
  ${CMAKE_CURRENT_LIST_DIR}/CaseUguali.cpp)
target_sources(pinnole_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FinestraUguali.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormEs8.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormEs3.cpp)
