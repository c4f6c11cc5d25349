// Start-up to the first paint of the main window on the offscreen platform, as a user waits for
// it: from starting the process to the window's first paint. Each case runs in a process of its
// own, eleven times, the cases taking turns; the bench prints the median wall-clock time with its
// spread, the median CPU time of the process (which ends at its first paint, and which a busy
// machine disturbs less) and the peak memory.
//
// Beside the program with its fourteen first calculators it measures what the toolkit costs
// anyway: a bare window of the same size, and that window holding a strip of the same tabs with
// empty pages. The same again with all twenty-two (a placeholder for any the program does not
// have yet), so that the cost of each further calculator shows.
//
//   startup_bench                    every case, timed
//   startup_bench --instructions     every case once under callgrind: instructions, not time
//   startup_bench --extra-pages N    only the program with N calculators beyond the fourteen
//   startup_bench --xvfb             on X11 instead: every run on a fresh Xvfb of its own
#include "app/main_form.h"
#include "app/tab_table.h"
#include "core/calculator_tab.h"
#include "core/platform.h"
#include "core/qsettings_store.h"
#include "core/start_up_style.h"
#include "core/tab_strip.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// Calculators the program does not have yet, at their reserved indices, each with a few boxes.
constexpr auto Placeholders = [] {
    using oq::catalogue_rows::Box;
    using G = oq::CalculatorGroup;
    return std::to_array<oq::CalculatorEntry>({
        {oq::TabSV,
         "SV",
         "Standard Va&lues",
         G::Values,
         3,
         {Box("Value", "SV Value Decimals", "Value"), Box("Lower", "SV Lower Decimals", "Lower"),
          Box("Higher", "SV Higher Decimals", "Higher")}},
        {oq::TabRC,
         "RC",
         "Resistor Com&binations",
         G::Values,
         4,
         {Box("Target", "RC Target Decimals", "Target"),
          Box("Resistor 1", "RC Resistor1 Decimals", "Resistor 1"),
          Box("Resistor 2", "RC Resistor2 Decimals", "Resistor 2"),
          Box("Error", "RC Error Decimals", "Error")}},
        {oq::TabREG,
         "REG",
         "Reg&ulator",
         G::Values,
         4,
         {Box("Output Voltage", "REG Output Decimals", "Output Voltage"),
          Box("Reference", "REG Reference Decimals", "Reference"),
          Box("Resistor 1", "REG Resistor1 Decimals", "Resistor 1"),
          Box("Resistor 2", "REG Resistor2 Decimals", "Resistor 2")}},
        {oq::TabTW,
         "TW",
         "Trac&k Width",
         G::BoardAndRf,
         4,
         {Box("Current", "TW Current Decimals", "Current"),
          Box("Temperature Rise", "TW Rise Decimals", "Temperature Rise"),
          Box("Thickness", "TW Thickness Decimals", "Thickness"),
          Box("Width", "TW Width Decimals", "Width")}},
        {oq::TabVIA,
         "VIA",
         "Vi&a",
         G::BoardAndRf,
         3,
         {Box("Diameter", "VIA Diameter Decimals", "Diameter"),
          Box("Length", "VIA Length Decimals", "Length"),
          Box("Resistance", "VIA Resistance Decimals", "Resistance")}},
        {oq::TabES,
         "ES",
         "Electrical Spacin&g",
         G::BoardAndRf,
         2,
         {Box("Voltage", "ES Voltage Decimals", "Voltage"),
          Box("Spacing", "ES Spacing Decimals", "Spacing")}},
        {oq::TabWL,
         "WL",
         "&Wavelength",
         G::BoardAndRf,
         3,
         {Box("Frequency", "WL Frequency Decimals", "Frequency"),
          Box("Permittivity", "WL Permittivity Decimals", "Permittivity"),
          Box("Wavelength", "WL Wavelength Decimals", "Wavelength")}},
        {oq::TabTL,
         "TL",
         "Trans&mission Line",
         G::BoardAndRf,
         4,
         {Box("Width", "TL Width Decimals", "Width"), Box("Height", "TL Height Decimals", "Height"),
          Box("Permittivity", "TL Permittivity Decimals", "Permittivity"),
          Box("Impedance", "TL Impedance Decimals", "Impedance")}},
    });
}();
// The placeholders for the calculators the program does not have yet, in index order.
const std::vector<oq::CalculatorEntry>& FreePlaceholders() {
    static const std::vector<oq::CalculatorEntry> free = [] {
        std::vector<oq::CalculatorEntry> list;
        for (const oq::CalculatorEntry& p : Placeholders)
            if (!oq::FindCalculator(oq::Calculators, p.index))
                list.push_back(p);
        return list;
    }();
    return free;
}
// The fourteen first calculators, then up to eight more: the program's own where it has them,
// placeholders where it does not.
const int First = oq::TabIO + 1;
const int MaxExtra = oq::TabSlots - First;
int PlaceholderCount(int extra) {
    return static_cast<int>(
        std::count_if(FreePlaceholders().begin(), FreePlaceholders().end(),
                      [extra](const oq::CalculatorEntry& p) { return p.index < First + extra; }));
}

