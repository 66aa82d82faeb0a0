# frasi: prints every sentence the exercises compose from a language file
# (every part, polarity, level, presence and absence, with the default colour
# words), so a translator can proofread the wording in one read.
#   frasi [--tutte] [--maiuscolo] [--cartella <program folder>] [language]
add_executable(frasi
  ${CMAKE_CURRENT_LIST_DIR}/frasi/main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frasi/Composizioni.cpp
)
target_link_libraries(frasi PRIVATE pinnole_logic)
target_compile_definitions(frasi PRIVATE PINNOLE_DATA_DIR="${CMAKE_SOURCE_DIR}/data")
