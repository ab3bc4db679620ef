#include "beta/Beta.h"

// The window is not ours to use: #include "alpha/AlphaWindow.h"
