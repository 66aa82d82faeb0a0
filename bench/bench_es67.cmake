# bench_es67: new item with twelve houses and key-to-highlight latency of
# "Trova gli intrusi" and "Indovina chi?". Not a test.
add_executable(bench_es67 ${CMAKE_CURRENT_LIST_DIR}/bench_es67.cpp)
target_link_libraries(bench_es67 PRIVATE pinnole_ui Qt6::Test)
set_target_properties(bench_es67 PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PINNOLE_PROGRAM_DIR})
add_dependencies(bench_es67 program_folder)
