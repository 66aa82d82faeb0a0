target_sources(pinnole_logic PRIVATE ${CMAKE_CURRENT_LIST_DIR}/Suoni.cpp)
# The sound output with Qt Multimedia is the "audio" module.
target_sources(pinnole_audio PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/SuoniQt.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UscitaVoceQt.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AudioQt.cpp
)
