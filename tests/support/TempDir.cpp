#include "tests/support/TempDir.h"
