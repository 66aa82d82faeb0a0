# bench_pavimento: the floor every benchmark compares against, a program of
# its own that links Qt Widgets alone. Not a test.
add_executable(bench_pavimento ${CMAKE_CURRENT_LIST_DIR}/bench_pavimento.cpp)
target_link_libraries(bench_pavimento PRIVATE Qt6::Widgets)
set_target_properties(bench_pavimento PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PINNOLE_PROGRAM_DIR})
