#include "A.h"
#include "APublic.h"
