#include "kinds/CoreKinds.h"

#include "grids/Grids.h"
#include "lines/Connections.h"
#include "objects/PictureKind.h"
#include "shapes/Shapes.h"
#include "text/TextFields.h"

void RegisterCoreKinds(KindRegistry& kinds) {
    PictureKind::registerKind(kinds);
    TextFields::registerKind(kinds);
    Connections::registerKind(kinds);
    Shapes::registerKind(kinds);
    Grids::registerKind(kinds);
}

const KindRegistry& CoreKinds() {
    static const KindRegistry kinds = [] {
        KindRegistry made;
        RegisterCoreKinds(made);
        return made;
    }();
    return kinds;
}
