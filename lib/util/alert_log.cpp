#include "lib/util/alert_log.h"
