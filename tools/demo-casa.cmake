# demo-casa: the house picture and the speaking character on their own (a tool).
add_executable(demo-casa ${CMAKE_SOURCE_DIR}/tools/demo-casa/main.cpp)
target_link_libraries(demo-casa PRIVATE pinnole_audio pinnole_ui Qt6::Test)
set_target_properties(demo-casa PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PINNOLE_PROGRAM_DIR})
add_dependencies(demo-casa program_folder)
