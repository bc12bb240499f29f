#include "APublic.h"
#include "B.h"
