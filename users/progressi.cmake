target_sources(pinnole_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/GraficiProgressi.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StampaProgressi.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormProgressi.cpp
)
