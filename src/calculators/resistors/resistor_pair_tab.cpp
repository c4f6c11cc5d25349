#include "calculators/resistors/resistor_pair_tab.h"

#include "core/controls.h"
#include "core/main_host.h"
#include "core/platform.h"
#include "core/save_file.h"
#include "model/checked.h"
#include "model/notation.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <utility>

namespace oq {

// A drop-down list that can show a text of its own ("%", "Select", "No Values Found") with none
// of its entries current. Picking an entry runs the handler, also when it is the entry already
// current; the program choosing one runs it too.
class PairList : public QComboBox {
  public:
    PairList(std::function<void(int)> picked, int width, QWidget* parent)
        : QComboBox(parent)
        , picked_(std::move(picked)) {
        setEditable(true);
        lineEdit()->setReadOnly(true);
        lineEdit()->installEventFilter(this);
        setInsertPolicy(QComboBox::NoInsert);
        setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        setMinimumContentsLength(width);
        setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
        connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
            if (index < 0)
                return;
            changed_ = true;
            picked_(index);
        });
        // Picking the current entry again changes nothing, so only `activated` tells.
        connect(this, &QComboBox::activated, this, [this](int index) {
            if (!std::exchange(changed_, false))
                picked_(index);
        });
    }

    void showText(const QString& text) {
        const QSignalBlocker quiet(this);
        setCurrentIndex(-1);
        setEditText(text);
    }

    void setEntries(const QStringList& entries) {
        const QSignalBlocker quiet(this);
        clear();
        addItems(entries);
        // The open list shows whole lines even where the closed box is narrower.
        view()->setMinimumWidth(view()->sizeHintForColumn(0) + 2 * view()->frameWidth());
    }

    // A screen reader reads one name for the list, its text and its drop-down.
    void name(const QString& name) {
        setAccessibleName(name);
        lineEdit()->setAccessibleName(name);
        view()->setAccessibleName(name);
    }

    void showPopup() override {
        changed_ = false;
        QComboBox::showPopup();
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        changed_ = false;
        QComboBox::keyPressEvent(event);
    }
    // The text part opens the list like the arrow does: there is nothing to type.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == lineEdit() && event->type() == QEvent::MouseButtonPress) {
            showPopup();
            return true;
        }
        return QComboBox::eventFilter(watched, event);
    }

  private:
    std::function<void(int)> picked_;
    bool changed_ = false; // the last pick changed the current entry and was handled then
};

namespace {

constexpr int PairMode = 2;
constexpr int BoxCount = 3;
const char* const OptionCaptions[BoxCount] = {"R", "R1", "R1 AND R2"};

QString Caption(Pairing how, const char* serial, const char* parallel) {
    return QLatin1String(how == Pairing::Serial ? serial : parallel);
}

} // namespace

