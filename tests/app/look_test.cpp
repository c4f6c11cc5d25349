#include "core/calculator_tab.h"
#include "core/readable_colours.h"
#include "core/tab_strip.h"
#include "gui_test.h"
#include "palettes.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QTest>
#include <map>

namespace oq {
namespace {

using Look = MainFormTest;

// The grid and its cell that hold a box.
struct Cell {
    QGridLayout* grid = nullptr;
    int row = -1, column = -1;
};

Cell CellOf(QWidget* widget) {
    for (QWidget* w = widget->parentWidget(); w; w = w->parentWidget())
        for (QGridLayout* grid : w->findChildren<QGridLayout*>()) {
            const int at = grid->indexOf(widget);
            if (at < 0)
                continue;
            Cell cell{grid};
            int rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(at, &cell.row, &cell.column, &rowSpan, &columnSpan);
            return cell;
        }
    return {};
}

void ApplyTheme(const QPalette& theme) {
    QApplication::setPalette(theme);
    QCoreApplication::processEvents();
}

// Locked boxes take the window's colour and computed values the accent colour, on light and dark
// themes alike and after the theme changes under a running window.
TEST_F(Look, LockedBoxesAndResultsAreToldApartOnEveryTheme) {
    const QPalette before = QApplication::palette();
    selectTab(TabVD);
    click(QStringLiteral("Option_VD(1)"));
    type(QStringLiteral("Text_VD(0)"), QStringLiteral("12"));
    type(QStringLiteral("Text_VD(2)"), QStringLiteral("10000"));
    type(QStringLiteral("Text_VD(3)"), QStringLiteral("4700"));
    NumberBox* typed = box(QStringLiteral("Text_VD(0)"));
    NumberBox* result = box(QStringLiteral("Text_VD(1)"));
    ASSERT_FALSE(result->text().isEmpty());
    EXPECT_FALSE(typed->showsResult());
    EXPECT_TRUE(result->showsResult());
    for (const QPalette& theme : {LightPalette(), DarkPalette()}) {
        ApplyTheme(theme);
        EXPECT_TRUE(result->isLocked());
        EXPECT_EQ(result->palette().color(QPalette::Base), theme.color(QPalette::Window));
        EXPECT_EQ(typed->palette().color(QPalette::Base), theme.color(QPalette::Base));
        EXPECT_EQ(typed->palette().color(QPalette::Text), theme.color(QPalette::Text));
        const QColor accent = result->palette().color(QPalette::Text);
        EXPECT_NE(accent, theme.color(QPalette::Text));
        EXPECT_GE(ContrastRatio(accent, theme.color(QPalette::Window)), ReadableContrast);
    }
    ApplyTheme(before);

    // Typing over a result makes it an input again; unlocking gives the box the input colour.
    click(QStringLiteral("Option_VD(0)"));
    EXPECT_FALSE(result->isLocked());
    EXPECT_EQ(result->palette().color(QPalette::Base), before.color(QPalette::Base));
    erase(QStringLiteral("Text_VD(1)"));
    type(QStringLiteral("Text_VD(1)"), QStringLiteral("3"));
    EXPECT_FALSE(result->showsResult());
}

// Every box sits in the box column of its tab's grid, as wide as every other tab's boxes, with
// its unit beside it; the number bases, whose digits need a wider box, have no unit.
TEST_F(Look, EveryBoxSitsInOneGridWithItsUnit) {
    int width = 0;
    for (const TabRow& row : TabTable) {
        CalculatorTab* tab = form->tab(row.index);
        ASSERT_NE(tab, nullptr);
        if (tab->tabIndex() == TabNC)
            continue;
        for (int b = 0; b < tab->boxCount(); ++b) {
            NumberBox* x = tab->box(b);
            const std::string name = x->objectName().toStdString();
            const Cell cell = CellOf(x);
            // A later calculator may set a row of like boxes side by side (excluded values).
            if (!cell.grid && tab->tabIndex() > TabIO)
                continue;
            ASSERT_NE(cell.grid, nullptr) << name;
            // The track width sets the inner layer's box beside the outer one, the unit after
            // both.
            const auto boxAt = [&](int column) {
                QLayoutItem* item = cell.grid->itemAtPosition(cell.row, column);
                return item && qobject_cast<NumberBox*>(item->widget());
            };
            int first = cell.column;
            while (first > CalculatorTab::BoxColumn && boxAt(first - 1))
                --first;
            EXPECT_EQ(first, CalculatorTab::BoxColumn) << name;
            int unitColumn = CalculatorTab::UnitColumn;
            while (boxAt(unitColumn))
                ++unitColumn;
            if (width == 0)
                width = x->sizeHint().width();
            EXPECT_EQ(x->sizeHint().width(), width) << name;
            EXPECT_EQ(x->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed) << name;
            const char* unit = tab->row().calculator->boxes[static_cast<size_t>(b)].unit;
            QLayoutItem* beside = cell.grid->itemAtPosition(cell.row, unitColumn);
            // The rise times below the line take any unit, the same in the three boxes.
            if (!*unit || (tab->tabIndex() == TabTR && b >= 2))
                continue;
            ASSERT_NE(beside, nullptr) << name;
            // The transmission line's lengths and frequency count in its units, its phase
            // velocity in per cent of c; the catalogue keeps metres, hertz and metres per second.
            const std::string base = unit;
            // The wavelength's lengths count in the unit chosen for it.
            const bool ownUnit =
                (tab->tabIndex() == TabTL && (base == "m" || base == "Hz" || base == "m/s")) ||
                (tab->tabIndex() == TabWL && base == "m");
            // The via counts small figures in a prefixed unit of its own: pF, nH, ps.
            if (auto* label = qobject_cast<QLabel*>(beside->widget()); label && !ownUnit) {
                const QString text = label->text(), shown = QString::fromUtf8(unit);
                const bool prefixed = tab->tabIndex() == TabVIA &&
                                      text.size() == shown.size() + 1 && text.endsWith(shown) &&
                                      QStringLiteral("pnµm").contains(text[0]);
                if (!prefixed) {
                    EXPECT_EQ(text, shown) << name;
                }
            }
        }
    }
}

} // namespace
} // namespace oq

