#include "gui_test.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QTemporaryDir>

namespace oq {
namespace {

// Every tab with standard values offers the same five series; the option indices keep E-96 and
// E-24 where they were, and the frame shows them by density.
class SeriesChoice : public MainFormTest {
  protected:
    static QString option(const char* code, int i) {
        return QStringLiteral("Option_%1_STD(%2)").arg(QLatin1String(code)).arg(i);
    }
    static QString text(const char* code, int i) {
        return QStringLiteral("Text_%1(%2)").arg(QLatin1String(code)).arg(i);
    }
};

TEST_F(SeriesChoice, EveryTabOffersFiveSeriesByDensity) {
    const char* const shownCaptions[] = {"E-12", "E-24", "E-48", "E-96", "E-192"};
    const int shownIndex[] = {2, 1, 3, 0, 4};
    for (const auto& [tab, code] : {std::pair{TabRP, "RP"},
                                    {TabVD, "VD"},
                                    {TabPR, "PR"},
                                    {TabPI, "PI"},
                                    {TabT, "T"},
                                    {TabSR, "SR"},
                                    {TabNO, "NO"},
                                    {TabIO, "IO"}}) {
        SCOPED_TRACE(code);
        selectTab(tab);
        int left = -1;
        for (int k = 0; k < 5; ++k) {
            QAbstractButton* b = button(option(code, shownIndex[k]));
            ASSERT_NE(b, nullptr);
            EXPECT_EQ(b->text(), QLatin1String(shownCaptions[k]));
            const int x = b->mapTo(form.get(), QPoint()).x();
            EXPECT_GT(x, left) << shownCaptions[k];
            left = x;
            EXPECT_EQ(b->isChecked(), shownIndex[k] == 0) << "E-96 stays the default";
        }
        EXPECT_EQ(form->findChild<QWidget*>(option(code, 5)), nullptr);
    }
}

// The tabs snap with the new series as with the old ones: two digits for E-12, three for E-48
// and E-192.
TEST_F(SeriesChoice, ResistorPowerSnapsToEachSeries) {
    struct Case {
        int option;
        QString r; // 5000 ohm snapped
        double value;
    };
    const Case cases[] = {{2, "4.7 k", 4700},
                          {1, "5.1 k", 5100},
                          {3, "5.11 k", 5110},
                          {0, "4.99 k", 4990},
                          {4, "4.99 k", 4990}};
    for (const Case& c : cases) {
        restart();
        selectTab(TabRP);
        click("Check_RP(2)");
        click("Check_RP(3)");
        type("Text_RP(0)", "12");
        type("Text_RP(1)", "5000");
        click(option("RP", c.option));
        click("Check_RP_StdVal");
        EXPECT_EQ(box("Text_RP(1)")->text(), c.r) << c.option;
        EXPECT_DOUBLE_EQ(form->state().StdValues[TabRP][1], c.value) << c.option;
        for (int i = 0; i < 5; ++i)
            EXPECT_FALSE(button(option("RP", i))->isEnabled()) << i;
        click("Check_RP_StdVal");
        for (int i = 0; i < 5; ++i)
            EXPECT_TRUE(button(option("RP", i))->isEnabled()) << i;
    }
}

TEST_F(SeriesChoice, NetworksAndOpAmpsSnapToTheChosenSeries) {
    // A 10 dB PI pad between 50 ohm has arms of 96.25 and 71.15 ohm.
    selectTab(TabPI);
    type(text("PI", 0), "50");
    type(text("PI", 1), "50");
    erase(text("PI", 2)); // the minimum attenuation shows there
    type(text("PI", 2), "10");
    click(option("PI", 4));
    click("Check_PI_StdVal");
    EXPECT_EQ(box(text("PI", 3))->text(), "96.5");
    EXPECT_EQ(box(text("PI", 4))->text(), "71.5");
    click("Check_PI_StdVal");
    click(option("PI", 2));
    click("Check_PI_StdVal");
    EXPECT_EQ(box(text("PI", 3))->text(), "100");
    EXPECT_EQ(box(text("PI", 4))->text(), "68");

    // Gain from R1 = 1 k and R2 = 9.3 k: E-48 makes R2 9.09 k.
    selectTab(TabNO);
    click("Option_NO(3)");
    type(text("NO", 0), "1000");
    type(text("NO", 1), "9300");
    click(option("NO", 3));
    click("Check_NO_StdVal");
    EXPECT_EQ(box(text("NO", 1))->text(), "9.09 k");
}

// The pair search names the series it searched in the label and the file.
TEST_F(SeriesChoice, PairSearchNamesTheNewSeries) {
    QTemporaryDir dir;
    selectTab(TabSR);
    click("Option_SR(2)");
    type(text("SR", 0), "4990");
    auto* percent = form->findChild<QComboBox*>("Combo_SR_Percent");
    percent->setCurrentIndex(percent->findText("1"));
    click(option("SR", 4));
    click("Command_SR_Calculate");
    EXPECT_EQ(label("Label_SR_STDSelected")->text(), "4990 is a standard E192 value");
    auto* result = form->findChild<QComboBox*>("Combo_SR_Result");
    ASSERT_GT(result->count(), 0);
    EXPECT_TRUE(result->itemText(0).startsWith("4930 + 59")) << result->itemText(0).toStdString();
    result->setCurrentIndex(0);
    EXPECT_EQ(box(text("SR", 1))->text(), "4.93 k");
    platform.saveAnswer = dir.filePath("SR.txt");
    click("Command_SR_Save");
    QFile file(platform.saveAnswer);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("Resistor Values: E192 series\r\n"));

    // E-12 writes two digits; 4990 is no member of it.
    click(option("SR", 2));
    percent->setCurrentIndex(percent->findText("5"));
    click("Command_SR_Calculate");
    EXPECT_FALSE(label("Label_SR_STDSelected")->isVisible());
    ASSERT_GT(result->count(), 0);
    result->setCurrentIndex(0);
    EXPECT_EQ(box(text("SR", 1))->text(), "4.7 k"); // 4700 + 270
}

} // namespace
} // namespace oq
