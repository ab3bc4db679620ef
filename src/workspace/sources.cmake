list(APPEND VX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ElementKind.h
    ${CMAKE_CURRENT_LIST_DIR}/KindRegistry.h ${CMAKE_CURRENT_LIST_DIR}/KindRegistry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ElementStore.h ${CMAKE_CURRENT_LIST_DIR}/ElementStore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Diagram.h ${CMAKE_CURRENT_LIST_DIR}/Diagram.cpp
    ${CMAKE_CURRENT_LIST_DIR}/History.h ${CMAKE_CURRENT_LIST_DIR}/History.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DiagramState.h
    ${CMAKE_CURRENT_LIST_DIR}/ToolState.h
    ${CMAKE_CURRENT_LIST_DIR}/CanvasState.h
    ${CMAKE_CURRENT_LIST_DIR}/ViewTransform.h
    ${CMAKE_CURRENT_LIST_DIR}/Zoom.h ${CMAKE_CURRENT_LIST_DIR}/Zoom.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CanvasGeometry.h ${CMAKE_CURRENT_LIST_DIR}/CanvasGeometry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextFieldGeometry.h ${CMAKE_CURRENT_LIST_DIR}/TextFieldGeometry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DiagramRenderer.h ${CMAKE_CURRENT_LIST_DIR}/DiagramRenderer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LineRaster.h ${CMAKE_CURRENT_LIST_DIR}/LineRaster.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PaintDevice.h ${CMAKE_CURRENT_LIST_DIR}/PaintDevice.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CanvasBitmap.h ${CMAKE_CURRENT_LIST_DIR}/CanvasBitmap.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CanvasLayer.h
    ${CMAKE_CURRENT_LIST_DIR}/HandleLayer.h ${CMAKE_CURRENT_LIST_DIR}/HandleLayer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CanvasLayerStack.h ${CMAKE_CURRENT_LIST_DIR}/CanvasLayerStack.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CanvasTool.h
    ${CMAKE_CURRENT_LIST_DIR}/CanvasTools.h ${CMAKE_CURRENT_LIST_DIR}/CanvasTools.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SelectionTool.h ${CMAKE_CURRENT_LIST_DIR}/SelectionTool.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SimpleDragAndDrop.h ${CMAKE_CURRENT_LIST_DIR}/SimpleDragAndDrop.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CanvasDrag.h ${CMAKE_CURRENT_LIST_DIR}/CanvasDrag.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Workspace.h ${CMAKE_CURRENT_LIST_DIR}/Workspace.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainLayout.h ${CMAKE_CURRENT_LIST_DIR}/MainLayout.cpp)
list(APPEND VX_EDITOR_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/EditorContext.h
    ${CMAKE_CURRENT_LIST_DIR}/CommandsLocked.h
    ${CMAKE_CURRENT_LIST_DIR}/Pano.h ${CMAKE_CURRENT_LIST_DIR}/Pano.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NamedMenu.h ${CMAKE_CURRENT_LIST_DIR}/NamedMenu.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ElementMenu.h ${CMAKE_CURRENT_LIST_DIR}/ElementMenu.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HistoryCommands.h ${CMAKE_CURRENT_LIST_DIR}/HistoryCommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ZoomCommands.h ${CMAKE_CURRENT_LIST_DIR}/ZoomCommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmMain.h ${CMAKE_CURRENT_LIST_DIR}/frmMain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmMainMenu.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmMainTools.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FloatingPanel.h ${CMAKE_CURRENT_LIST_DIR}/FloatingPanel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DrawOptionsPanel.h ${CMAKE_CURRENT_LIST_DIR}/DrawOptionsPanel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StatusBar.h ${CMAKE_CURRENT_LIST_DIR}/StatusBar.cpp)
