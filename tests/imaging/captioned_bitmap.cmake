# The captioned picture joins the imaging test program.
target_sources(imaging_test PRIVATE ${CMAKE_CURRENT_LIST_DIR}/captioned_bitmap_test.cpp)
