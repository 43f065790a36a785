target_sources(tsy_imaging PRIVATE ${CMAKE_CURRENT_LIST_DIR}/metafile.cpp)
