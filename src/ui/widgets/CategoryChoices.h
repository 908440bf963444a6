#pragma once

// The naming rule lives with the records; the lists include it from here too.
#include "data/CategoryChoices.h"
