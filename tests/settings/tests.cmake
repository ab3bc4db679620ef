vx_add_test(tst_settingsfile core ${CMAKE_CURRENT_LIST_DIR}/tst_settingsfile.cpp)
vx_add_test(tst_windowappearance editor ${CMAKE_CURRENT_LIST_DIR}/tst_windowappearance.cpp)
vx_add_test(tst_frmsettings editor ${CMAKE_CURRENT_LIST_DIR}/tst_frmsettings.cpp)
target_include_directories(tst_frmsettings PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../workspace)
