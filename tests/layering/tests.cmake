# The layering check on planted trees (layering/<tree>/): the folders of `layered` include
# each other from different parts, which is no cycle; `cycle` has one between the core parts,
# through a header no list names, and one between the editor parts.
function(vx_add_layering_test tree)
    add_test(NAME layering_${tree}
             COMMAND ${CMAKE_COMMAND} -DCHECK=${PROJECT_SOURCE_DIR}/cmake/CheckLayering.cmake
                     -DTREE=${CMAKE_CURRENT_FUNCTION_LIST_DIR}/${tree} "-DEXPECT=${ARGN}"
                     -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/ExpectLayering.cmake)
endfunction()
vx_add_layering_test(layered)
vx_add_layering_test(cycle "alpha/core -> beta/core -> alpha/core|\
alpha/core -> beta/core: alpha/Alpha.cpp includes beta/Beta.h|\
beta/core -> alpha/core: beta/Beta.cpp includes alpha/Hidden.h|\
alpha/editor -> beta/editor -> alpha/editor|\
beta/editor -> alpha/editor: beta/BetaPanel.cpp includes alpha/AlphaWindow.h")
