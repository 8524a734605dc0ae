zu_test(test_operate_machine operate/OperateMachineTest.cpp)

zu_test(test_operate_page operate/OperatePageTest.cpp)
target_link_libraries(test_operate_page PRIVATE zu_ui)