// The least a calculator's page can be: its boxes with their labels and a Clear button.
class PlaceholderTab : public oq::CalculatorTab {
  public:
    PlaceholderTab(oq::MainHost& host, const oq::TabRow& row)
        : CalculatorTab(host, row) {
        auto* controls = new QGridLayout;
        for (int b = 0; b < row.boxCount; ++b) {
            const std::string name =
                std::string("Label_") + row.code + "(" + std::to_string(b) + ")";
            const char* caption = row.calculator->boxes[static_cast<size_t>(b)].decimalsName;
            controls->addWidget(addLabel(name.c_str(), QLatin1String(caption)), b, 0);
            oq::NumberBox* value = addBox(b);
            value->setLocked(false);
            connect(value, &oq::NumberBox::textChanged, this, [this, b] {
                if (!ownWrite())
                    readBox(b);
            });
            controls->addWidget(value, b, 1);
        }
        arrange(controls, {}, addClearButton([] {}));
    }
};

// The catalogue and tab table of the fourteen and `extra` calculators after them. The table's rows
// point into the catalogue, so both live as long as the window.
struct Tables {
    std::vector<oq::CalculatorEntry> catalogue;
    std::vector<oq::TabRow> table;

    explicit Tables(int extra) {
        const auto shown = [extra](int index) { return index < First + extra; };
        for (const oq::CalculatorEntry& c : oq::Calculators)
            if (shown(c.index))
                catalogue.push_back(c);
        for (const oq::TabRow& row : oq::TabTable)
            if (shown(row.index))
                table.push_back(row);
        const size_t built = catalogue.size();
        for (const oq::CalculatorEntry& p : FreePlaceholders())
            if (shown(p.index))
                catalogue.push_back(p);
        for (size_t i = built; i < catalogue.size(); ++i)
            table.push_back(oq::MakeTabRow(
                catalogue[i], nullptr, [](oq::MainHost& host, const oq::TabRow& row) {
                    return static_cast<oq::CalculatorTab*>(new PlaceholderTab(host, row));
                }));
    }
};

// Reports the first frame of the window and its size to the parent and ends at once. The frame
// is painted, the window first and its children after it, and put on the screen while the
// window's platform window handles one event (an expose or an update request): the frame is there
// when that event is done, before anything that comes after it.
class FirstFrame : public QObject {
  public:
    // Shows the window. The probe watches its platform window before anything else does, so
    // that it sees the frame's event first.
    explicit FirstFrame(QWidget& window)
        : window_(window) {
        window_.installEventFilter(this);
        window_.show();
        window_.windowHandle()->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_) {
            if (event->type() == QEvent::Paint)
                painted_ = true;
            return false;
        }
        if (event->type() != QEvent::Expose && event->type() != QEvent::UpdateRequest)
            return false;
        watched->event(event); // paints and shows the frame
        if (painted_) {
            std::printf("painted %d %d\n", window_.width(), window_.height());
            std::fflush(stdout);
            std::_Exit(0);
        }
        return true;
    }

  private:
    QWidget& window_;
    bool painted_ = false;
};

