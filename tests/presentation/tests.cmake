vx_add_test(tst_presentation editor ${CMAKE_CURRENT_LIST_DIR}/tst_presentation.cpp)
target_include_directories(tst_presentation PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../workspace)
# The slides as shipped, and the library the build renders for them.
target_compile_definitions(tst_presentation PRIVATE
    VX_SAMPLES_DIR="${PROJECT_SOURCE_DIR}/data/Samples"
    VX_PROGRAM_DIR="${VEXILARDO_PROGRAM_DIR}")
add_dependencies(tst_presentation library_pictures program_data)
