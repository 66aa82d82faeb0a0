# Screenshots of the program's windows (a tool, not part of the program).
add_executable(schermate ${CMAKE_SOURCE_DIR}/tools/schermate/main.cpp)
target_link_libraries(schermate PRIVATE pinnole_progressi pinnole_ui pinnole_testsupport)
set_target_properties(schermate PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PINNOLE_PROGRAM_DIR})
add_dependencies(schermate program_folder)
