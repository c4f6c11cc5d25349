#include "gui_test.h"

namespace oq {
namespace {

QString T(int i) {
    return QStringLiteral("Text_TR(%1)").arg(i);
}
const char* const Key = "TR System Rise Time";

class RiseTimeTabTest : public MainFormTest {
  protected:
    void SetUp() override {
        MainFormTest::SetUp();
        selectTab(8);
    }
    void fresh() {
        restart();
        selectTab(8);
    }
    QString text(int i) const { return box(T(i))->text(); }
    bool ticked(const char* name) const { return button(QLatin1String(name))->isChecked(); }
    QLabel* wrong(int i) const { return label(QStringLiteral("Label_TR_WrongValue(%1)").arg(i)); }
};

TEST_F(RiseTimeTabTest, RiseTimeAndBandwidthInTheirUnits) {
    EXPECT_TRUE(ticked("Option_TR_Tr(1)") && ticked("Option_TR_BW(1)")); // ns, MHz
    type(T(0), "1");
    EXPECT_EQ(text(1), "350.00");
    type(T(0), "."); // the same value again: the next key still counts
    type(T(0), "5");
    EXPECT_EQ(text(1), "233.33");
    click("Option_TR_Tr(0)"); // the typed 1.5 now counts in µs
    EXPECT_EQ(text(0), "1.5");
    EXPECT_EQ(text(1), "233.33");
    EXPECT_TRUE(ticked("Option_TR_BW(0)")); // kHz
    erase(T(0));
    EXPECT_EQ(text(1), "");
}

TEST_F(RiseTimeTabTest, DeviceUnderTestFromTheSystemRiseTime) {
    type(T(3), "5");
    EXPECT_TRUE(label("Label_TR_SysTr")->isVisible()); // nothing known about the system yet
    EXPECT_TRUE(box(T(2))->hasFocus());
    type(T(2), "3");
    type(T(3), "5");
    EXPECT_EQ(text(4), "4.0");
    erase(T(4));
    type(T(4), "4");
    EXPECT_EQ(text(3), "5.0");
    erase(T(3));
    type(T(3), "2");
    EXPECT_TRUE(wrong(0)->isVisible());
    EXPECT_EQ(text(4), "");
    // Beyond 350 GHz the rise time goes, and the reason is told.
    type(T(1), "1");
    type(T(1), "000000");
    EXPECT_EQ(text(0), "");
    EXPECT_TRUE(wrong(0)->isVisible() && wrong(1)->isVisible());
    EXPECT_EQ(wrong(1)->text(), "Incorrect value. Must be less than 350 GHz.");
    click("Command_TR_Clear"); // hides both warnings, keeps the system rise time
    EXPECT_FALSE(wrong(0)->isVisible() || wrong(1)->isVisible());
    EXPECT_EQ(text(2), "3");
    EXPECT_EQ(text(3), "");
    EXPECT_FALSE(button("Command_TR_Clear")->isEnabled());
}

TEST_F(RiseTimeTabTest, SystemRiseTimeIsKeptAcrossRuns) {
    const std::pair<std::string, QString> stored[] = {{"3.25", "3.3"}, {"-2", ""}, {"abc", ""}};
    for (const auto& [value, shown] : stored) {
        store.values[Key] = value;
        fresh();
        EXPECT_EQ(text(2), shown) << value;
        restart(); // not edited: not written
        EXPECT_EQ(store.values[Key], value);
    }
    type(T(2), "7.50");
    restart();
    EXPECT_EQ(store.values[Key], "7.50"); // as displayed
    selectTab(8);
    EXPECT_EQ(text(2), "7.5");
    erase(T(2));
    restart();
    EXPECT_EQ(store.values[Key], "");
}

} // namespace
} // namespace oq
