# The layering rules of the source tree, checked when the build is configured and again by
# CTest (cmake -DVX_SOURCE_DIR=<src> -P CheckLayering.cmake):
# - the document logic (files listed as core sources) includes no widget header, so it can
#   be tested without a window;
# - subsystems reach the main window only through the editor context: no file outside the
#   main window itself and the wiring in app/ includes frmMain.h.
function(vx_check_layering)
if(NOT VX_SOURCE_DIR)
    message(FATAL_ERROR "VX_SOURCE_DIR is not set")
endif()

set(vx_layering_faults)

file(GLOB vx_topics ${VX_SOURCE_DIR}/*/sources.cmake)
set(VX_CORE_SOURCES)
set(VX_EDITOR_SOURCES)
foreach(topic IN LISTS vx_topics)
    include(${topic})
endforeach()
foreach(f IN LISTS VX_CORE_SOURCES)
    file(STRINGS ${f} widget_includes
         REGEX "#[ \t]*include[ \t]*[<\"](QtWidgets/|QtPrintSupport/|Q(Widget|Application|MainWindow|Dialog|MessageBox|PushButton|Label|Menu|Frame|ComboBox|CheckBox|ScrollBar|StatusBar|ProgressBar|FileDialog|ColorDialog|FontDialog|InputDialog|ToolTip|Printer)[>\"])")
    if(widget_includes)
        list(APPEND vx_layering_faults "core file ${f} includes a widget header: ${widget_includes}")
    endif()
endforeach()

file(GLOB_RECURSE vx_all ${VX_SOURCE_DIR}/*.h ${VX_SOURCE_DIR}/*.cpp)
foreach(f IN LISTS vx_all)
    if(f MATCHES "/app/[^/]*$" OR f MATCHES "/workspace/frmMain[^/]*$")
        continue()
    endif()
    file(STRINGS ${f} main_window_includes REGEX "#[ \t]*include[ \t]*[<\"]workspace/frmMain\\.h[>\"]")
    if(main_window_includes)
        list(APPEND vx_layering_faults "${f} includes the main window (subsystems use the editor context)")
    endif()
endforeach()

if(vx_layering_faults)
    string(REPLACE ";" "\n" vx_text "${vx_layering_faults}")
    message(FATAL_ERROR "${vx_text}")
endif()
endfunction()

vx_check_layering()
