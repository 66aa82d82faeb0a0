# The printers: the interface in the windows library (it speaks of widgets),
# the CUPS printers through Qt Print Support, and libcups for the job itself
# (Qt does not tell whether CUPS accepted a job), opened when a job is sent:
# only its header is needed to build.
find_package(Cups REQUIRED)
target_sources(pinnole_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Stampanti.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StampantiCups.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LibreriaCups.cpp
)
target_include_directories(pinnole_ui PUBLIC ${CUPS_INCLUDE_DIRS})
target_link_libraries(pinnole_ui PUBLIC ${CMAKE_DL_LIBS})
