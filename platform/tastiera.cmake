# The keyboard's repeats as the window system sends them (Xlib's XKB calls).
find_package(X11 REQUIRED)
target_sources(pinnole_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/RipetizioneTasti.cpp)
target_link_libraries(pinnole_ui PRIVATE X11::X11)