namespace oq {
namespace {

// A red warning or the serial tab's pair list appearing does not make the window grow, and
// nothing on the page moves for a warning: its room is kept from the start.
TEST_F(Look, WarningsAndListsAppearWithoutGrowingTheWindow) {
    for (const TabRow& row : TabTable)
        form->tab(row.index); // every page built, as it is soon after the window shows
    QCoreApplication::processEvents();
    const QSize start = form->size(), least = form->minimumSizeHint();
    auto keepsSize = [&](const char* what) {
        QCoreApplication::processEvents();
        EXPECT_EQ(form->size(), start) << what;
        EXPECT_EQ(form->minimumSizeHint(), least) << what;
    };
    auto places = [this](int tab) {
        QCoreApplication::processEvents();
        std::map<QString, QPoint> at;
        for (QWidget* w : form->tab(tab)->findChildren<QWidget*>())
            if (w->isVisible())
                at[w->objectName()] = w->mapTo(form.get(), QPoint());
        return at;
    };
    for (const int tab : {TabPI, TabT}) {
        selectTab(tab);
        const QString c = QLatin1String(tab == TabPI ? "PI" : "T");
        type(QStringLiteral("Text_%1(0)").arg(c), QStringLiteral("75"));
        type(QStringLiteral("Text_%1(1)").arg(c), QStringLiteral("50"));
        // The least attenuation is filled in; typing 1 dB over it is too little.
        ASSERT_FALSE(label(QStringLiteral("Label_%1_WrongValue").arg(c))->isVisible());
        const auto before = places(tab);
        NumberBox* attenuation = box(QStringLiteral("Text_%1(2)").arg(c));
        attenuation->setFocus();
        attenuation->selectAll();
        QTest::keyClicks(attenuation, QStringLiteral("1"));
        ASSERT_TRUE(label(QStringLiteral("Label_%1_WrongValue").arg(c))->isVisible());
        for (const auto& [name, point] : places(tab))
            if (before.count(name)) {
                EXPECT_EQ(point, before.at(name)) << name.toStdString();
            }
        keepsSize(tab == TabPI ? "PI-net warning" : "T-net warning");
    }
    selectTab(TabSR);
    click(QStringLiteral("Option_SR(2)"));
    type(QStringLiteral("Text_SR(0)"), QStringLiteral("1234"));
    auto* tolerance = form->findChild<QComboBox*>(QStringLiteral("Combo_SR_Percent"));
    ASSERT_NE(tolerance, nullptr);
    tolerance->setCurrentIndex(tolerance->findText(QStringLiteral("5")));
    click(QStringLiteral("Command_SR_Calculate"));
    EXPECT_TRUE(widget(QStringLiteral("Combo_SR_Result"))->isVisible());
    keepsSize("serial pair list");
}

} // namespace
} // namespace oq
