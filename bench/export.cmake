tsy_bench(bench_export SOURCES bench_export.cpp DEPS tsy_export)
