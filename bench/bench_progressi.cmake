# bench_progressi: appending to the progress history and opening the
# "Progressi" window over a generated year; bench_progressi_pavimento, its
# floor, does the same work with Qt alone. bench/progressi.sh runs both. Not tests.
add_executable(bench_progressi ${CMAKE_CURRENT_LIST_DIR}/bench_progressi.cpp)
target_link_libraries(bench_progressi PRIVATE pinnole_progressi pinnole_ui pinnole_testsupport)
set_target_properties(bench_progressi PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PINNOLE_PROGRAM_DIR})
add_dependencies(bench_progressi program_folder)
add_executable(bench_progressi_pavimento ${CMAKE_CURRENT_LIST_DIR}/bench_progressi_pavimento.cpp)
target_include_directories(bench_progressi_pavimento PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(bench_progressi_pavimento PRIVATE Qt6::Widgets Qt6::Sql Qt6::Charts)
set_target_properties(bench_progressi_pavimento PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PINNOLE_PROGRAM_DIR})
