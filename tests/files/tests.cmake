vx_add_test(tst_diafile core ${CMAKE_CURRENT_LIST_DIR}/tst_diafile.cpp)
vx_add_test(tst_filecommands editor ${CMAKE_CURRENT_LIST_DIR}/tst_filecommands.cpp)
# Runs the program itself, as a user would from a shell.
vx_add_test(tst_commandline core ${CMAKE_CURRENT_LIST_DIR}/tst_commandline.cpp)
target_compile_definitions(tst_commandline PRIVATE VX_PROGRAM="$<TARGET_FILE:vexilardo>")
add_dependencies(tst_commandline vexilardo)
vx_add_test(tst_recovery editor ${CMAKE_CURRENT_LIST_DIR}/tst_recovery.cpp)
vx_add_test(tst_recent editor ${CMAKE_CURRENT_LIST_DIR}/tst_recent.cpp)
