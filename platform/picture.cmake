# The house picture: SVG files split into paintable layers, rendered once per
# size and shared, and the widget the exercises drive.
target_sources(pinnole_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/SvgPartiDocumento.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SvgParti.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SvgPartiAlone.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ShockwaveFlash.cpp
)
