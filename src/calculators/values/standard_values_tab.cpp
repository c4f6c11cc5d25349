#include "calculators/values/standard_values_tab.h"

#include "calculators/values/resistor_bands.h"
#include "core/controls.h"
#include "model/checked.h"
#include "model/notation.h"
#include "model/series_lookup.h"
#include "model/si_value.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace oq {

namespace {

constexpr int ValueBox = 0;
// The colour code is drawn for E-96 until the user picks another series.
constexpr int DefaultCodeSeries = 5;
// E-192 parts: violet 0.1 %, blue 0.25 %, green 0.5 % (the default).
constexpr Band PrecisionBands[3] = {Band::Violet, Band::Blue, Band::Green};
constexpr int DefaultPrecision = 2;
// A code that reads for each band count: 1 k at 20 %, 1 k at 5 %, 10 k at 1 %, and that with
// 100 ppm/K.
const std::vector<Band> StartCodes[4] = {
    {Band::Brown, Band::Black, Band::Red},
    {Band::Brown, Band::Black, Band::Red, Band::Gold},
    {Band::Brown, Band::Black, Band::Black, Band::Red, Band::Brown},
    {Band::Brown, Band::Black, Band::Black, Band::Red, Band::Brown, Band::Brown}};

Series SeriesAt(int row) {
    return kAllSeries[static_cast<size_t>(row)];
}

QString Ohms(double v, float code) {
    return Qs(FormatEng(v, ";Ohm;", code));
}

float FormatCode(Series s) {
    return SeriesDigits(s) == 3 ? 103.0f : 102.0f;
}

// Pink 10^-3 to white 10^9.
const char* const Multipliers[13] = {"0.001", "0.01",  "0.1", "1",    "10",    "100", "1 k",
                                     "10 k",  "100 k", "1 M", "10 M", "100 M", "1 G"};

QString Percent(double v) {
    return QString::number(v, 'g', 3) + QStringLiteral(" %");
}

// What a band means where it stands, for the editor's lists: "red (2)", "red (x 100)",
// "red (2 %)", "red (50 ppm/K)".
QString BandMeaning(Band b, int count, int position) {
    const int digits = count >= 5 ? 3 : 2;
    QString meaning;
    if (position < digits)
        meaning = QString::number(*BandDigit(b));
    else if (position == digits)
        meaning = QStringLiteral("x ") + QLatin1String(Multipliers[*BandExponent(b) + 3]);
    else if (position == digits + 1)
        meaning = Percent(*BandTolerance(b));
    else
        meaning = QString::number(*BandTemperatureCoefficient(b)) + QStringLiteral(" ppm/K");
    return BandText(b) + QStringLiteral(" (") + meaning.trimmed() + QLatin1Char(')');
}

// A small swatch of the band's colour with an edge in the text colour, so that black shows on a
// dark list and white on a light one.
QIcon Swatch(Band b, const QColor& edge, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(edge);
    p.setBrush(BandColour(b));
    p.drawRect(0, 0, size - 1, size - 1);
    return QIcon(pixmap);
}

QString PlaceName(int count, int position) {
    const int digits = count >= 5 ? 3 : 2;
    QString what;
    if (position < digits)
        what = QStringLiteral("digit %1").arg(position + 1);
    else if (position == digits)
        what = QStringLiteral("multiplier");
    else if (position == digits + 1)
        what = QStringLiteral("tolerance");
    else
        what = QStringLiteral("temperature coefficient");
    return QStringLiteral("Band %1, %2").arg(position + 1).arg(what);
}

} // namespace

