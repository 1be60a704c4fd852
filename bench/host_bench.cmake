# The host's frame benchmark (included by bench/CMakeLists.txt when the host is built).
add_executable(host_bench host_bench.cpp)
palm_target(host_bench)
target_link_libraries(host_bench PRIVATE palm_host benchmark::benchmark)
