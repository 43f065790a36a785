# The base section of document files (message, sizes, picture, versioned fields).
tsy_library(tsy_document_serialize
  DEPS tsy_document tsy_document_io tsy_message tsy_imaging tsy_platform
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/encoder_doc_serialize.cpp
)