ResistorPairTab::ResistorPairTab(Pairing how, MainHost& host, const TabRow& row, QWidget* parent)
    : CalculatorTab(host, row, parent)
    , how_(how)
    , std_(*this, st_, row.code, QStringLiteral("Use Standard Values"),
           QStringLiteral("Frame_%1_StdVal").arg(QLatin1String(row.code))) {
    // Control names: kind, the tab code, then the detail ("Label", "_Target": Label_SR_Target).
    auto name = [&](const char* kind, const char* detail) {
        return QStringLiteral("%1_%2%3").arg(QLatin1String(kind), QLatin1String(row.code),
                                             QLatin1String(detail));
    };
    auto label = [&](const char* detail, const char* caption) {
        return addLabel(name("Label", detail).toLatin1().constData(), QLatin1String(caption));
    };
    auto* unknown = new QButtonGroup(this);
    for (int i = 0; i < BoxCount; ++i) {
        option_[i] = new QRadioButton(QLatin1String(OptionCaptions[i]), this);
        option_[i]->setObjectName(ControlName("Option", row.code, i));
        FitToCaption(option_[i]);
        unknown->addButton(option_[i], i);
        OnClick(option_[i], [this, i] { Option_Click(i); });
        NumberBox* text = addBox(i);
        text->setLocked(true);
        connect(text, &QLineEdit::textChanged, this, [this, i] { Text_Change(i); });
    }
    for (int i = 0; i < 2; ++i)
        OnClick(std_.option(i), [this] { Option_STD_Click(); });

    wrongValue_ = label("_WrongValue", "Incorrect Value");
    MakeWarningLabel(wrongValue_);
    target_ = label("_Target", "Tarrget value: ????");
    target_->hide();
    stdSelected_ = label("_STDSelected", " is a standard value ");
    stdSelected_->hide();
    static const char* const pctCaptions[2] = {"Select Max Tolerance", "%"};
    const std::string pctCode = std::string(row.code) + "_SelPct";
    for (int i = 0; i < 2; ++i) {
        selPct_[i] = new QLabel(QLatin1String(pctCaptions[i]), this);
        selPct_[i]->setObjectName(ControlName("Label", pctCode.c_str(), i));
        selPct_[i]->hide();
    }
    percent_ = new PairList([this](int) { Combo_Percent_Click(); }, 4, this);
    percent_->setObjectName(name("Combo", "_Percent"));
    percent_->name(QStringLiteral("Maximum tolerance, %"));
    percent_->hide();
    calculate_ = new QPushButton(QStringLiteral("Calculate Standard Values"), this);
    calculate_->setObjectName(name("Command", "_Calculate"));
    calculate_->hide();
    connect(calculate_, &QPushButton::clicked, this, &ResistorPairTab::Command_Calculate_Click);
    result_ = new PairList([this](int index) { Combo_Result_Click(index); }, 30, this);
    result_->setObjectName(name("Combo", "_Result"));
    result_->name(QStringLiteral("Standard value pairs"));
    result_->showText(QStringLiteral("Select"));
    result_->hide();
    save_ = new QPushButton(QStringLiteral("Save Result to File"), this);
    save_->setObjectName(name("Command", "_Save"));
    save_->hide();
    connect(save_, &QPushButton::clicked, this, &ResistorPairTab::Command_Save_Click);

    auto* grid = new QGridLayout;
    grid->addWidget(label("_1", "Select Unknown"), 0, 0, 1, 2);
    addBoxRow(grid, 1, option_[0], 0);
    addBoxRow(grid, 2, option_[1], 1);
    addBoxRow(grid, 3, label("_2", "R2"), 2);
    grid->addWidget(option_[PairMode], 4, 0, 1, 2);
    grid->addWidget(wrongValue_, 5, 1);
    grid->addWidget(target_, 6, 0, 1, 2);
    grid->addWidget(stdSelected_, 7, 0, 1, 2);
    auto* tolerance = new QHBoxLayout;
    tolerance->addWidget(selPct_[0]);
    tolerance->addWidget(percent_);
    tolerance->addWidget(selPct_[1]);
    tolerance->addStretch(1);
    grid->addLayout(tolerance, 8, 0, 1, 2);
    pairSlot_ = new QVBoxLayout;
    grid->addLayout(pairSlot_, 9, 0, 1, 2);
    grid->addWidget(calculate_, 10, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(result_, 11, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(save_, 12, 0, 1, 2, Qt::AlignLeft);

    // The series choice sits under the check box, or beside the tolerance in pair mode.
    auto* normalPlace = new QWidget(this);
    normalSlot_ = new QVBoxLayout(normalPlace);
    normalSlot_->setContentsMargins(0, 0, 0, 0);
    normalSlot_->addWidget(std_.frame());

    clear_ = addClearButton([this] { Command_Clear_Click(); });
    std_.attach({option_.begin(), option_.end()}, clear_,
                {[this] { showStandard(); }, [this] { showTyped(); }, [this] { unlockInputs(); },
                 [this] { wrongValue_->show(); }});
    arrange(grid, {std_.checkBox(), normalPlace}, clear_);

    QWidget* order[] = {option_[0], box(0),   option_[1],      box(1),         box(2),
                        option_[2], percent_, std_.option(0),  std_.option(1), calculate_,
                        result_,    save_,    std_.checkBox(), clear_};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void ResistorPairTab::startUp() {
    QStringList entries;
    for (const std::string& entry : ToleranceEntries())
        entries << Qs(entry);
    percent_->setEntries(entries);
    percent_->showText(QStringLiteral("%"));
}

int ResistorPairTab::mode() const {
    return st_.UnknownMask[tab_];
}

bool ResistorPairTab::filled(int index) const {
    return !box(index)->text().isEmpty();
}

bool ResistorPairTab::toleranceChosen() const {
    return percent_->currentIndex() >= 0;
}

bool ResistorPairTab::e96() const {
    return std_.option(0)->isChecked();
}

// R1 of mode 1 was computed, not taken from the series.
bool ResistorPairTab::standardRow(int index) const {
    return index == 2 || (index == 1 && mode() != 1);
}

void ResistorPairTab::EnableStd(bool enable) {
    std_.setEnabled(enable);
}

void ResistorPairTab::ResetResult(bool show) {
    if (show) {
        result_->setEntries({});
        result_->showText(QStringLiteral("Select"));
        result_->show();
    } else {
        result_->hide();
        save_->hide();
        stdSelected_->hide();
    }
}

void ResistorPairTab::showTarget(double target) {
    target_->setText(QStringLiteral("Target Value: ") + Qs(FormatFixedTrim(target, decimals(0))));
    target_->show();
}

void ResistorPairTab::retarget(double target) {
    const QString text = Qs(FormatFixedTrim(target, decimals(0)));
    // An unchanged text raises no change event, and the target must be taken up all the same.
    if (box(0)->text() == text)
        Text_Change(0);
    else
        box(0)->setText(text);
}

void ResistorPairTab::placeSeriesFrame(bool pairMode) {
    QGroupBox* frame = std_.frame();
    (pairMode ? normalSlot_ : pairSlot_)->removeWidget(frame);
    (pairMode ? pairSlot_ : normalSlot_)->addWidget(frame, 0, Qt::AlignLeft);
    frame->show(); // a new parent hides it until the event loop runs again
}

void ResistorPairTab::unlockInputs() {
    for (int b = 0; b < BoxCount; ++b)
        box(b)->setLocked(b == mode());
}

void ResistorPairTab::reselectLastOption() {
    const int last = st_.LastOption[tab_][0];
    if (last >= 0 && last < BoxCount)
        option_[last]->setChecked(true);
}

void ResistorPairTab::enterTab(int previousTab) {
    // The tolerance chosen stays chosen whatever the option's re-selection does.
    const int tolerance = percent_->currentIndex();
    const QString shown = percent_->currentText();
    CalculatorTab::enterTab(previousTab);
    if (tolerance >= 0) {
        const QSignalBlocker quiet(percent_);
        percent_->setCurrentIndex(tolerance);
    } else {
        percent_->showText(shown);
    }
}

void ResistorPairTab::Option_Click(int index) {
    const bool fromPair = chosen_ == PairMode;
    chosen_ = index;
    if (index == PairMode) {
        box(0)->setLocked(false);
        box(1)->setLocked(true);
        box(2)->setLocked(true);
        emptyQuietly(1);
        emptyQuietly(2);
        std_.checkBox()->setEnabled(false);
        placeSeriesFrame(true);
        selPct_[0]->show();
        selPct_[1]->show();
        std_.option(0)->setEnabled(true);
        std_.option(1)->setEnabled(true);
        percent_->showText(QStringLiteral("%"));
        percent_->show();
        if (value(0) > 0)
            showTarget(value(0));
        calculate_->show();
        calculate_->setEnabled(toleranceChosen());
        wrongValue_->hide();
    } else {
        box(0)->setLocked(index == 0);
        box(1)->setLocked(index == 1);
        box(2)->setLocked(false);
        std_.checkBox()->setText(index == 1 ? QStringLiteral("Use Standard Value for R2")
                                            : QStringLiteral("Use Standard Values for R1 and R2"));
        if (fromPair) {
            // A picked pair showed in the series' notation; back to the boxes' own decimals.
            for (int b = 1; b < BoxCount; ++b)
                if (filled(b))
                    writeQuietly(b, fixedText(b));
            selPct_[0]->hide();
            selPct_[1]->hide();
            target_->hide();
            percent_->hide();
            calculate_->hide();
            wrongValue_->hide(); // it can only have been about the target
            ResetResult(false);
            std_.checkBox()->setEnabled(false);
            placeSeriesFrame(false);
            if (filled(0) && filled(1) && filled(2)) {
                std_.checkBox()->setEnabled(true);
            } else {
                std_.option(0)->setEnabled(false);
                std_.option(1)->setEnabled(false);
            }
        }
    }
    st_.UnknownMask[tab_] = static_cast<int16_t>(index);
    st_.LastOption[tab_][0] = static_cast<int16_t>(index);
    pairTarget_ = 0;
    st_.StdValSelected[tab_] = false;
    focusBox(index == 0 ? 1 : 0);
}

void ResistorPairTab::Text_Change(int index) {
    if (ownWrite())
        return;
    const int m = mode();
    if (m == PairMode && index != 0)
        return;
    readBox(index);
    if (m != PairMode && index != m && filled(m))
        emptyQuietly(m);

    if (!filled(index)) {
        if (m == PairMode) {
            ResetResult(false);
            calculate_->setEnabled(false);
            value(0) = 0;
            emptyQuietly(1);
            emptyQuietly(2);
            focusBox(0);
            target_->hide();
            wrongValue_->hide(); // it was about the target now gone
        } else {
            emptyQuietly(m);
            EnableStd(false);
            if (!filled(0) && !filled(1) && !filled(2))
                clear_->setEnabled(false);
        }
        return;
    }
    wrongValue_->hide();
    stdSelected_->hide();
    clear_->setEnabled(true);

    if (m == PairMode) {
        emptyQuietly(1);
        emptyQuietly(2);
        showTarget(value(0));
        pairTarget_ = 0;
        st_.StdValSelected[tab_] = false; // a picked pair no longer shows
        calculate_->setEnabled(toleranceChosen());
        ResetResult(false);
        return;
    }
    try {
        requireInRange();
        const bool ready = m == 0 ? filled(1) && filled(2) : filled(0) && filled(2);
        if (!ready)
            return;
        value(m) =
            m == 0 ? CombinePair(how_, value(1), value(2)) : FirstOfPair(how_, value(0), value(2));
        writeQuietly(m, fixedText(m));
        EnableStd(true);
    } catch (const CalcError&) {
        wrongValue_->show();
        EnableStd(false);
    }
}

// Mode 0 snaps both resistors and shows their combination; mode 1 snaps R2 and shows the R1 that
// completes R with it.
void ResistorPairTab::showStandard() {
    const float code = std_.formatCode();
    auto eng = [&](double v) { return Qs(FormatEng(v, "; ;", code)); };
    auto& shown = st_.StdValues[tab_];
    if (mode() == 0) {
        const double r1 = std_.snap(value(1)), r2 = std_.snap(value(2));
        const double r = CombinePair(how_, r1, r2);
        shown[0] = r;
        shown[1] = r1;
        shown[2] = r2;
        box(0)->setText(Qs(FormatFixedTrim(r, decimals(0))));
        box(1)->setText(eng(r1));
        box(2)->setText(eng(r2));
        return;
    }
    const double r2 = std_.snap(value(2));
    shown[0] = value(0);
    shown[2] = r2;
    box(2)->setText(eng(r2));
    try {
        shown[1] = FirstOfPair(how_, value(0), r2);
        box(1)->setText(Qs(FormatFixedTrim(shown[1], decimals(1))));
    } catch (const CalcError&) {
        // No R1 completes R with the snapped R2; unticking brings back the typed values.
        shown[1] = 0;
        box(1)->clear();
        wrongValue_->show();
    }
}

void ResistorPairTab::showTyped() {
    wrongValue_->hide(); // the typed values gave a result before standard values went on
    for (int b = mode() == 0 ? 0 : 1; b < BoxCount; ++b)
        box(b)->setText(fixedText(b));
}

void ResistorPairTab::Option_STD_Click() {
    if (mode() != PairMode)
        return;
    calculate_->setEnabled(filled(0) && toleranceChosen());
    if (pairTarget_ != 0)
        retarget(pairTarget_);
    ResetResult(false);
}

void ResistorPairTab::Combo_Percent_Click() {
    if (filled(0))
        calculate_->setEnabled(true);
    ResetResult(false);
    if (pairTarget_ > 0 && pairTarget_ != value(0)) {
        const QString text = QStringLiteral("Current Target Value: ") +
                             Qs(FormatFixedTrim(pairTarget_, decimals(0))) +
                             QStringLiteral("\nNew Target Value: ") + fixedText(0) +
                             QStringLiteral("\n\nDo you want to keep the current Target Value ?");
        if (host_.platform().question(window(), QStringLiteral("Change Target Value"), text)) {
            retarget(pairTarget_);
        } else {
            pairTarget_ = value(0);
            showTarget(value(0));
        }
    }
}

void ResistorPairTab::Command_Calculate_Click() {
    const bool series96 = e96();
    ResetResult(true);
    const QString tolerance = percent_->currentText();
    const double target = value(0);
    try {
        requireInRange();
        const PairSearch found =
            SearchPairs(how_, series96, target, TextValue(tolerance.toStdString()), decimals(0));
        if (found.targetIsMember) {
            stdSelected_->setText(box(0)->text() + QStringLiteral(" is a standard ") +
                                  (series96 ? QStringLiteral("E96") : QStringLiteral("E24")) +
                                  QStringLiteral(" value"));
            stdSelected_->show();
        }
        QStringList lines;
        for (const std::string& line : found.lines)
            lines << Qs(line);
        result_->setEntries(lines);
        result_->showText(lines.isEmpty() ? QStringLiteral("No Values Found")
                                          : QStringLiteral("Select"));
        save_->setVisible(!lines.isEmpty());
        searched_ = {target, tolerance, series96};
    } catch (const CalcError&) {
        // No pairs for such a target; the next edit of it hides the label again.
        ResetResult(false);
        wrongValue_->show();
    }
    calculate_->setEnabled(false);
}

void ResistorPairTab::Combo_Result_Click(int index) {
    const float code = e96() ? 103.0f : 102.0f;
    if (pairTarget_ == 0)
        pairTarget_ = value(0);
    const Pair pair = ReadPairLine(how_, result_->itemText(index).toStdString());
    double r = 0;
    try {
        r = CombinePair(how_, pair.r1, pair.r2);
    } catch (const CalcError&) {
        wrongValue_->show();
        return;
    }
    value(1) = pair.r1;
    value(2) = pair.r2;
    value(0) = r;
    auto& shown = st_.StdValues[tab_];
    shown[0] = r;
    shown[1] = pair.r1;
    shown[2] = pair.r2;
    writeQuietly(0, fixedText(0));
    writeQuietly(1, Qs(FormatEng(pair.r1, "; ;", code)));
    writeQuietly(2, Qs(FormatEng(pair.r2, "; ;", code)));
    st_.StdValSelected[tab_] = true;
}

void ResistorPairTab::Command_Save_Click() {
    Platform::SaveRequest request;
    request.title = Caption(how_, "Save Serial Resistor Values", "Save Parallell Resistor Values");
    request.folder = QDir::homePath();
    request.defaultSuffix = QStringLiteral("txt");
    request.filter = QStringLiteral("Text Files (*.txt)");
    request.proposedName = Caption(how_, "Serial Resistors", "Parallell Resistors");
    Platform& platform = host_.platform();
    const QString path = platform.saveFileName(window(), request);
    if (path.isEmpty())
        return;

    std::vector<std::string> lines;
    for (int i = 0; i < result_->count(); ++i)
        lines.push_back(result_->itemText(i).toStdString());
    const QByteArray bytes = QByteArray::fromStdString(PairResultFile(
        searched_.target, decimals(0), searched_.tolerance.toStdString(), searched_.e96, lines));
    // All or nothing: the file appears only once it is complete.
    const QString reason = SaveFile(path, bytes);
    if (!reason.isEmpty())
        platform.critical(window(), request.title,
                          QStringLiteral("The result list could not be saved to\n%1\n\n%2")
                              .arg(QDir::toNativeSeparators(path), reason));
}

void ResistorPairTab::Command_Clear_Click() {
    clearAll(wrongValue_, clear_, [this] {
        if (mode() == PairMode) {
            ResetResult(false);
            result_->setEntries({});
            calculate_->setEnabled(false);
            percent_->showText(QStringLiteral("%"));
            target_->hide();
            st_.StdValSelected[tab_] = false; // a picked pair no longer shows
        } else {
            std_.option(0)->setEnabled(false);
            std_.option(1)->setEnabled(false);
        }
        stdSelected_->hide();
        std_.checkBox()->setEnabled(false);
        pairTarget_ = 0;
    });
}

QAbstractButton* ResistorPairTab::unknownOption(int index) const {
    return index >= 0 && index < static_cast<int>(option_.size()) ? option_[index] : nullptr;
}

} // namespace oq
