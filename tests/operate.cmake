zu_test(test_operate_machine OperateMachineTest.cpp)

# Not a pass/fail test: prints the program's time per exchange.
add_executable(operate_benchmark OperateBenchmark.cpp TestSupport.cpp)
target_link_libraries(operate_benchmark PRIVATE zu_machines zu_sim Qt6::Core)
target_include_directories(operate_benchmark PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
add_test(NAME operate_benchmark COMMAND operate_benchmark)
set_tests_properties(operate_benchmark PROPERTIES LABELS benchmark)

zu_test(test_operate_page OperatePageTest.cpp)
target_link_libraries(test_operate_page PRIVATE zu_ui)
