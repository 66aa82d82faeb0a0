# bench_es1: key-to-highlight and next-item latency of "Vero o falso". Not a test.
add_executable(bench_es1 ${CMAKE_CURRENT_LIST_DIR}/bench_es1.cpp)
target_link_libraries(bench_es1 PRIVATE pinnole_ui Qt6::Test)
set_target_properties(bench_es1 PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PINNOLE_PROGRAM_DIR})
add_dependencies(bench_es1 program_folder)
