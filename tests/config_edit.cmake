# The stored configuration's edit, erase and factory-reset jobs, their rules
# and their zu6400ctl commands.
zu_test(test_edit_configuration EditConfigurationTest.cpp)

zu_test(test_config_edit_cli ConfigEditCliTest.cpp)
target_link_libraries(test_config_edit_cli PRIVATE zu_ctl_runner)

