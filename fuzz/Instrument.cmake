# Instruments the whole build for libFuzzer: our libraries get coverage and the sanitizers,
# so the fuzzer sees into the readers and not only into the harness. Included from the top
# level before src/ when VEXILARDO_BUILD_FUZZ is on.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR
        "VEXILARDO_BUILD_FUZZ needs clang (libFuzzer); this build uses "
        "${CMAKE_CXX_COMPILER_ID} (${CMAKE_CXX_COMPILER}). Configure a fresh build folder with "
        "-DCMAKE_CXX_COMPILER=clang++.")
endif()

set(VX_SANITIZERS address,undefined)
add_compile_options(-fsanitize=fuzzer-no-link,${VX_SANITIZERS}
                    -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
add_link_options(-fsanitize=${VX_SANITIZERS})
