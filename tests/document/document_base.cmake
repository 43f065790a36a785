tsy_test(document_base_test DEPS tsy_document SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/font_description_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/encoder_doc_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/encoder_doc_settings_test.cpp
)