// "22 calculators (2 placeholders)"
std::string Calculators(int extra) {
    std::string text = std::to_string(First + extra) + " calculators";
    if (const int p = PlaceholderCount(extra); p > 0)
        text += " (" + std::to_string(p) + " placeholders)";
    return text;
}

enum class Kind { Bare, Strip, Program };

const char* KindName(Kind kind) {
    switch (kind) {
    case Kind::Bare:
        return "bare";
    case Kind::Strip:
        return "strip";
    case Kind::Program:
        return "program";
    }
    return "";
}

// What one child process shows: `extra` calculators beside the fourteen; the reference windows
// take the size the program's window got.
struct Case {
    std::string label;
    Kind kind;
    int extra;
};

int child(int argc, char** argv) {
    // --child <kind> <extra> <width> <height>
    if (argc < 6)
        return 2;
    const std::string kind = argv[2];
    const int extra = std::clamp(std::atoi(argv[3]), 0, MaxExtra);
    const QSize size(std::atoi(argv[4]), std::atoi(argv[5]));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Tables tables(extra);
    if (kind == KindName(Kind::Program)) {
        oq::UseStartUpStyle(); // as main() does
        oq::QtPlatform platform;
        oq::QSettingsStore store;
        oq::MainForm form(platform, store, tables.table, tables.catalogue);
        const FirstFrame probe(form);
        return app.exec();
    }
    QWidget window;
    if (kind == KindName(Kind::Strip)) {
        auto* strip = new oq::TabStrip;
        for (const oq::TabRow& row : tables.table)
            strip->addTab(new QWidget, QLatin1String(row.caption), oq::StripRowOf(*row.calculator));
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(strip);
    }
    window.resize(size);
    const FirstFrame probe(window);
    return app.exec();
}

struct Run {
    double ms = 0;    // wall clock, from the start to the first paint
    double cpuMs = 0; // user and system time of the process, which ends at its first paint
    long maxRssKb = 0;
    QSize size;
};

// Where the children's messages go (the offscreen platform's warnings would drown the figures);
// shown when a child fails.
std::string ChildLog;

// With --xvfb, the X server each child runs on, a fresh one for every run; empty: the children
// run on the offscreen platform.
std::string XvfbPath;

struct XServer {
    pid_t pid = -1;
    std::string display; // ":<n>"
};

