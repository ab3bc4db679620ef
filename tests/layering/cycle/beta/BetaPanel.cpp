#include "beta/BetaPanel.h"
#include "alpha/AlphaWindow.h"
