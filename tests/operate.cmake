zu_test(test_operate_machine OperateMachineTest.cpp)

zu_test(test_operate_page OperatePageTest.cpp)
target_link_libraries(test_operate_page PRIVATE zu_ui)
