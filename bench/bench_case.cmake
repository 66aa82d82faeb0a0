# bench_case: recolouring and repainting twelve houses of growing size (and
# twenty-one of one size); prints milliseconds per pass. Not a test.
add_executable(bench_case ${CMAKE_CURRENT_LIST_DIR}/bench_case.cpp)
target_link_libraries(bench_case PRIVATE pinnole_ui)
target_compile_definitions(bench_case PRIVATE PINNOLE_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