StandardValuesTab::StandardValuesTab(MainHost& host, const TabRow& row, QWidget* parent)
    : CalculatorTab(host, row, parent) {
    BoxRules rules;
    rules.ownFilter = true;
    NumberBox* value = addBox(ValueBox, rules);
    value->setLocked(false);
    connect(value, &QLineEdit::textChanged, this, [this] { Text_SV_Change(); });

    auto* left = new QGridLayout;
    left->addWidget(addLabel("Label_SV_1", QStringLiteral("Value")), 0, 0);
    // In the box, unit and extra columns of every tab's grid; the table below shares them.
    value->setSizePolicy(QSizePolicy::Fixed, value->sizePolicy().verticalPolicy());
    left->addWidget(value, 0, BoxColumn);
    left->addWidget(addLabel("Label_SV_Unit", QStringLiteral("ohm")), 0, UnitColumn);
    echo_ = addLabel("Label_SV_Frmt(0)", QString());
    echo_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("(999.99 kOhm)")));
    left->addWidget(echo_, 0, ExtraColumn, 1, 3);
    wrongValue_ = addLabel("Label_SV_WrongValue", QStringLiteral("Incorrect Value"));
    MakeWarningLabel(wrongValue_);
    left->addWidget(wrongValue_, 1, 1, 1, 4);

    const char* const heads[] = {"Series", "Nearest", "Lower", "Higher", "Deviation", ""};
    const char* const what[] = {"series", "nearest", "lower", "higher", "deviation", "member"};
    for (int c = 0; c < 6; ++c)
        left->addWidget(addLabel(ControlName("Label", "SV_Head", c).toLatin1().constData(),
                                 QLatin1String(heads[c])),
                        2, c);
    for (int i = 0; i < SeriesCount; ++i) {
        SeriesRow& r = rows_[static_cast<size_t>(i)];
        auto cell = [&](const char* kind, int column) {
            QLabel* l = addLabel(ControlName("Label", kind, i).toLatin1().constData(), QString());
            l->setTextInteractionFlags(Qt::TextSelectableByMouse);
            // Read as "E-24 nearest", "E-24 deviation": the row and the column.
            l->setAccessibleName(Qs(std::string(SeriesName(SeriesAt(i)))) + QLatin1Char(' ') +
                                 QLatin1String(what[column]));
            left->addWidget(l, 3 + i, column);
            return l;
        };
        r.name = cell("SV_Series", 0);
        r.name->setText(Qs(std::string(SeriesName(SeriesAt(i)))));
        r.nearest = cell("SV_Nearest", 1);
        r.lower = cell("SV_Lower", 2);
        r.higher = cell("SV_Higher", 3);
        r.deviation = cell("SV_Deviation", 4);
        r.member = cell("SV_Member", 5);
    }
    left->setColumnStretch(6, 1);
    left->setHorizontalSpacing(2 * fontMetrics().averageCharWidth());

    // The colour code of the nearest member of one series.
    auto* code = new QGroupBox(QStringLiteral("Colour code of the nearest member"), this);
    code->setObjectName(QStringLiteral("Frame_SV_Colour"));
    auto* codeLayout = new QGridLayout(code);
    codeSeries_ = new QComboBox(code);
    codeSeries_->setObjectName(QStringLiteral("Combo_SV_Code"));
    codeSeries_->setAccessibleName(QStringLiteral("Series of the colour code"));
    codeSeries_->view()->setAccessibleName(codeSeries_->accessibleName());
    for (Series s : kAllSeries)
        codeSeries_->addItem(Qs(std::string(SeriesName(s))));
    codeSeries_->setCurrentIndex(DefaultCodeSeries);
    connect(codeSeries_, &QComboBox::currentIndexChanged, this, [this] { showColourCode(); });
    precision_ = new QComboBox(code);
    precision_->setObjectName(QStringLiteral("Combo_SV_Precision"));
    precision_->setAccessibleName(QStringLiteral("E-192 tolerance band"));
    precision_->view()->setAccessibleName(precision_->accessibleName());
    for (const char* text : {"violet 0.1 %", "blue 0.25 %", "green 0.5 %"})
        precision_->addItem(QLatin1String(text));
    precision_->setCurrentIndex(DefaultPrecision);
    connect(precision_, &QComboBox::currentIndexChanged, this, [this] { showColourCode(); });
    codeLayout->addWidget(addLabel("Label_SV_Code", QStringLiteral("Series")), 0, 0);
    codeLayout->addWidget(codeSeries_, 0, 1, Qt::AlignLeft);
    codeLayout->addWidget(addLabel("Label_SV_Precision", QStringLiteral("E-192 tolerance")), 1, 0);
    codeLayout->addWidget(precision_, 1, 1, Qt::AlignLeft);
    bands_ = new ResistorBands(code);
    bands_->setObjectName(QStringLiteral("Picture_SV_Bands"));
    codeLayout->addWidget(bands_, 2, 0, 1, 2);
    bandsText_ = addLabel("Label_SV_Bands", QString());
    bandsText_->setWordWrap(true);
    codeLayout->addWidget(bandsText_, 3, 0, 1, 2);
    codeLayout->setColumnStretch(1, 1);

    // The other way: bands in, value out.
    auto* editor = new QGroupBox(QStringLiteral("Read a colour code"), this);
    editor->setObjectName(QStringLiteral("Frame_SV_Editor"));
    auto* editorLayout = new QGridLayout(editor);
    auto* countRow = new QHBoxLayout;
    bandCount_ = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(QStringLiteral("%1 bands").arg(i + 3), editor);
        option->setObjectName(ControlName("Option", "SV_BandCount", i));
        FitToCaption(option);
        bandCount_->addButton(option, i);
        countRow->addWidget(option);
        OnClick(option, [this, i] { Option_SV_BandCount_Click(i); });
    }
    countRow->addStretch(1);
    editorLayout->addLayout(countRow, 0, 0, 1, 4);
    // Three bands a row, so that each list can name what its colour means there.
    for (int i = 0; i < MaxBands; ++i) {
        auto* combo = new QComboBox(editor);
        combo->setObjectName(ControlName("Combo", "SV_Band", i));
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        connect(combo, &QComboBox::currentIndexChanged, this, [this] { Combo_SV_Band_Click(); });
        bandBox_[static_cast<size_t>(i)] = combo;
        editorLayout->addWidget(combo, 1 + i / 3, i % 3);
    }
    editorLayout->setColumnStretch(3, 1);
    editorBands_ = new ResistorBands(editor);
    editorBands_->setObjectName(QStringLiteral("Picture_SV_Editor"));
    editorLayout->addWidget(editorBands_, 3, 0, 1, 2);
    reading_ = addLabel("Label_SV_Reading", QString());
    reading_->setWordWrap(true);
    editorLayout->addWidget(reading_, 3, 2, 1, 2);

    auto* top = new QHBoxLayout;
    top->addLayout(left, 3);
    top->addSpacing(fontMetrics().averageCharWidth() * 2);
    top->addWidget(code, 2);
    auto* controls = new QVBoxLayout;
    controls->addLayout(top);
    controls->addWidget(editor);

    clear_ = addClearButton([this] { Command_SV_Clear_Click(); });
    arrange(controls, {}, clear_);

    bandCount_->button(1)->setChecked(true);
    showNothing();
    setBandCount(4);
}

