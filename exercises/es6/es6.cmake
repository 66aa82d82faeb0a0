target_sources(pinnole_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FormEs6.h
  ${CMAKE_CURRENT_LIST_DIR}/FormEs6.cpp)
