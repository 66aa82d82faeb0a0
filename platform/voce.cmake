# Speech: the tag rules need no engine; synthesis and the speaking
# character's windows live with the widgets; the sound device it is heard on
# is in the "audio" module (suoni.cmake).
target_sources(pinnole_logic PRIVATE ${CMAKE_CURRENT_LIST_DIR}/VoceEtichette.cpp)
target_sources(pinnole_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/VoceEspeak.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Voce.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Agente.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AgenteFigura.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AgenteFumetto.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AgenteQt.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VoceScansione.cpp
)
