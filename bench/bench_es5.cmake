# bench_es5: "Insiemi" with both boxes full - a new house to sort, a full
# repaint, key release -> highlight. Not a test.
add_executable(bench_es5 ${CMAKE_CURRENT_LIST_DIR}/bench_es5.cpp)
target_link_libraries(bench_es5 PRIVATE pinnole_ui Qt6::Test)
set_target_properties(bench_es5 PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PINNOLE_PROGRAM_DIR})
add_dependencies(bench_es5 program_folder)
