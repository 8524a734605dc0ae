# The stored configuration's edit, erase and factory-reset jobs and their rules.
zu_test(test_edit_configuration EditConfigurationTest.cpp ConfigurationRulesTest.cpp)
zu_test(test_erase_machines EraseMachinesTest.cpp)

# Not a pass/fail test: prints the read chain's time against its wire time.
add_executable(config_read_benchmark ConfigReadBenchmark.cpp TestSupport.cpp)
target_link_libraries(config_read_benchmark PRIVATE zu_machines zu_sim Qt6::Core)
target_include_directories(config_read_benchmark PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
add_test(NAME config_read_benchmark COMMAND config_read_benchmark)
set_tests_properties(config_read_benchmark PROPERTIES LABELS benchmark)
