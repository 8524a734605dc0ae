# The Configuration page, its sheet and its dialogs, offscreen against the simulated tuner.
zu_test(test_ui_configuration configuration/EditConfigurationSheetTest.cpp)
target_link_libraries(test_ui_configuration PRIVATE zu_ui)
zu_test(test_ui_configuration_dialogs configuration/ConfigurationDialogsTest.cpp support/UiTestSupport.cpp support/UiTestSupport.h)
target_link_libraries(test_ui_configuration_dialogs PRIVATE zu_ui)
