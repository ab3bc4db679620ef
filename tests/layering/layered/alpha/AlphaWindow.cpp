#include "alpha/AlphaWindow.h"
#include "beta/Beta.h"
