tsy_bench(bench_pdf417 SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_pdf417.cpp DEPS tsy_pdf417)
