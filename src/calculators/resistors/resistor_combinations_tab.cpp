#include "calculators/resistors/resistor_combinations_tab.h"

#include "core/controls.h"
#include "core/main_host.h"
#include "core/platform.h"
#include "core/save_file.h"
#include "model/checked.h"
#include "model/si_value.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>
#include <cmath>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace oq {

// The thread that searches. It keeps the search of the last parts asked for, with its tables,
// and runs only the latest request: a new one cancels the one running.
class CombinationWorker {
  public:
    // Runs on the worker's thread with each finished search.
    using Deliver = std::function<void(unsigned generation, const CombinationResult& result)>;

    explicit CombinationWorker(Deliver deliver)
        : deliver_(std::move(deliver)) {}

    ~CombinationWorker() {
        {
            const std::lock_guard lock(mutex_);
            stop_ = true;
            cancel_ = true;
        }
        wake_.notify_one();
        if (thread_.joinable())
            thread_.join();
    }

    CombinationWorker(const CombinationWorker&) = delete;
    CombinationWorker& operator=(const CombinationWorker&) = delete;

    void submit(unsigned generation, const CombinationParts& parts,
                const CombinationRequest& request) {
        {
            const std::lock_guard lock(mutex_);
            pending_ = Job{generation, parts, request};
            cancel_ = true; // the search running, if any, is stale now
            if (!thread_.joinable())
                thread_ = std::thread([this] { run(); });
        }
        wake_.notify_one();
    }

    // Drops what is asked and ends the search running.
    void cancel() {
        const std::lock_guard lock(mutex_);
        pending_.reset();
        cancel_ = true;
    }

  private:
    struct Job {
        unsigned generation = 0;
        CombinationParts parts;
        CombinationRequest request;
    };

    static bool sameParts(const CombinationParts& a, const CombinationParts& b) {
        return a.series == b.series && a.low == b.low && a.high == b.high &&
               a.excluded == b.excluded;
    }

    void run() {
        std::unique_ptr<CombinationSearch> search;
        for (;;) {
            Job job;
            {
                std::unique_lock lock(mutex_);
                wake_.wait(lock, [this] { return stop_ || pending_.has_value(); });
                if (stop_)
                    return;
                job = std::move(*pending_);
                pending_.reset();
                cancel_ = false;
            }
            CombinationResult result;
            try {
                if (!search || !sameParts(search->parts(), job.parts)) {
                    search.reset();
                    search = std::make_unique<CombinationSearch>(job.parts);
                }
                result = search->find(job.request, &cancel_);
            } catch (const CalcError&) {
                result = {}; // no solution: the tab says so
            }
            if (!result.cancelled)
                deliver_(job.generation, result);
        }
    }

    Deliver deliver_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Job> pending_;
    std::atomic<bool> cancel_{false};
    bool stop_ = false;
    std::thread thread_; // started by the first request
};

namespace {

constexpr int ExcludedBoxes = 3;
constexpr int ListLength = 10;
constexpr int DefaultSeries = 3; // E-24

enum Column { ColumnCount, ColumnFormula, ColumnValue, ColumnDeviation, Columns };

bool isLetter(QChar c) {
    return QStringLiteral("RrkKMGm").contains(c);
}

} // namespace

