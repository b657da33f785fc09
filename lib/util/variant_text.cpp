#include "lib/util/variant_text.h"
