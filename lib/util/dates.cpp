#include "lib/util/dates.h"