int StandardValuesTab::bandCount() const {
    return std::max(0, bandCount_->checkedId()) + 3;
}

Band StandardValuesTab::e192Tolerance() const {
    const int i = precision_->currentIndex();
    return PrecisionBands[i >= 0 ? i : DefaultPrecision];
}

QChar StandardValuesTab::boxFilterKey(int, QChar key) {
    if (key == QLatin1Char(','))
        return QLatin1Char('.');
    if (key.isDigit() || key == QLatin1Char('.') || key == QChar(0x00B5) ||
        QStringLiteral("pnumkKMGTRr").contains(key))
        return key;
    return {};
}

bool StandardValuesTab::boxFilterText(int, QString& text, int&) {
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    return IsTypedResistancePrefix(text.toStdString());
}

// The box has no unknown to choose, and a blank is no part of a value.
bool StandardValuesTab::boxSpace(int) {
    return false;
}

void StandardValuesTab::showNothing() {
    shown_ = false;
    echo_->clear();
    for (SeriesRow& r : rows_) {
        for (QLabel* l : {r.nearest, r.lower, r.higher, r.deviation, r.member})
            l->clear();
        r.name->setAccessibleName(r.name->text() + QStringLiteral(" series"));
    }
    showColourCode();
}

void StandardValuesTab::showEcho() {
    if (shown_)
        echo_->setText(QLatin1Char('(') + Ohms(value(ValueBox), decimals(ValueBox)) +
                       QLatin1Char(')'));
}

// The typed text stays as it is ("4k7" is no number to rewrite); the echo takes the decimals.
void StandardValuesTab::redisplayBox(int) {
    showEcho();
}

void StandardValuesTab::Text_SV_Change() {
    if (ownWrite())
        return;
    const QString text = box(ValueBox)->text();
    clear_->setEnabled(!text.isEmpty());
    wrongValue_->hide();
    if (text.isEmpty()) {
        value(ValueBox) = 0;
        showNothing();
        return;
    }
    const std::optional<double> typed = ReadTypedResistance(text.toStdString());
    value(ValueBox) = typed.value_or(0);
    try {
        if (!typed)
            throw CalcError("no value");
        std::array<SeriesNeighbours, SeriesCount> found;
        for (int i = 0; i < SeriesCount; ++i)
            found[static_cast<size_t>(i)] = LookUpSeries(SeriesAt(i), *typed);
        shown_ = true;
        for (int i = 0; i < SeriesCount; ++i) {
            const SeriesNeighbours& n = found[static_cast<size_t>(i)];
            SeriesRow& r = rows_[static_cast<size_t>(i)];
            const float code = FormatCode(n.series);
            r.nearest->setText(Ohms(n.nearest, code));
            r.lower->setText(Ohms(n.lower, code));
            r.higher->setText(Ohms(n.higher, code));
            r.deviation->setText((n.deviation > 0 ? QStringLiteral("+") : QString()) +
                                 QString::number(n.deviation, 'f', 2) + QStringLiteral(" %"));
            r.member->setText(n.member ? QStringLiteral("member") : QString());
            r.name->setAccessibleName(r.name->text() + QStringLiteral(" series") +
                                      (n.member ? QStringLiteral(", member") : QString()));
        }
        showEcho();
        showColourCode();
    } catch (const CalcError&) {
        showNothing();
        wrongValue_->show();
    }
}

