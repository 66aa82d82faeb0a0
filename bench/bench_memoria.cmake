# bench_memoria: memory after each exercise window and each tour of the
# eight; run by bench/memoria.sh beside bench_pavimento. Not a test.
add_executable(bench_memoria ${CMAKE_CURRENT_LIST_DIR}/bench_memoria.cpp)
target_link_libraries(bench_memoria PRIVATE pinnole_ui)
set_target_properties(bench_memoria PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PINNOLE_PROGRAM_DIR})
add_dependencies(bench_memoria program_folder)
# Linked as the program is, so that it opens the same modules.
pinnole_con_moduli(bench_memoria)
