tsy_bench(bench_qr_linear SOURCES bench_qr_linear.cpp DEPS tsy_qr tsy_linear)
