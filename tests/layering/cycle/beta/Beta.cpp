#include "alpha/Hidden.h"
#include "beta/Beta.h"