ResistorCombinationsTab::ResistorCombinationsTab(MainHost& host, const TabRow& row, QWidget* parent)
    : CalculatorTab(host, row, parent) {
    worker_ = std::make_unique<CombinationWorker>(
        [this](unsigned generation, const CombinationResult& result) {
            // Back on the tab's thread; dropped with the tab if it is gone by then.
            QMetaObject::invokeMethod(
                this, [this, generation, result] { showResult(generation, result); },
                Qt::QueuedConnection);
        });

    BoxRules rules;
    rules.space = false;
    rules.ownFilter = true; // short forms: 4k7, 2M2, 4R7
    for (int b = 0; b <= ExcludedBoxes; ++b) {
        NumberBox* text = addBox(b, rules);
        text->setLocked(false);
        text->setMaximumWidth(fontMetrics().averageCharWidth() * 18);
        connect(text, &QLineEdit::textChanged, this, [this, b] { Text_Change(b); });
    }
    QLabel* targetLabel = addLabel("Label_RC_Target", QStringLiteral("Target Value (ohm)"));
    targetLabel->setBuddy(box(0));
    QLabel* seriesLabel = addLabel("Label_RC_Series", QStringLiteral("Series"));
    series_ = new QComboBox(this);
    series_->setObjectName(QStringLiteral("Combo_RC_Series"));
    for (Series s : kAllSeries)
        series_->addItem(QLatin1String(SeriesName(s).data(), SeriesName(s).size()));
    series_->setCurrentIndex(DefaultSeries);
    series_->setAccessibleName(QStringLiteral("Series"));
    seriesLabel->setBuddy(series_);
    connect(series_, &QComboBox::currentIndexChanged, this, [this] { Combo_Series_Click(); });
    QLabel* excludedLabel =
        addLabel("Label_RC_Excluded", QStringLiteral("Values not to use (ohm)"));
    excludedLabel->setBuddy(box(1));
    alone_ = new QCheckBox(QStringLiteral("The target itself may stand alone"), this);
    alone_->setObjectName(QStringLiteral("Check_RC_Alone"));
    alone_->setChecked(true);
    FitToCaption(alone_);
    OnClick(alone_, [this] { Check_Alone_Click(); });
    QLabel* parts = addLabel("Label_RC_Parts", QStringLiteral("Parts from 10 ohm to 1 Mohm; "
                                                              "k, M and R as in 4k7, 2M2, 4R7"));
    wrongValue_ = addLabel("Label_RC_WrongValue", QStringLiteral("Incorrect Value"));
    MakeWarningLabel(wrongValue_);
    wrongValue_->hide();

    table_ = new QTableWidget(0, Columns, this);
    table_->setObjectName(QStringLiteral("Table_RC_Result"));
    table_->setAccessibleName(QStringLiteral("Resistor combinations"));
    table_->setHorizontalHeaderLabels({QStringLiteral("Parts"), QStringLiteral("Combination"),
                                       QStringLiteral("Value"), QStringLiteral("Deviation")});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setTabKeyNavigation(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(ColumnFormula, QHeaderView::Stretch);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->setMinimumHeight(fontMetrics().height() * 15);

    best_ = addLabel("Label_RC_Best", QString());
    best_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    best_->setAccessibleName(QStringLiteral("Best combination"));
    tenBest_ = new QCheckBox(QStringLiteral("Ten best of each count"), this);
    tenBest_->setObjectName(QStringLiteral("Check_RC_TenBest"));
    FitToCaption(tenBest_);
    OnClick(tenBest_, [this] { Check_TenBest_Click(); });
    copy_ = new QPushButton(QStringLiteral("Copy Result"), this);
    copy_->setObjectName(QStringLiteral("Command_RC_Copy"));
    copy_->setEnabled(false);
    connect(copy_, &QPushButton::clicked, this, &ResistorCombinationsTab::Command_Copy_Click);
    save_ = new QPushButton(QStringLiteral("Save Result to File"), this);
    save_->setObjectName(QStringLiteral("Command_RC_Save"));
    save_->setEnabled(false);
    connect(save_, &QPushButton::clicked, this, &ResistorCombinationsTab::Command_Save_Click);

    auto* grid = new QGridLayout;
    // The warning beside the target, which is what it is about.
    addBoxRow(grid, 0, targetLabel, 0, wrongValue_);
    grid->addWidget(seriesLabel, 1, 0);
    grid->addWidget(series_, 1, 1, Qt::AlignLeft);
    grid->addWidget(excludedLabel, 2, 0);
    auto* excluded = new QHBoxLayout;
    for (int b = 1; b <= ExcludedBoxes; ++b)
        excluded->addWidget(box(b));
    excluded->addStretch(1);
    grid->addLayout(excluded, 2, 1, 1, 3);
    grid->addWidget(alone_, 3, 0, 1, 4);
    grid->addWidget(parts, 4, 0, 1, 4);
    grid->addWidget(table_, 6, 0, 1, 4);
    grid->addWidget(best_, 7, 0, 1, 4);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(tenBest_);
    buttons->addWidget(copy_);
    buttons->addWidget(save_);
    buttons->addStretch(1);
    grid->addLayout(buttons, 8, 0, 1, 4);

    clear_ = addClearButton([this] { Command_Clear_Click(); });
    arrange(grid, {}, clear_);

    QWidget* order[] = {box(0), series_,  box(1), box(2), box(3), alone_,
                        table_, tenBest_, copy_,  save_,  clear_};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

ResistorCombinationsTab::~ResistorCombinationsTab() {
    worker_.reset(); // joins the thread before the widgets go
}

QChar ResistorCombinationsTab::boxFilterKey(int, QChar key) {
    if (key.isDigit() || key == QLatin1Char('.') || isLetter(key))
        return key;
    if (key == QLatin1Char(','))
        return QLatin1Char('.');
    return {};
}

bool ResistorCombinationsTab::boxFilterText(int, QString& text, int&) {
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    return IsTypedResistancePrefix(text.toStdString());
}

void ResistorCombinationsTab::Text_Change(int index) {
    if (ownWrite())
        return;
    value(index) = ReadTypedResistance(box(index)->text().toStdString()).value_or(0);
    bool any = false;
    for (int b = 0; b < boxCount(); ++b)
        any = any || !box(b)->text().isEmpty();
    clear_->setEnabled(any);
    research();
}

void ResistorCombinationsTab::Combo_Series_Click() {
    research();
}

void ResistorCombinationsTab::Check_Alone_Click() {
    research();
}

void ResistorCombinationsTab::Check_TenBest_Click() {
    showRows(); // the search always keeps ten
}

CombinationParts ResistorCombinationsTab::partsAsked() const {
    CombinationParts parts;
    parts.series = kAllSeries[static_cast<size_t>(std::max(0, series_->currentIndex()))];
    for (int b = 1; b <= ExcludedBoxes; ++b)
        if (const auto v = ReadTypedResistance(box(b)->text().toStdString()); v && *v > 0)
            parts.excluded.push_back(*v);
    return parts;
}

void ResistorCombinationsTab::research() {
    const unsigned generation = ++asked_;
    worker_->cancel();
    wrongValue_->hide();
    if (box(0)->text().isEmpty()) {
        clearResults();
        shown_ = generation;
        return;
    }
    bool valid = true;
    for (int b = 0; b < boxCount(); ++b) {
        const std::string text = box(b)->text().toStdString();
        if (b > 0 && text.empty())
            continue;
        const std::optional<double> v = ReadTypedResistance(text);
        valid = valid && v && (b == 0 ? CombinationTarget(*v) : *v > 0 && std::isfinite(*v));
    }
    if (!valid) {
        clearResults();
        wrongValue_->show();
        shown_ = generation;
        return;
    }
    CombinationRequest request;
    request.target = value(0);
    request.targetAlone = alone_->isChecked();
    request.listLength = ListLength;
    best_->setText(QStringLiteral("Searching..."));
    table_->setEnabled(false);
    copy_->setEnabled(false);
    save_->setEnabled(false);
    // What the file and the copy will name; the result they list is the one of this search.
    resultTarget_ = request.target;
    resultParts_ = partsAsked();
    worker_->submit(generation, resultParts_, request);
}

void ResistorCombinationsTab::showResult(unsigned generation, const CombinationResult& result) {
    if (generation != asked_)
        return; // an input changed since it was asked for
    shown_ = generation;
    result_ = result;
    showRows();
}

void ResistorCombinationsTab::showRows() {
    table_->setRowCount(0);
    // While a change waits for its search, the rows of the one before show greyed.
    const bool current = resultsCurrent();
    const Combination* best = BestOverall(result_);
    table_->setEnabled(current);
    copy_->setEnabled(current && best);
    save_->setEnabled(current && best);
    if (!current)
        best_->setText(QStringLiteral("Searching..."));
    else if (!best)
        best_->setText(box(0)->text().isEmpty() ? QString() : QStringLiteral("No Values Found"));
    if (!best)
        return;
    const bool ten = tenBest_->isChecked();
    for (size_t n = 0; n < result_.best.size(); ++n) {
        const auto& list = result_.best[n];
        const size_t shown = ten ? list.size() : std::min<size_t>(1, list.size());
        for (size_t i = 0; i < shown; ++i) {
            const Combination& c = list[i];
            const int r = table_->rowCount();
            table_->insertRow(r);
            const QString cells[Columns] = {QString::number(n + 1), Qs(CombinationFormula(c)),
                                            Qs(CombinationValueText(c.value)),
                                            Qs(DeviationText(c.deviation))};
            for (int col = 0; col < Columns; ++col) {
                auto* item = new QTableWidgetItem(cells[col]);
                if (col != ColumnFormula)
                    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                if (&c == best) {
                    QFont bold = item->font();
                    bold.setBold(true);
                    item->setFont(bold);
                }
                table_->setItem(r, col, item);
            }
        }
    }
    if (current)
        best_->setText(QStringLiteral("Best: ") + Qs(CombinationLine(*best)) +
                       (best->count() == 1 ? QStringLiteral(", 1 resistor")
                                           : QStringLiteral(", %1 resistors").arg(best->count())));
}

void ResistorCombinationsTab::clearResults() {
    result_ = {};
    table_->setRowCount(0);
    table_->setEnabled(true);
    best_->clear();
    copy_->setEnabled(false);
    save_->setEnabled(false);
}

QString ResistorCombinationsTab::resultText() const {
    return Qs(CombinationResultFile(resultTarget_, resultParts_, result_, tenBest_->isChecked()));
}

void ResistorCombinationsTab::Command_Copy_Click() {
    if (resultsCurrent() && BestOverall(result_))
        host_.platform().setClipboardText(resultText());
}

void ResistorCombinationsTab::Command_Save_Click() {
    if (!resultsCurrent() || !BestOverall(result_))
        return;
    Platform::SaveRequest request;
    request.title = QStringLiteral("Save Resistor Combinations");
    request.folder = QDir::homePath();
    request.defaultSuffix = QStringLiteral("txt");
    request.filter = QStringLiteral("Text Files (*.txt)");
    request.proposedName = QStringLiteral("Resistor Combinations");
    Platform& platform = host_.platform();
    const QString path = platform.saveFileName(window(), request);
    if (path.isEmpty())
        return;
    // All or nothing: the file appears only once it is complete.
    const QString reason = SaveFile(path, resultText().toUtf8());
    if (!reason.isEmpty())
        platform.critical(window(), request.title,
                          QStringLiteral("The result list could not be saved to\n%1\n\n%2")
                              .arg(QDir::toNativeSeparators(path), reason));
}

void ResistorCombinationsTab::Command_Clear_Click() {
    clearAll(wrongValue_, clear_, [this] {
        shown_ = ++asked_;
        worker_->cancel();
        clearResults();
    });
}

bool ResistorCombinationsTab::waitForResults(int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!resultsCurrent()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

} // namespace oq
