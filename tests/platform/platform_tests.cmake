# The platform stand-ins: bitmaps, fonts and text, screen resolution, profile, message sink.
tsy_test(platform_test DEPS tsy_platform SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/bitmap_ops_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/font_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_render_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/profile_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/message_sink_test.cpp
)
