# The captioned picture of a document: symbol plus caption band.
target_sources(tsy_imaging PRIVATE ${CMAKE_CURRENT_LIST_DIR}/captioned_bitmap.cpp)
