tsy_bench(bench_documents SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_documents.cpp
  DEPS tsy_symbologies)
