#pragma once

#include "core/tab_row.h"
#include "model/shared_state.h"

#include <array>

namespace oq {

// The fourteen tabs in strip order. Adding a calculator is one class and its row here.
extern const std::array<TabRow, TabCount> TabTable;

} // namespace oq
