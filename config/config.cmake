target_sources(pinnole_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/LogicaConfigura.cpp)
target_sources(pinnole_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CasellaColorata.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormConfigura.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormConfiguraControlli.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormConfiguraGestori.cpp)
