tsy_bench(bench_document_files SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_document_files.cpp
  DEPS tsy_symbologies)
