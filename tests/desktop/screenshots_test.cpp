#include "core/tab_strip.h"
#include "gui_test.h"
#include "palettes.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTest>
#include <map>
#include <utility>
#include <vector>

namespace oq {
namespace {

// A worked example on each calculator, so that the pictures show typed values beside results:
// the buttons clicked first, then the boxes typed into.
struct Example {
    std::vector<const char*> clicks;
    std::vector<std::pair<const char*, const char*>> typed;
};

const std::map<int, Example>& Examples() {
    static const std::map<int, Example> examples = {
        {TabRP, {{"Check_RP(2)", "Check_RP(3)"}, {{"Text_RP(0)", "12"}, {"Text_RP(1)", "470"}}}},
        {TabVD,
         {{"Option_VD(1)"},
          {{"Text_VD(0)", "12"}, {"Text_VD(2)", "10000"}, {"Text_VD(3)", "4700"}}}},
        {TabPR, {{"Option_PR(0)"}, {{"Text_PR(1)", "1000"}, {"Text_PR(2)", "2200"}}}},
        {TabPI, {{}, {{"Text_PI(0)", "50"}, {"Text_PI(1)", "50"}, {"Text_PI(2)", "10"}}}},
        {TabT, {{}, {{"Text_T(0)", "50"}, {"Text_T(1)", "50"}, {"Text_T(2)", "6"}}}},
        {TabNC, {{}, {{"Text_NC(0)", "255"}}}},
        {TabDB1, {{}, {{"Text_DB1(0)", "2"}}}},
        {TabDB2, {{}, {{"Text_DB2(0)", "10"}}}},
        {TabTR, {{}, {{"Text_TR(0)", "3.5"}, {"Text_TR(2)", "1.2"}, {"Text_TR(3)", "2"}}}},
        {TabSR, {{"Option_SR(0)"}, {{"Text_SR(1)", "1000"}, {"Text_SR(2)", "2200"}}}},
        {TabCZ, {{"Option_CZ(2)"}, {{"Text_CZ(0)", "1000"}, {"Text_CZ(1)", "1"}}}},
        {TabLZ, {{"Option_LZ(2)"}, {{"Text_LZ(0)", "1000"}, {"Text_LZ(1)", "10"}}}},
        {TabNO, {{"Option_NO(3)"}, {{"Text_NO(0)", "1000"}, {"Text_NO(1)", "9000"}}}},
        {TabIO, {{"Option_IO(3)"}, {{"Text_IO(0)", "1000"}, {"Text_IO(1)", "10000"}}}},
        {TabSV, {{}, {{"Text_SV(0)", "4k7"}}}},
        {TabRC, {{}, {{"Text_RC(0)", "17.6"}}}},
        {TabREG,
         {{"Option_REG_Kind(1)", "Option_REG(2)"},
          {{"Text_REG(3)", "1.2"},
           {"Text_REG(4)", "1.25"},
           {"Text_REG(5)", "1.3"},
           {"Text_REG(7)", "50"},
           {"Text_REG(8)", "100"},
           {"Text_REG(0)", "5"},
           {"Text_REG(1)", "240"}}}},
        {TabTW,
         {{"Option_TW(0)"},
          {{"Text_TW(2)", "1"},
           {"Text_TW(4)", "10"},
           {"Text_TW(5)", "25"},
           {"Text_TW(6)", "35"},
           {"Text_TW(7)", "50"}}}},
        {TabVIA,
         {{},
          {{"Text_VIA(0)", "0.3"},
           {"Text_VIA(1)", "25"},
           {"Text_VIA(2)", "1.6"},
           {"Text_VIA(3)", "0.6"},
           {"Text_VIA(4)", "1"},
           {"Text_VIA(5)", "4.4"},
           {"Text_VIA(6)", "0.5"},
           {"Text_VIA(7)", "10"},
           {"Text_VIA(8)", "1"},
           {"Text_VIA(9)", "50"}}}},
        {TabES, {{}, {{"Text_ES(0)", "600"}}}},
        {TabWL, {{"Option_WL(0)"}, {{"Text_WL(0)", "2.4"}, {"Text_WL(3)", "4.4"}}}},
        {TabTL,
         {{"Option_TL_Solve(0)"},
          {{"Text_TL(0)", "4.4"},
           {"Text_TL(1)", "1"},
           {"Text_TL(2)", "1.875"},
           {"Text_TL(3)", "0.035"},
           {"Text_TL(5)", "0.02"},
           {"Text_TL(6)", "58000000"},
           {"Text_TL(7)", "1"},
           {"Text_TL(8)", "100"}}}},
    };
    return examples;
}

using Screenshots = MainFormTest;

// Every calculator with a worked example on a light and a dark theme, saved under the build
// folder for a look by eye and for the release notes. Run once as it is and once with
// QT_SCALE_FACTOR=2; the scale is in the file names.
TEST_F(Screenshots, EveryCalculatorOnLightAndDarkThemes) {
    const QString folder = QStringLiteral(OHMQUILL_SCREENSHOTS);
    ASSERT_TRUE(QDir().mkpath(folder));
    const QPalette before = QApplication::palette();
    const int scale = qRound(form->devicePixelRatioF());
    for (int t = 0; t < form->strip()->count(); ++t) {
        selectTab(t);
        const TabRow& row = TabTable[static_cast<size_t>(t)];
        if (const auto example = Examples().find(row.index); example != Examples().end()) {
            for (const char* name : example->second.clicks)
                click(QLatin1String(name));
            // Emptied first: a typed impedance fills in the least attenuation.
            for (const auto& [name, text] : example->second.typed) {
                erase(QLatin1String(name));
                type(QLatin1String(name), QLatin1String(text));
            }
            // The combinations are searched beside the window: their list, not "Searching...".
            EXPECT_TRUE(QTest::qWaitFor(
                [this] {
                    const auto* best = form->findChild<QLabel*>(QStringLiteral("Label_RC_Best"));
                    return !best || !best->isVisible() || !best->text().startsWith(u"Searching");
                },
                5000));
        }
        for (const auto& [theme, palette] :
             {std::pair{"light", LightPalette()}, std::pair{"dark", DarkPalette()}}) {
            QApplication::setPalette(palette);
            QCoreApplication::processEvents(); // the windows learn of it by posted events
            const QString file =
                QStringLiteral("%1/%2-%3-%4x.png")
                    .arg(folder, QString::fromLatin1(row.code).toLower(), QLatin1String(theme))
                    .arg(scale);
            const QPixmap shot = form->grab();
            EXPECT_EQ(shot.devicePixelRatio(), scale);
            EXPECT_TRUE(shot.save(file)) << file.toStdString();
        }
        QApplication::setPalette(before);
    }
    QApplication::setPalette(before);
    QCoreApplication::processEvents();
}

} // namespace
} // namespace oq
