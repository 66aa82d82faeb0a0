target_sources(pinnole_logic PRIVATE ${CMAKE_CURRENT_LIST_DIR}/Feedback.cpp)
target_sources(pinnole_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/FeedbackPremio.cpp)
