tsy_library(tsy_document DEPS tsy_imaging tsy_message tsy_platform SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/encoder_doc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/encoder_doc_settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/font_description.cpp
)
