#include "gui_test.h"
