# bench_avvio: start-up to the splash painted at its final size; run by
# bench/avvio.sh beside bench_pavimento. Not a test.
add_executable(bench_avvio ${CMAKE_CURRENT_LIST_DIR}/bench_avvio.cpp)
target_link_libraries(bench_avvio PRIVATE pinnole_ui)
set_target_properties(bench_avvio PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PINNOLE_PROGRAM_DIR})
add_dependencies(bench_avvio program_folder)
# Started as the program is: the modules are opened, not linked.
pinnole_con_moduli(bench_avvio)
