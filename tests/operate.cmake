zu_test(test_operate_machine OperateMachineTest.cpp)

zu_test(test_operate_cli OperateCliTest.cpp)
target_compile_definitions(test_operate_cli PRIVATE
  ZU6400CTL_PATH="$<TARGET_FILE:zu6400ctl>" ZU6400SIM_PATH="$<TARGET_FILE:zu6400-sim>")
add_dependencies(test_operate_cli zu6400ctl zu6400-sim)
