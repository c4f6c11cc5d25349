#pragma once

#include "core/tab_row.h"

#include <span>
#include <vector>

namespace oq {

// The tabs in strip order, one row per calculator of the catalogue. Adding a calculator is one
// class and its row here.
extern const std::vector<TabRow> TabTable;
using TabTableView = std::span<const TabRow>;

} // namespace oq
