#pragma once

#include "workspace/Workspace.h"

// A diagram a test starts from, put in place the way a loaded file is: not an unsaved change
// of the user's, so the test sees only what its commands change.
inline Diagram::Edit setUp(Workspace& ws) {
    return ws.edit(QStringLiteral("Проба"), DiagramChange::Scope::Replaced);
}

// A picture object of the diagram a test starts from, added the way the user adds one.
inline void addObject(Workspace& ws, const QString& key) {
    const Diagram::Edit setup = setUp(ws);
    ws.DobaviNov(key);
}
