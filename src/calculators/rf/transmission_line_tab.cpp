#include "calculators/rf/transmission_line_tab.h"

#include "core/controls.h"
#include "model/computations.h"
#include "model/length_units.h"
#include "model/notation.h"
#include "model/prefix_units.h"
#include "model/settings.h"
#include "model/transmission_line.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <vector>

namespace oq {

namespace {

using B = TransmissionLineTab::Box;

// What the tl computation calls each box as an input and as a result; nullptr for none.
constexpr std::array<const char*, B::BoxCount> InputNames = {
    "er",     "h",  "w",     "t",     "gap",   "tand",  "sigma", "f",
    "length", "z0", nullptr, nullptr, "angle", nullptr, nullptr, nullptr};
constexpr std::array<const char*, B::BoxCount> ResultNames = {
    nullptr,  nullptr, "w",    nullptr, nullptr, nullptr,          nullptr,           nullptr,
    "length", "z0",    "eeff", "vp",    "angle", "conductor_loss", "dielectric_loss", "skin_depth"};

const char* const LineCaptions[LineTypeCount] = {"Microstrip", "Stripline (symmetric)",
                                                 "Coplanar waveguide",
                                                 "Coplanar waveguide with ground", "Coaxial line"};
const char* const LengthCaptions[] = {"mm", "mil", "\xc2\xb5m"};
constexpr double LengthFactors[] = {1e-3, MetresPerMil, 1e-6};
const char* const FrequencyCaptions[] = {"Hz", "kHz", "MHz", "GHz"};
constexpr double FrequencyFactors[] = {1, 1e3, 1e6, 1e9};

bool IsLength(int index) {
    return index == B::Height || index == B::Width || index == B::Thickness || index == B::Gap ||
           index == B::Length || index == B::SkinDepth;
}

// The captions that stay with every line; the height and width change with it.
const char* const Captions[B::BoxCount] = {"Permittivity \xce\xb5r",
                                           "",
                                           "",
                                           "Thickness t",
                                           "Gap g",
                                           "Loss tangent tan \xce\xb4",
                                           "Conductivity \xcf\x83",
                                           "Frequency f",
                                           "Length l",
                                           "Impedance Z0",
                                           "Effective \u03b5eff",
                                           "Phase velocity",
                                           "Electrical length \xce\xb8",
                                           "Conductor loss",
                                           "Dielectric loss",
                                           "Skin depth \xce\xb4"};

QString HeightCaption(LineType type) {
    switch (type) {
    case LineType::Stripline:
        return QStringLiteral("Plane spacing b");
    case LineType::Coax:
        return QStringLiteral("Outer diameter D");
    default:
        return QStringLiteral("Substrate height h");
    }
}

QString WidthCaption(LineType type) {
    switch (type) {
    case LineType::Coax:
        return QStringLiteral("Inner diameter d");
    case LineType::Cpw:
    case LineType::GroundedCpw:
        return QStringLiteral("Strip width S");
    default:
        return QStringLiteral("Strip width W");
    }
}

} // namespace

TransmissionLineTab::TransmissionLineTab(MainHost& host, const TabRow& row, QWidget* parent)
    : CalculatorTab(host, row, parent) {
    // The line and the direction.
    line_ = new QComboBox(this);
    line_->setObjectName(QStringLiteral("Combo_TL_Line"));
    line_->setAccessibleName(QStringLiteral("Line"));
    for (const char* caption : LineCaptions)
        line_->addItem(QString::fromUtf8(caption));
    auto* lineCaption = addLabel("Label_TL_Line", QStringLiteral("Line"));
    lineCaption->setBuddy(line_);

    auto* solveFrame = new QGroupBox(QStringLiteral("Solve for"), this);
    solveFrame->setObjectName(QStringLiteral("Frame_TL_Solve"));
    auto* solveRow = new QHBoxLayout(solveFrame);
    auto* solveGroup = new QButtonGroup(this);
    const char* const solveCaptions[] = {"Impedance", "Width"};
    for (int k = 0; k < 2; ++k) {
        solve_[k] = new QRadioButton(QLatin1String(solveCaptions[k]), solveFrame);
        solve_[k]->setObjectName(ControlName("Option", "TL_Solve", k));
        FitToCaption(solve_[k]);
        solveGroup->addButton(solve_[k], k);
        solveRow->addWidget(solve_[k]);
    }
    solve_[Analysis]->setChecked(true);

    // The units the lengths and the frequency count in, for every box of the tab.
    auto* lengthFrame = new QGroupBox(QStringLiteral("Lengths in"), this);
    lengthFrame->setObjectName(QStringLiteral("Frame_TL_Length"));
    auto* lengthRow = new QHBoxLayout(lengthFrame);
    auto* lengthGroup = new QButtonGroup(this);
    for (int k = 0; k < 3; ++k) {
        lengthUnit_[k] = new QRadioButton(QString::fromUtf8(LengthCaptions[k]), lengthFrame);
        lengthUnit_[k]->setObjectName(ControlName("Option", "TL_Length", k));
        FitToCaption(lengthUnit_[k]);
        lengthGroup->addButton(lengthUnit_[k], k);
        lengthRow->addWidget(lengthUnit_[k]);
    }
    lengthUnit_[st_.Choices[TabTL][TLLengthChoice]]->setChecked(true);
    auto* frequencyFrame = new QGroupBox(QStringLiteral("Frequency in"), this);
    frequencyFrame->setObjectName(QStringLiteral("Frame_TL_F"));
    auto* frequencyRow = new QHBoxLayout(frequencyFrame);
    auto* frequencyGroup = new QButtonGroup(this);
    for (int k = 0; k < 4; ++k) {
        frequencyUnit_[k] = new QRadioButton(QLatin1String(FrequencyCaptions[k]), frequencyFrame);
        frequencyUnit_[k]->setObjectName(ControlName("Option", "TL_F", k));
        FitToCaption(frequencyUnit_[k]);
        frequencyGroup->addButton(frequencyUnit_[k], k);
        frequencyRow->addWidget(frequencyUnit_[k]);
    }
    frequencyUnit_[st_.Choices[TabTL][TLFrequencyChoice]]->setChecked(true);

    auto* top = new QHBoxLayout;
    top->addWidget(lineCaption);
    top->addWidget(line_);
    top->addStretch(1);
    top->addWidget(solveFrame);
    auto* units = new QHBoxLayout;
    units->addWidget(lengthFrame);
    units->addWidget(frequencyFrame);
    units->addStretch(1);

    // The boxes: what the line is made of at the left, what it does at the right.
    auto* inputs = new QGridLayout;
    auto* results = new QGridLayout;
    for (int i = 0; i < BoxCount; ++i) {
        NumberBox* b = addBox(i);
        connect(b, &QLineEdit::textChanged, this, [this, i] { Text_TL_Change(i); });
        caption_[i] = addLabel(ControlName("Label", "TL", i).toLatin1().constData(),
                               QString::fromUtf8(Captions[i]));
        caption_[i]->setBuddy(b);
        // Lengths and the frequency count in the tab's units, the phase velocity in per cent of
        // c; the other units are the catalogue's.
        QWidget* unit = nullptr;
        if (IsLength(i) || i == Frequency || i == Velocity)
            unit = unit_[i] = addLabel(ControlName("Label", "TL_Unit", i).toLatin1().constData(),
                                       i == Velocity ? QStringLiteral("% of c") : QString());
        QGridLayout* grid = i < Impedance ? inputs : results;
        unit = addBoxRow(grid, i < Impedance ? i : i - Impedance, caption_[i], i, nullptr, unit);
        if (!unit_[i])
            unit_[i] = qobject_cast<QLabel*>(unit);
    }
    box(Velocity)->setAccessibleName(boxName(Velocity) + QStringLiteral(", % of c"));

    model_ = addLabel("Label_TL_Model", QString());
    model_->setWordWrap(true);
    wrongValue_ = addLabel("Label_TL_WrongValue", QString::fromLatin1(LineIncorrect));
    MakeWarningLabel(wrongValue_);
    results->addWidget(model_, BoxCount - Impedance, 0, 1, 4);
    results->addWidget(wrongValue_, BoxCount - Impedance + 1, 0, 1, 4);
    results->setRowStretch(BoxCount - Impedance + 2, 1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(inputs, 1);
    columns->addSpacing(2 * fontMetrics().averageCharWidth());
    columns->addLayout(results, 1);
    auto* controls = new QVBoxLayout;
    controls->addLayout(top);
    controls->addLayout(units);
    controls->addLayout(columns);

    clear_ = addClearButton([this] { Command_TL_Clear_Click(); });
    arrange(controls, {}, clear_);

    // Bound once the controls stand: a choice made while building runs no handler.
    connect(line_, &QComboBox::currentIndexChanged, this,
            [this](int index) { Combo_TL_Line_Click(index); });
    for (int k = 0; k < 2; ++k)
        OnClick(solve_[k], [this, k] { Option_TL_Solve_Click(k); });
    for (int k = 0; k < 3; ++k)
        OnClick(lengthUnit_[k], [this, k] { Option_TL_Length_Click(k); });
    for (int k = 0; k < 4; ++k)
        OnClick(frequencyUnit_[k], [this, k] { Option_TL_F_Click(k); });
    Option_TL_Length_Click(st_.Choices[TabTL][TLLengthChoice]);
    Option_TL_F_Click(st_.Choices[TabTL][TLFrequencyChoice]);
    showLine();
}

// Runs with SkipChange held: the kept line and units come back.
void TransmissionLineTab::startUp() {
    line_->setCurrentIndex(st_.Choices[TabTL][TLLineChoice]);
    lengthUnit_[st_.Choices[TabTL][TLLengthChoice]]->setChecked(true);
    frequencyUnit_[st_.Choices[TabTL][TLFrequencyChoice]]->setChecked(true);
    showLine();
}

int TransmissionLineTab::solve() const {
    return solve_[Synthesis]->isChecked() ? Synthesis : Analysis;
}

double TransmissionLineTab::factor(int index) const {
    if (IsLength(index))
        return LengthFactors[st_.Choices[TabTL][TLLengthChoice]];
    if (index == Frequency)
        return FrequencyFactors[st_.Choices[TabTL][TLFrequencyChoice]];
    if (index == Velocity)
        return LightSpeed / 100;
    return 1;
}

bool TransmissionLineTab::typed(int index) const {
    if (index == Width || index == Length)
        return solve() == Analysis;
    if (index == Impedance || index == Angle)
        return solve() == Synthesis;
    return index < Impedance;
}

bool TransmissionLineTab::used(int index) const {
    const auto type = static_cast<LineType>(line_->currentIndex());
    if (index == Gap)
        return type == LineType::Cpw || type == LineType::GroundedCpw;
    if (index == Thickness)
        return type != LineType::Coax;
    return true;
}

void TransmissionLineTab::showLine() {
    const auto type = static_cast<LineType>(line_->currentIndex());
    caption_[Height]->setText(HeightCaption(type));
    caption_[Width]->setText(WidthCaption(type));
    for (int i = 0; i < BoxCount; ++i) {
        box(i)->setEnabled(used(i));
        caption_[i]->setEnabled(used(i));
        box(i)->setLocked(!typed(i));
    }
    model_->setText(QStringLiteral("Model: ") + QString::fromUtf8(LineModel(type)) +
                    QStringLiteral("\nConductor loss: Wheeler's incremental inductance rule"));
}

void TransmissionLineTab::Combo_TL_Line_Click(int index) {
    if (index < 0 || index >= LineTypeCount)
        return;
    st_.Choices[TabTL][TLLineChoice] = static_cast<int16_t>(index);
    showLine();
    calculate();
}

void TransmissionLineTab::Option_TL_Solve_Click(int index) {
    st_.LastOption[tab_][0] = static_cast<int16_t>(index);
    showLine();
    calculate();
    focusBox(index == Analysis ? Width : Impedance);
}

void TransmissionLineTab::reselectLastOption() {
    const int last = st_.LastOption[tab_][0];
    if (last == Analysis || last == Synthesis)
        solve_[last]->setChecked(true);
}

// Every length keeps its value and shows it in the new unit.
void TransmissionLineTab::Option_TL_Length_Click(int index) {
    st_.Choices[TabTL][TLLengthChoice] = static_cast<int16_t>(index);
    const QString unit = QString::fromUtf8(LengthCaptions[index]);
    const QuietWrites quiet(st_, tab_);
    for (int i = 0; i < BoxCount; ++i) {
        if (!IsLength(i))
            continue;
        unit_[i]->setText(unit);
        box(i)->setAccessibleName(boxName(i) + QStringLiteral(", ") + unit);
        if (!box(i)->text().isEmpty())
            showValue(i);
    }
}

// The frequency keeps its value and shows it in the new unit, as the lengths do.
void TransmissionLineTab::Option_TL_F_Click(int index) {
    st_.Choices[TabTL][TLFrequencyChoice] = static_cast<int16_t>(index);
    const QString unit = QLatin1String(FrequencyCaptions[index]);
    unit_[Frequency]->setText(unit);
    box(Frequency)->setAccessibleName(boxName(Frequency) + QStringLiteral(", ") + unit);
    const QuietWrites quiet(st_, tab_);
    if (!box(Frequency)->text().isEmpty())
        showValue(Frequency);
}

void TransmissionLineTab::Text_TL_Change(int index) {
    if (ownWrite())
        return;
    value(index) = InBaseUnits(readBox(index), factor(index));
    calculate();
}

void TransmissionLineTab::calculate() {
    bool anyText = false;
    for (int i = 0; i < BoxCount; ++i)
        anyText = anyText || (typed(i) && !box(i)->text().isEmpty());
    clear_->setEnabled(anyText);

    const auto type = static_cast<LineType>(line_->currentIndex());
    ComputationInput in;
    in.texts["type"] = LineTypeName(type);
    bool beyond = false;
    for (int i = 0; i < BoxCount; ++i) {
        if (!typed(i) || !used(i) || box(i)->text().isEmpty())
            continue;
        in.values[InputNames[static_cast<size_t>(i)]] = value(i);
        beyond = beyond || beyondRange(i);
    }
    // An angle makes a length only at a frequency.
    if (!in.values.count("f"))
        in.values.erase("angle");
    const bool complete = in.values.count("er") && in.values.count("h") &&
                          in.values.count(solve() == Analysis ? "w" : "z0") &&
                          (!used(Gap) || in.values.count("gap"));
    if (!complete) {
        emptyComputed();
        wrongValue_->hide();
        return;
    }
    Outcome out;
    if (beyond) {
        out.status = Outcome::Status::Calculation;
        out.message = LineIncorrect;
    } else {
        out = ComputeTransmissionLine(in);
    }
    if (!out.done()) {
        emptyComputed();
        wrongValue_->setText(QString::fromUtf8(out.message.c_str()));
        wrongValue_->setVisible(out.status == Outcome::Status::Calculation);
        return;
    }
    const QuietWrites quiet(st_, tab_);
    for (int i = 0; i < BoxCount; ++i) {
        if (typed(i))
            continue;
        const auto found = out.results.find(ResultNames[static_cast<size_t>(i)]);
        if (found == out.results.end()) {
            emptyQuietly(i);
        } else {
            value(i) = found->second;
            showValue(i);
        }
    }
    wrongValue_->hide();
}

void TransmissionLineTab::emptyComputed() {
    const QuietWrites quiet(st_, tab_);
    for (int i = 0; i < BoxCount; ++i)
        if (!typed(i))
            emptyQuietly(i);
}

void TransmissionLineTab::showValue(int index) {
    writeQuietly(index, Qs(FormatFixedTrim(value(index) / factor(index), decimals(index))));
}

void TransmissionLineTab::redisplayBox(int index) {
    showValue(index);
}

void TransmissionLineTab::Command_TL_Clear_Click() {
    clearAll(wrongValue_, clear_, [] {});
}

} // namespace oq
