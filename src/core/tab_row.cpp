#include "core/tab_row.h"

namespace oq {

TabRow MakeTabRow(const CalculatorEntry& calculator, const char* picture, TabFactory create,
                  const char* pictureText) {
    return {&calculator,         calculator.index, calculator.code, calculator.caption,
            calculator.boxCount, picture,          create,          pictureText};
}

QString PlainCaption(const TabRow& row) {
    return QString::fromLatin1(row.caption).remove(QLatin1Char('&'));
}

} // namespace oq
