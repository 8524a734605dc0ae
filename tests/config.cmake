# Stored configuration: the simulated tuner's memories, save, restore and the fault log.
zu_test(test_sim_proms SimPromTest.cpp)
zu_test(test_config_jobs ConfigJobsTest.cpp)

# Not a pass/fail test: prints save and restore times against their wire time.
add_executable(config_benchmark ConfigBenchmark.cpp TestSupport.cpp)
target_link_libraries(config_benchmark PRIVATE zu_machines zu_sim Qt6::Core)
target_include_directories(config_benchmark PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
add_test(NAME config_benchmark COMMAND config_benchmark)
set_tests_properties(config_benchmark PROPERTIES LABELS benchmark)
