#pragma once

class KindRegistry;

namespace PictureKind {
// Describes picture objects to the kind registry.
void registerKind(KindRegistry& kinds);
} // namespace PictureKind
