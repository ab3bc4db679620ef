#include "alpha/AlphaWindow.h"
#include "beta/BetaPanel.h"