// Starts an X server and returns once it takes connections.
XServer StartXvfb() {
    int ready[2];
    if (pipe(ready) != 0)
        std::exit(1);
    const pid_t pid = fork();
    if (pid == 0) {
        close(ready[0]);
        if (const int quiet = open("/dev/null", O_WRONLY); quiet >= 0) {
            dup2(quiet, STDOUT_FILENO);
            dup2(quiet, STDERR_FILENO);
        }
        const std::string fd = std::to_string(ready[1]);
        execl(XvfbPath.c_str(), "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-screen",
              "0", "1280x1024x24", static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    close(ready[1]);
    std::string number;
    char c = 0;
    while (read(ready[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(ready[0]);
    if (number.empty()) {
        std::fprintf(stderr, "Xvfb did not start\n");
        std::exit(1);
    }
    return {pid, ":" + number};
}

void StopXvfb(const XServer& server) {
    kill(server.pid, SIGTERM);
    waitpid(server.pid, nullptr, 0);
}

// Starts `args` (the first is the program), with its standard output into a pipe, and returns
// what it reports at its first paint. With --xvfb the child has an X server of its own, started
// before its clock starts.
Run runChild(const std::vector<std::string>& args) {
    std::optional<XServer> server;
    if (!XvfbPath.empty())
        server = StartXvfb();
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    int out[2];
    if (pipe(out) != 0)
        std::exit(1);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("QT_QPA_PLATFORM", server ? "xcb" : "offscreen", 1);
        if (server)
            setenv("DISPLAY", server->display.c_str(), 1);
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        if (std::FILE* log = std::fopen(ChildLog.c_str(), "w"))
            dup2(fileno(log), STDERR_FILENO);
        execv(argv[0], argv.data());
        std::_Exit(127);
    }
    close(out[1]);
    char buffer[64] = {};
    const ssize_t got = read(out[0], buffer, sizeof buffer - 1);
    const auto painted = std::chrono::steady_clock::now();
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (server)
        StopXvfb(*server);
    int width = 0, height = 0;
    if (got <= 0 || std::sscanf(buffer, "painted %d %d", &width, &height) != 2) {
        std::fprintf(stderr, "%s did not paint (status %d):\n", args.front().c_str(), status);
        std::ifstream log(ChildLog);
        std::fputs(std::string(std::istreambuf_iterator<char>(log), {}).c_str(), stderr);
        std::exit(1);
    }
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return {std::chrono::duration<double, std::milli>(painted - start).count(),
            ms(usage.ru_utime) + ms(usage.ru_stime), usage.ru_maxrss, QSize(width, height)};
}

std::vector<std::string> childArgs(const char* self, const Case& c, QSize size) {
    return {self,
            "--child",
            KindName(c.kind),
            std::to_string(c.extra),
            std::to_string(size.width()),
            std::to_string(size.height())};
}

constexpr int Runs = 11;

struct Timing {
    double median, min, max, cpuMedian;
    long maxRssKb;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Every case `Runs` times, one run of each case after the other, so that a load on the machine
// that comes and goes falls on all cases alike rather than on the one it meets.
std::vector<Timing> timeCases(const char* self, const std::vector<Case>& cases,
                              const std::vector<QSize>& windowSize) {
    std::vector<std::vector<double>> ms(cases.size()), cpu(cases.size());
    std::vector<long> rss(cases.size());
    for (int round = 0; round < Runs; ++round)
        for (size_t c = 0; c < cases.size(); ++c) {
            const Run r = runChild(
                childArgs(self, cases[c], windowSize[static_cast<size_t>(cases[c].extra)]));
            ms[c].push_back(r.ms);
            cpu[c].push_back(r.cpuMs);
            rss[c] = std::max(rss[c], r.maxRssKb);
        }
    std::vector<Timing> timings;
    for (size_t c = 0; c < cases.size(); ++c)
        timings.push_back({Median(ms[c]), *std::min_element(ms[c].begin(), ms[c].end()),
                           *std::max_element(ms[c].begin(), ms[c].end()), Median(cpu[c]), rss[c]});
    return timings;
}

// The instructions the child runs up to its first paint, from callgrind's summary; nullopt when
// valgrind fails.
std::optional<long long> countInstructions(const std::string& valgrind, const char* self,
                                           const Case& c, QSize size, const QString& logFolder) {
    const std::string log = (logFolder + QStringLiteral("/callgrind.log")).toStdString();
    std::vector<std::string> args = {valgrind, "--tool=callgrind", "--callgrind-out-file=/dev/null",
                                     "--log-file=" + log};
    for (const std::string& a : childArgs(self, c, size))
        args.push_back(a);
    runChild(args);
    // The program's own summary: a process it forks (the X11 platform does) reports too, and
    // first. Every line begins with "==<pid>==", the program's first of all.
    std::ifstream in(log);
    std::string line, program;
    while (std::getline(in, line)) {
        const std::string pid = line.substr(0, line.find("== ") + 2);
        if (program.empty())
            program = pid;
        const auto at = line.find("Collected :");
        if (at == std::string::npos || pid != program)
            continue;
        std::string digits;
        for (char ch : line.substr(at))
            if (ch >= '0' && ch <= '9')
                digits += ch;
        if (!digits.empty())
            return std::stoll(digits);
    }
    return std::nullopt;
}

// 1234567890 as "1 234 567 890".
std::string Grouped(long long n) {
    std::string digits = std::to_string(n), out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += ' ';
        out += digits[i];
    }
    return out;
}

int usage(const char* self) {
    std::fprintf(stderr, "usage: %s [--instructions] [--extra-pages N (0 to %d)] [--xvfb]\n", self,
                 MaxExtra);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--child") == 0)
        return child(argc, argv);

    bool instructions = false;
    std::optional<int> onlyExtra;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--instructions") == 0) {
            instructions = true;
        } else if (std::strcmp(argv[i], "--xvfb") == 0) {
            XvfbPath = QStandardPaths::findExecutable(QStringLiteral("Xvfb")).toStdString();
            if (XvfbPath.empty()) {
                std::fprintf(stderr, "--xvfb: Xvfb is not installed\n");
                return 2;
            }
        } else if (std::strcmp(argv[i], "--extra-pages") == 0 && i + 1 < argc) {
            onlyExtra = std::atoi(argv[++i]);
            if (*onlyExtra < 0 || *onlyExtra > MaxExtra)
                return usage(argv[0]);
        } else {
            return usage(argv[0]);
        }
    }

    QTemporaryDir settings; // a fresh user: no settings file
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    ChildLog = (settings.path() + QStringLiteral("/child.log")).toStdString();

    std::vector<Case> cases;
    if (onlyExtra) {
        cases.push_back({"program, " + Calculators(*onlyExtra), Kind::Program, *onlyExtra});
    } else {
        const std::string first = std::to_string(First), all = std::to_string(First + MaxExtra);
        cases = {{"bare window", Kind::Bare, 0},
                 {"bare window, " + first + "-tab strip", Kind::Strip, 0},
                 {"program, " + Calculators(0), Kind::Program, 0},
                 {"bare window, " + all + "-tab strip", Kind::Strip, MaxExtra},
                 {"program, " + Calculators(MaxExtra), Kind::Program, MaxExtra}};
    }

    // The program's window size for each count of placeholders; this run also warms the file
    // cache.
    std::vector<QSize> windowSize(static_cast<size_t>(MaxExtra) + 1);
    for (const Case& c : cases)
        if (windowSize[static_cast<size_t>(c.extra)].isEmpty())
            windowSize[static_cast<size_t>(c.extra)] =
                runChild(childArgs(argv[0], {"", Kind::Program, c.extra}, {})).size;
    std::printf("window:");
    for (int extra = 0; extra <= MaxExtra; ++extra)
        if (!windowSize[static_cast<size_t>(extra)].isEmpty())
            std::printf(" %d x %d with %d calculators;",
                        windowSize[static_cast<size_t>(extra)].width(),
                        windowSize[static_cast<size_t>(extra)].height(), First + extra);
    std::printf("\n");

    // By case: median milliseconds (wall clock and CPU), or instructions.
    std::vector<double> figure, cpuFigure;
    if (instructions) {
        const QString valgrind = QStandardPaths::findExecutable(QStringLiteral("valgrind"));
        if (valgrind.isEmpty()) {
            std::printf("valgrind is not installed: no instruction counts\n");
            return 0;
        }
        std::printf("instructions to first paint, one run each under callgrind:\n");
        for (const Case& c : cases) {
            const auto count =
                countInstructions(valgrind.toStdString(), argv[0], c,
                                  windowSize[static_cast<size_t>(c.extra)], settings.path());
            if (!count) {
                std::printf("  %-42s callgrind reported no count\n", c.label.c_str());
                return 1;
            }
            std::printf("  %-42s %15s\n", c.label.c_str(), Grouped(*count).c_str());
            std::fflush(stdout);
            figure.push_back(static_cast<double>(*count));
        }
    } else {
        std::printf("start-up to first paint, %d runs each, taken in turns: median wall clock "
                    "(min - max), median CPU time, peak RSS\n",
                    Runs);
        const std::vector<Timing> timings = timeCases(argv[0], cases, windowSize);
        for (size_t c = 0; c < cases.size(); ++c) {
            const Timing& t = timings[c];
            std::printf("  %-42s %7.1f ms (%.1f - %.1f)  cpu %6.1f ms  %6.1f MB\n",
                        cases[c].label.c_str(), t.median, t.min, t.max, t.cpuMedian,
                        static_cast<double>(t.maxRssKb) / 1024.0);
            figure.push_back(t.median);
            cpuFigure.push_back(t.cpuMedian);
        }
    }
    if (cases.size() == 5) {
        std::printf("program / strip window: %.2f with %d tabs, %.2f with %d",
                    figure[2] / figure[1], First, figure[4] / figure[3], First + MaxExtra);
        if (!cpuFigure.empty())
            std::printf(" (CPU time: %.2f and %.2f)", cpuFigure[2] / cpuFigure[1],
                        cpuFigure[4] / cpuFigure[3]);
        std::printf("\n");
    }
    return 0;
}
