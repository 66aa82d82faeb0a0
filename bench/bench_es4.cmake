# bench_es4: "Colora la pinnola" - one colour step on a part, key release ->
# next colour painted. Not a test.
add_executable(bench_es4 ${CMAKE_CURRENT_LIST_DIR}/bench_es4.cpp)
target_link_libraries(bench_es4 PRIVATE pinnole_ui Qt6::Test)
set_target_properties(bench_es4 PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PINNOLE_PROGRAM_DIR})
add_dependencies(bench_es4 program_folder)
