# The printers: the interface in the windows library (it speaks of widgets),
# the CUPS printers through Qt Print Support, and libcups for the job itself
# (Qt does not tell whether CUPS accepted a job).
find_package(Cups REQUIRED)
target_sources(pinnole_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Stampanti.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StampantiCups.cpp
)
target_link_libraries(pinnole_ui PUBLIC Cups::Cups)
