# bench_uguali: new-item and key-to-highlight latency of the two-house
# exercises (FormEs2, FormEs8, FormEs3). Not a test.
add_executable(bench_uguali ${CMAKE_CURRENT_LIST_DIR}/bench_uguali.cpp)
target_link_libraries(bench_uguali PRIVATE pinnole_ui Qt6::Test)
set_target_properties(bench_uguali PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PINNOLE_PROGRAM_DIR})
add_dependencies(bench_uguali program_folder)
