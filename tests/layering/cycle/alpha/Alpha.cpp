#include "alpha/Alpha.h"
#include "beta/Beta.h"
