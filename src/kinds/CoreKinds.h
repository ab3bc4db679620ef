#pragma once

#include "workspace/KindRegistry.h"

// Every kind of element the program knows, each described by its own subsystem. One explicit
// list, not registration at start-up: the program, the command line, the tests, the
// benchmarks and the fuzz targets all take their kinds from here, so each of them draws,
// measures and files every kind the same way.
void RegisterCoreKinds(KindRegistry& kinds);
// The registry with every core kind, made once.
const KindRegistry& CoreKinds();
