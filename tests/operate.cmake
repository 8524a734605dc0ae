zu_test(test_operate_machine OperateMachineTest.cpp)

zu_test(test_operate_cli OperateCliTest.cpp)
target_link_libraries(test_operate_cli PRIVATE zu_ctl_runner)

zu_test(test_operate_page OperatePageTest.cpp)
target_link_libraries(test_operate_page PRIVATE zu_ui)
