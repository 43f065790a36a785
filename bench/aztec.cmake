tsy_bench(bench_aztec SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_aztec.cpp DEPS tsy_aztec)
