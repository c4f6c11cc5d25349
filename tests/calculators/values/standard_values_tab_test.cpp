#include "calculators/values/resistor_bands.h"
#include "core/readable_colours.h"
#include "gui_test.h"

#include <QComboBox>
#include <QImage>

namespace oq {
namespace {

// Rows of the table, E-3 first.
enum { E3, E6, E12, E24, E48, E96, E192 };

class StandardValuesTabTest : public MainFormTest {
  protected:
    void SetUp() override {
        MainFormTest::SetUp();
        selectTab(TabSV);
    }
    QString cell(const char* kind, int row) const {
        return label(QStringLiteral("Label_SV_%1(%2)").arg(QLatin1String(kind)).arg(row))->text();
    }
    void enter(const QString& typed) {
        erase("Text_SV(0)");
        type("Text_SV(0)", typed);
    }
    QComboBox* band(int i) const {
        return form->findChild<QComboBox*>(QStringLiteral("Combo_SV_Band(%1)").arg(i));
    }
    void chooseSeries(int row) { combo("Combo_SV_Code")->setCurrentIndex(row); }
    QComboBox* combo(const char* name) const { return form->findChild<QComboBox*>(name); }
    void pick(int i, Band colour) {
        band(i)->setCurrentIndex(band(i)->findData(static_cast<int>(colour)));
    }
};

// 4.99 k is in E-96 and E-192, not in E-24; 5.1 k is in E-24 alone, and E-96 offers 5.11 k.
TEST_F(StandardValuesTabTest, TypedValueInEverySeries) {
    enter("4k99");
    EXPECT_EQ(label("Label_SV_Frmt(0)")->text(), "(4.99 kOhm)");
    for (int row : {E3, E6, E12, E24, E48})
        EXPECT_EQ(cell("Member", row), "") << row;
    EXPECT_EQ(cell("Member", E96), "member");
    EXPECT_EQ(cell("Member", E192), "member");
    EXPECT_EQ(cell("Nearest", E24), "5.1 kOhm");
    EXPECT_EQ(cell("Lower", E24), "4.7 kOhm");
    EXPECT_EQ(cell("Deviation", E24), "+2.20 %");
    EXPECT_EQ(cell("Nearest", E3), "4.7 kOhm");
    EXPECT_EQ(cell("Higher", E192), "5.05 kOhm");

    enter("5.1k");
    EXPECT_EQ(cell("Member", E24), "member");
    for (int row : {E3, E6, E12, E48, E96, E192})
        EXPECT_EQ(cell("Member", row), "") << row;
    EXPECT_EQ(cell("Nearest", E96), "5.11 kOhm");
    EXPECT_EQ(cell("Deviation", E96), "+0.20 %");
    EXPECT_EQ(cell("Deviation", E24), "0.00 %");
}

// The box takes the letters of a resistance and nothing that would not read as one.
TEST_F(StandardValuesTabTest, BoxTakesResistanceLettersOnly) {
    enter("4x7R");
    EXPECT_EQ(box("Text_SV(0)")->text(), "47R");
    enter("2M2k,5");
    EXPECT_EQ(box("Text_SV(0)")->text(), "2M25");
    EXPECT_EQ(cell("Nearest", E12), "2.2 MOhm");
    enter("0");
    EXPECT_TRUE(label("Label_SV_WrongValue")->isVisible());
    EXPECT_EQ(cell("Nearest", E12), "");
    type("Text_SV(0)", "R1");
    EXPECT_FALSE(label("Label_SV_WrongValue")->isVisible());
    EXPECT_EQ(cell("Nearest", E12), "100 mOhm");

    click("Command_SV_Clear");
    EXPECT_EQ(box("Text_SV(0)")->text(), "");
    EXPECT_EQ(cell("Nearest", E12), "");
    EXPECT_FALSE(button("Command_SV_Clear")->isEnabled());
}

// Orange, blue, red, gold is 3.6 k at 5 %, drawn and told by name.
TEST_F(StandardValuesTabTest, ColourCodeOfTheNearestMember) {
    enter("3600");
    chooseSeries(E24);
    auto* bands = form->findChild<ResistorBands*>("Picture_SV_Bands");
    ASSERT_NE(bands, nullptr);
    const std::vector<Band> expected = {Band::Orange, Band::Blue, Band::Red, Band::Gold};
    EXPECT_EQ(bands->bands(), expected);
    EXPECT_EQ(bands->accessibleName(), "Colour bands: orange, blue, red, gold");
    EXPECT_TRUE(label("Label_SV_Bands")->text().endsWith("±5 %: orange, blue, red, gold"));
    chooseSeries(E3); // 4.7 k, three bands
    EXPECT_EQ(bands->bands().size(), 3u);
    chooseSeries(E192); // 3.61 k, green by default
    EXPECT_EQ(bands->bands().back(), Band::Green);
    combo("Combo_SV_Precision")->setCurrentIndex(0);
    EXPECT_EQ(bands->bands().back(), Band::Violet);
    EXPECT_TRUE(label("Label_SV_Bands")->text().startsWith("3.61 kOhm (E-192) ±0.1 %"));
}

// Brown, black, black, red, brown on five bands is 10 k at 1 %, in every series; the value shows
// as many digits as the code has.
TEST_F(StandardValuesTabTest, BandEditorReadsTheCode) {
    click("Option_SV_BandCount(2)");
    EXPECT_TRUE(band(4)->isVisible() && !band(5)->isVisible());
    pick(0, Band::Brown);
    pick(1, Band::Black);
    pick(2, Band::Black);
    pick(3, Band::Red);
    pick(4, Band::Brown);
    EXPECT_EQ(label("Label_SV_Reading")->text(),
              "10.0 kOhm ±1 %; in E-3, E-6, E-12, E-24, E-48, E-96, E-192");
    EXPECT_EQ(band(3)->accessibleName(), "Band 4, multiplier");
    EXPECT_EQ(band(3)->currentText(), "red (x 100)");

    click("Option_SV_BandCount(1)");
    pick(0, Band::Orange);
    pick(1, Band::Blue);
    pick(2, Band::Red);
    pick(3, Band::Gold);
    EXPECT_EQ(label("Label_SV_Reading")->text(), "3.6 kOhm ±5 %; in E-24");
    click("Option_SV_BandCount(3)");
    pick(5, Band::Red);
    EXPECT_TRUE(label("Label_SV_Reading")->text().contains("50 ppm/K"));
    pick(1, Band::White); // 19 k
    pick(2, Band::White);
    EXPECT_TRUE(label("Label_SV_Reading")->text().endsWith("in no standard series"));
}

// On a dark theme the leads take the light text colour and the body stays light, so the bands
// keep their contrast.
TEST_F(StandardValuesTabTest, DrawingReadsOnADarkTheme) {
    ResistorBands drawing;
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    drawing.setPalette(dark);
    drawing.setAutoFillBackground(true);
    drawing.resize(drawing.sizeHint());
    drawing.setBands({Band::Black, Band::Black, Band::Black, Band::Gold});
    const QImage image = drawing.grab().toImage();
    const QColor window = dark.color(QPalette::Window);
    const QColor lead = image.pixelColor(2, image.height() / 2);
    EXPECT_GE(ContrastRatio(lead, window), ReadableContrast) << lead.name().toStdString();
    // Between the third band and the tolerance band: the body.
    const QColor body = image.pixelColor(image.width() * 6 / 10, image.height() / 2);
    EXPECT_GE(ContrastRatio(body, BandColour(Band::Black)), ReadableContrast)
        << body.name().toStdString();
}

} // namespace
} // namespace oq
