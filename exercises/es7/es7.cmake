target_sources(pinnole_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FormEs7.h
  ${CMAKE_CURRENT_LIST_DIR}/FormEs7.cpp)
