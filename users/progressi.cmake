# The "Progressi" window with its charts (Qt Charts) is the "progressi" module.
target_sources(pinnole_progressi PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/GraficiProgressi.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StampaProgressi.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormProgressi.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FinestraProgressi.cpp
)
