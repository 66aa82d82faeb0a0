# bench_voce: a new item to the character's first sound, beside a player of
# its own (bench_voce_pavimento); run by bench/voce.sh. Not a test.
add_executable(bench_voce ${CMAKE_CURRENT_LIST_DIR}/bench_voce.cpp)
target_link_libraries(bench_voce PRIVATE pinnole_audio pinnole_ui)
set_target_properties(bench_voce PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PINNOLE_PROGRAM_DIR})
add_executable(bench_voce_pavimento ${CMAKE_CURRENT_LIST_DIR}/bench_voce_pavimento.cpp)
target_link_libraries(bench_voce_pavimento PRIVATE Qt6::Multimedia)
set_target_properties(bench_voce_pavimento PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PINNOLE_PROGRAM_DIR})
