vx_add_test(tst_help editor ${CMAKE_CURRENT_LIST_DIR}/tst_help.cpp)
target_include_directories(tst_help PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../workspace)
target_compile_definitions(tst_help PRIVATE VX_PROJECT_VERSION="${PROJECT_VERSION}")
