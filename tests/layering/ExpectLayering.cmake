# Runs the layering check on a fixture tree and judges its verdict:
#   cmake -DCHECK=<CheckLayering.cmake> -DTREE=<folder> [-DEXPECT=<text>|<text>...] -P ...
# Without EXPECT the tree must pass; with it the check must fail and its report hold every
# text given.
execute_process(COMMAND ${CMAKE_COMMAND} -DVX_SOURCE_DIR=${TREE} -P ${CHECK}
                RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(NOT EXPECT)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${TREE} should pass the layering check:\n${report}")
    endif()
    return()
endif()
if(result EQUAL 0)
    message(FATAL_ERROR "${TREE} passed the layering check, which should have failed")
endif()
string(REPLACE "|" ";" expected "${EXPECT}")
foreach(text IN LISTS expected)
    string(FIND "${report}" "${text}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the report on ${TREE} does not say \"${text}\":\n${report}")
    endif()
endforeach()
