#include "core/Money.h"
