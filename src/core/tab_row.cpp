#include "core/tab_row.h"

namespace oq {

QString PlainCaption(const TabRow& row) {
    return QString::fromLatin1(row.caption).remove(QLatin1Char('&'));
}

} // namespace oq
