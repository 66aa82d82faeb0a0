# svgshot: renders an SVG picture (optionally after some animation time) to a
# PNG and checks that a picture holds given element ids. Used to look at and
# check the artwork under data/.
add_executable(svgshot ${CMAKE_CURRENT_LIST_DIR}/svgshot.cpp)
target_link_libraries(svgshot PRIVATE Qt6::Svg Qt6::Gui)
