#include "beta/Beta.h"
#include "alpha/Hidden.h"