void StandardValuesTab::showColourCode() {
    const int i = codeSeries_->currentIndex();
    const Series s = SeriesAt(i >= 0 ? i : DefaultCodeSeries);
    if (!shown_) {
        bands_->setBands({});
        bandsText_->setText(QStringLiteral("Type a value to see its colour code."));
        return;
    }
    const double nearest = NearestMember(s, value(ValueBox));
    const auto bands = SeriesBands(s, nearest, e192Tolerance());
    bands_->setBands(bands.value_or(std::vector<Band>{}));
    const QString member = Ohms(nearest, FormatCode(s)) + QStringLiteral(" (") +
                           Qs(std::string(SeriesName(s))) + QStringLiteral(")");
    if (!bands) {
        bandsText_->setText(member + QStringLiteral(": no colour code; its multiplier lies "
                                                    "beyond pink (0.001) and white (10^9)."));
        return;
    }
    const double tolerance = *BandTolerance(SeriesToleranceBand(s, e192Tolerance()));
    bandsText_->setText(member + QStringLiteral(" ±") + Percent(tolerance) + QStringLiteral(": ") +
                        BandsText(*bands));
}

void StandardValuesTab::Option_SV_BandCount_Click(int index) {
    setBandCount(index + 3);
}

void StandardValuesTab::setBandCount(int count) {
    const std::vector<Band>& start = StartCodes[count - 3];
    const QColor edge = palette().color(QPalette::WindowText);
    const int size = fontMetrics().height() * 3 / 4;
    for (int i = 0; i < MaxBands; ++i) {
        QComboBox* combo = bandBox_[static_cast<size_t>(i)];
        const QSignalBlocker quiet(combo);
        combo->clear();
        combo->setVisible(i < count);
        combo->setAccessibleName(PlaceName(count, i));
        combo->view()->setAccessibleName(combo->accessibleName());
        if (i >= count)
            continue;
        for (Band b : BandChoices(count, i))
            combo->addItem(Swatch(b, edge, size), BandMeaning(b, count, i), static_cast<int>(b));
        combo->setCurrentIndex(combo->findData(static_cast<int>(start[static_cast<size_t>(i)])));
    }
    Combo_SV_Band_Click();
}

std::vector<Band> StandardValuesTab::editedBands() const {
    std::vector<Band> bands;
    for (int i = 0; i < bandCount(); ++i)
        bands.push_back(static_cast<Band>(bandBox_[static_cast<size_t>(i)]->currentData().toInt()));
    return bands;
}

void StandardValuesTab::Combo_SV_Band_Click() {
    const std::vector<Band> bands = editedBands();
    editorBands_->setBands(bands);
    const std::optional<BandReading> r = ReadBands(bands);
    if (!r) {
        reading_->setText(QStringLiteral("Not a colour code"));
        return;
    }
    QString text = Ohms(r->value, bands.size() >= 5 ? 103.0f : 102.0f) + QStringLiteral(" ±") +
                   Percent(r->tolerance);
    if (r->temperatureCoefficient)
        text += QStringLiteral(", ") + QString::number(*r->temperatureCoefficient) +
                QStringLiteral(" ppm/K");
    QStringList series;
    for (Series s : kAllSeries)
        if (IsMember(s, r->value))
            series << Qs(std::string(SeriesName(s)));
    text += series.isEmpty() ? QStringLiteral("; in no standard series")
                             : QStringLiteral("; in ") + series.join(QStringLiteral(", "));
    reading_->setText(text);
}

void StandardValuesTab::Command_SV_Clear_Click() {
    clearAll(wrongValue_, clear_, [this] { showNothing(); });
}

} // namespace oq
