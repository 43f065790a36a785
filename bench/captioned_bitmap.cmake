tsy_bench(bench_captioned_bitmap SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_captioned_bitmap.cpp
  DEPS tsy_imaging)
