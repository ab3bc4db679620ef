#pragma once

#include "alpha/Alpha.h"
