#include "alpha/Alpha.h"
