# documenti: lays out the document sources of docs/ (HTML with SVG pictures)
# on A4 pages and writes the PDFs of the program folder (cmake/documenti.cmake
# runs it at build time).
add_executable(documenti
  ${CMAKE_CURRENT_LIST_DIR}/documenti/main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/documenti/Impaginatore.cpp
)
target_link_libraries(documenti PRIVATE Qt6::Gui Qt6::Svg)
