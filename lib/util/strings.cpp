#include "lib/util/strings.h"
