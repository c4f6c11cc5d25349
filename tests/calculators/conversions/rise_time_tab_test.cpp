#include "gui_test.h"

#include <QTest>

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
    bool selected(const char* group, int k) const {
        return button(QStringLiteral("Option_TR_%1(%2)").arg(QLatin1String(group)).arg(k))
            ->isChecked();
    }
    void unit(const char* group, int k) {
        click(QStringLiteral("Option_TR_%1(%2)").arg(QLatin1String(group)).arg(k));
    }
    QLabel* wrong(int i) const { return label(QStringLiteral("Label_TR_WrongValue(%1)").arg(i)); }
    bool written() const {
        for (const auto& [key, text] : store.writes)
            if (key == Key)
                return true;
        return false;
    }
};

TEST_F(RiseTimeTabTest, RiseTimeAndBandwidthInTheirUnits) {
    EXPECT_TRUE(selected("Tr", 1) && selected("BW", 1)); // ns, MHz
    type(T(0), "1");
    EXPECT_EQ(text(1), "350.00");
    type(T(0), "."); // the same value again: the next key still counts
    type(T(0), "5");
    EXPECT_EQ(text(1), "233.33");
    erase(T(0));
    type(T(0), "2");
    unit("Tr", 0); // the typed 2 now counts in µs
    EXPECT_EQ(text(0), "2");
    EXPECT_EQ(text(1), "175.00");
    EXPECT_TRUE(selected("BW", 0)); // kHz
    unit("BW", 1);                  // 175 MHz: 2 ns
    EXPECT_EQ(text(0), "2.00");
    EXPECT_TRUE(selected("Tr", 1));
    erase(T(1));
    EXPECT_EQ(text(0), "");
    unit("BW", 2);
    type(T(1), "350"); // the upper limit is inclusive
    EXPECT_EQ(text(0), "1.00");
    EXPECT_TRUE(selected("Tr", 2));
}

TEST_F(RiseTimeTabTest, OutOfRangeEmptiesThePartnerWithItsReason) {
    struct Case {
        const char* group;
        int unit;
        QString typed, reason;
        int partner;
    };
    const Case cases[] = {
        {"Tr", 0, "101", "less than 100 µs.", 1},
        {"BW", 2, "351", "less than 350 GHz.", 0},
    };
    for (const Case& c : cases) {
        fresh();
        unit(c.group, c.unit);
        type(T(1 - c.partner), c.typed);
        EXPECT_EQ(text(c.partner), "");
        EXPECT_TRUE(wrong(1)->isVisible());
        EXPECT_EQ(wrong(1)->text(), "Incorrect value. Must be " + c.reason);
    }
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
    type(T(0), "0.0001"); // below 1 ps
    EXPECT_TRUE(wrong(1)->isVisible());
    click("Command_TR_Clear"); // hides both warnings, keeps the system rise time
    EXPECT_FALSE(wrong(0)->isVisible() || wrong(1)->isVisible());
    EXPECT_EQ(text(2), "3");
    EXPECT_EQ(text(3), "");
    EXPECT_FALSE(button("Command_TR_Clear")->isEnabled());
}

TEST_F(RiseTimeTabTest, SystemRiseTimeIsKeptAcrossRuns) {
    const std::pair<std::string, QString> stored[] = {
        {"3.25", "3.3"}, {"0", ""}, {"-2", ""}, {"", ""}, {"abc", ""}};
    for (const auto& [value, shown] : stored) {
        store.values[Key] = value;
        fresh();
        EXPECT_EQ(text(2), shown) << value;
        restart(); // not edited: not written
        EXPECT_FALSE(written()) << value;
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
