# Bitmaps, point fonts, screen resolution, profile and message sink.
pkg_check_modules(TSY_FONT_DEPS REQUIRED IMPORTED_TARGET freetype2 fontconfig)
pkg_check_modules(TSY_GLIB REQUIRED IMPORTED_TARGET glib-2.0)

target_sources(tsy_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/bitmap_ops.cpp
  ${CMAKE_CURRENT_LIST_DIR}/face_cache.cpp
  ${CMAKE_CURRENT_LIST_DIR}/font.cpp
  ${CMAKE_CURRENT_LIST_DIR}/message_sink.cpp
  ${CMAKE_CURRENT_LIST_DIR}/profile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/screen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_render.cpp
  ${CMAKE_CURRENT_LIST_DIR}/utf8_text.cpp
)
target_link_libraries(tsy_platform PRIVATE PkgConfig::TSY_FONT_DEPS PkgConfig::TSY_GLIB)
