#pragma once

#include "search/Search.h"

#include <QObject>
#include <functional>
#include <memory>

class EditorContext;
class SearchBox;
class frmBuffer;
struct DiagramChange;

// The search panel and the buffer view of the main menu: "Търсене" (also Ctrl+F) shows the
// panel, whose clicks walk the diagram and mark each match with the highlight FoundBox,
// scrolling the canvas to it when it lies out of view; "Натоварване на буферите" shows how
// full the buffers are.
class SearchCommands : public QObject {
    Q_OBJECT

public:
    explicit SearchCommands(EditorContext& context);
    ~SearchCommands() override;

    SearchBox& box() const { return *m_box; }
    const Search& search() const { return m_search; }

    // Shows the panel, the key selected and ready to be typed over.
    void mnuSearch_Click();
    void cmdSearch_Click();
    void lblClear_Click();
    void cmdClose_Click();
    void mnuBuffers_Click();

    // Shows the buffer view modally; tests look at it instead.
    std::function<void(frmBuffer&)> runBufferView;

private:
    void reset();
    void showCounter();
    void hideHighlight();
    void showHighlight();
    // Scrolls the canvas, within its scroll bars, until the highlight can be seen.
    void bringIntoView();
    void diagramChanged(const DiagramChange& change);

    EditorContext& m_context;
    Search m_search;
    std::unique_ptr<SearchBox> m_box;
    bool m_placed = false;
};
