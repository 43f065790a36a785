tsy_bench(bench_message SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_message.cpp DEPS tsy_message)
