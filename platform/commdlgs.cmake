target_sources(pinnole_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/CommDlgs.cpp ${CMAKE_CURRENT_LIST_DIR}/CommDlgsQt.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Modale.cpp ${CMAKE_CURRENT_LIST_DIR}/Pannello.cpp ${CMAKE_CURRENT_LIST_DIR}/Traccia.cpp)
