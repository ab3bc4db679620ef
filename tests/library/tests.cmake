vx_add_test(tst_catalogue core ${CMAKE_CURRENT_LIST_DIR}/tst_catalogue.cpp)
target_compile_definitions(tst_catalogue PRIVATE VX_SHIPPED_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
vx_add_test(tst_splash editor ${CMAKE_CURRENT_LIST_DIR}/tst_splash.cpp)
vx_add_test(tst_chooser editor ${CMAKE_CURRENT_LIST_DIR}/tst_chooser.cpp)
