# bench_riposo: a window left alone, for bench/riposo.sh. Not a test.
add_executable(bench_riposo ${CMAKE_CURRENT_LIST_DIR}/bench_riposo.cpp)
target_link_libraries(bench_riposo PRIVATE pinnole_ui)
set_target_properties(bench_riposo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PINNOLE_PROGRAM_DIR})
add_dependencies(bench_riposo program_folder)
