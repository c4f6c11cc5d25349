// A seeded storm of random user actions over every tab of the tab table, through the real main
// window. It knows no tab: it finds each page's boxes, buttons and lists by looking, so a tab
// joins by being a row of the table. After every action nothing (small windows included) may
// show "inf", "nan" or "1.#", every box the program just wrote while it is read-only holds a
// number (or a named text), and no exception may escape. A failing seed prints the shortest action
// list found to reproduce it.
#include "core/calculator_tab.h"
#include "core/tab_strip.h"
#include "gui_test.h"
#include "model/notation.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>
#include <cfloat>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <sstream>

namespace oq {
namespace {

enum class Kind {
    Type,        // keys typed at the end of a box
    Paste,       // a text inserted as Ctrl+V would, past the box's filter
    Erase,       // select all, Backspace
    Backspace,   // one Backspace at the end
    Key,         // a gesture key with modifiers: Shift/Ctrl+Enter, F1, Ctrl+Delete, Space
    RightClick,  // Shift or Ctrl + right click on a box
    DoubleClick, // on a box
    Click,       // an option, check box or button
    ListStep,    // Down or Up in a drop-down list
    FreeRight,   // right click on the page's free space, with or without Ctrl
    FreeDouble,  // double click on the page's free space
    SwitchTab,   // the strip's current tab
    CtrlTab,     // Ctrl+Tab
};

struct Action {
    Kind kind;
    QString target; // objectName of the control, empty for the page
    QString text;   // keys or pasted text
    int key = 0;
    int mods = 0;
    int number = 0; // tab index, or whether a paste replaces the selection
    int modal = 0;  // how the user treats a small window that opens: 0..99

    std::string describe() const {
        static const char* const names[] = {"type",
                                            "paste",
                                            "erase",
                                            "backspace",
                                            "key",
                                            "right-click",
                                            "double-click",
                                            "click",
                                            "step",
                                            "free right-click",
                                            "free double-click",
                                            "tab",
                                            "Ctrl+Tab"};
        std::ostringstream out;
        out << names[static_cast<int>(kind)];
        if (!target.isEmpty())
            out << ' ' << target.toStdString();
        if (!text.isEmpty())
            out << " \""
                << (text.size() > 40
                        ? text.left(12) + QStringLiteral("...(%1 chars)").arg(text.size())
                        : text)
                       .toStdString()
                << '"';
        if (kind == Kind::Key)
            out << " key " << key;
        if (mods)
            out << " mods " << mods;
        if (kind == Kind::SwitchTab || (kind == Kind::Paste && number))
            out << " #" << number;
        out << " (window " << modal << ')';
        return out.str();
    }
};

const QString Nines = QString(310, QLatin1Char('9'));
// What a user types; the box filters decide what gets in.
const QStringList Keys = {"0",
                          "1",
                          "2",
                          "3",
                          "4",
                          "5",
                          "6",
                          "7",
                          "8",
                          "9",
                          "0",
                          "1",
                          "5",
                          ".",
                          ",",
                          "-",
                          "E",
                          "e",
                          "D",
                          "&H",
                          "&O",
                          "F",
                          "a",
                          "x",
                          " ",
                          "E999",
                          "E-999",
                          "E308",
                          "99999999999999999999",
                          "0.000001",
                          "1e-320"};
// What a user pastes; no "inf" or "nan" so that such a text in a box is always the program's.
const QStringList Pastes = {"1E999",
                            "-1E999",
                            "1E-999",
                            "1D400",
                            "&HFFFFFFFF",
                            "&H7FFFFFFF",
                            "&O37777777777",
                            "1.7976931348623157E308",
                            "4.9E-324",
                            "12abc",
                            "  12 ",
                            "1,5",
                            "-",
                            ".",
                            "E",
                            "0",
                            "-0",
                            "0.0",
                            "3.3",
                            "470",
                            "1000000",
                            "0.001",
                            "1E15",
                            "1E-15",
                            "\t7\n",
                            "-12",
                            Nines};

const QRegularExpression Forbidden(QStringLiteral("(?<![A-Za-z])(inf|nan)(?![A-Za-z])|1\\.#"),
                                   QRegularExpression::CaseInsensitiveOption);
// A number as the boxes show it, with the SI prefix a standard value carries.
const QRegularExpression BoxNumber(QStringLiteral("^-?(\\d+\\.?\\d*|\\.\\d+)( [pnµmkMGT])?$"));
const QStringList NamedTexts = {"Open", "Short"};

template <typename T> std::vector<T*> Named(QWidget* parent) {
    std::vector<T*> found;
    for (T* w : parent->findChildren<T*>())
        if (!w->objectName().isEmpty() && w->isVisible() && w->isEnabled())
            found.push_back(w);
    return found;
}

class Storm : public MainFormTest, public ::testing::WithParamInterface<unsigned> {
  protected:
    std::mt19937 rng;
    const Action* current = nullptr;
    std::map<const QLineEdit*, QString> before;
    std::string windowFailure; // what a small window showed while it was open

    int pick(int n) { return n <= 0 ? 0 : static_cast<int>(rng() % static_cast<unsigned>(n)); }
    template <typename T> T* any(const std::vector<T*>& v) {
        return v.empty() ? nullptr : v[static_cast<size_t>(pick(static_cast<int>(v.size())))];
    }

    void fresh() {
        form.reset();
        store.values.clear();
        store.reads.clear();
        store.writes.clear();
        platform = FakePlatform();
        platform.onModal = [this](QDialog* dialog) { playWindow(dialog); };
        start();
    }

    // Closes the small window at once, or clicks one of its buttons first (and then OK).
    void playWindow(QDialog* dialog) {
        for (const QLabel* l : dialog->findChildren<QLabel*>())
            if (Forbidden.match(l->text()).hasMatch() && windowFailure.empty())
                windowFailure = dialog->objectName().toStdString() + " shows \"" +
                                l->text().toStdString() + "\"";
        const int how = current ? current->modal : 0;
        if (how < 50)
            return;
        std::vector<QAbstractButton*> buttons = Named<QAbstractButton>(dialog);
        std::sort(buttons.begin(), buttons.end(),
                  [](auto* a, auto* b) { return a->objectName() < b->objectName(); });
        if (!buttons.empty())
            buttons[static_cast<size_t>(how) % buttons.size()]->click();
        if (how >= 75 && dialog->isVisible())
            for (QAbstractButton* b : buttons)
                if (b->objectName().endsWith(QStringLiteral("OK")) && b->isVisible()) {
                    b->click();
                    break;
                }
    }

    // The page in front, by its calculator: the strip counts its tabs in order, not by index.
    QWidget* page() const { return form->tab(form->currentTab()); }

    // A point of the page where no control sits: the strip's free space.
    std::optional<QPoint> freeSpot() const {
        QWidget* p = page();
        for (int y = 2; y < p->height(); y += 7)
            for (int x = 2; x < p->width(); x += 7)
                if (!p->childAt(x, y))
                    return QPoint(x, y);
        return std::nullopt;
    }

    Action next() {
        Action a{Kind::Type, {}, {}, 0, 0, 0, pick(100)};
        QWidget* p = page();
        std::vector<NumberBox*> boxes = Named<NumberBox>(p);
        NumberBox* box = any(boxes);
        if (box && pick(2) == 0)
            if (auto* focused = qobject_cast<NumberBox*>(QApplication::focusWidget());
                focused && focused->isVisible())
                box = focused;
        const int roll = pick(100);
        if (roll < 6) {
            a.kind = pick(3) == 0 ? Kind::CtrlTab : Kind::SwitchTab;
            a.number = pick(TabCount);
            return a;
        }
        if (roll < 22) {
            std::vector<QAbstractButton*> buttons = Named<QAbstractButton>(p);
            if (QAbstractButton* b = any(buttons)) {
                a.kind = Kind::Click;
                a.target = b->objectName();
                return a;
            }
        }
        if (roll < 25) {
            std::vector<QComboBox*> lists = Named<QComboBox>(p);
            if (QComboBox* c = any(lists)) {
                a.kind = Kind::ListStep;
                a.target = c->objectName();
                a.key = pick(2) ? Qt::Key_Down : Qt::Key_Up;
                return a;
            }
        }
        if (roll < 27) {
            a.kind = pick(3) == 0 ? Kind::FreeDouble : Kind::FreeRight;
            a.mods = pick(2) ? int(Qt::ControlModifier) : 0;
            return a;
        }
        if (!box) {
            a.kind = Kind::SwitchTab;
            a.number = pick(TabCount);
            return a;
        }
        a.target = box->objectName();
        if (roll < 35) {
            a.kind = Kind::Paste;
            a.text = Pastes[pick(static_cast<int>(Pastes.size()))];
            a.number = pick(3) == 0;
        } else if (roll < 43) {
            a.kind = Kind::Erase;
        } else if (roll < 50) {
            a.kind = Kind::Backspace;
        } else if (roll < 56) {
            static const std::pair<int, int> gestures[] = {{Qt::Key_Return, Qt::ShiftModifier},
                                                           {Qt::Key_Return, Qt::ControlModifier},
                                                           {Qt::Key_Enter, Qt::ShiftModifier},
                                                           {Qt::Key_F1, 0},
                                                           {Qt::Key_Delete, Qt::ControlModifier},
                                                           {Qt::Key_Space, 0},
                                                           {Qt::Key_Space, 0},
                                                           {Qt::Key_Minus, 0}};
            const auto& g = gestures[pick(8)];
            a.kind = Kind::Key;
            a.key = g.first;
            a.mods = g.second;
        } else if (roll < 60) {
            a.kind = Kind::RightClick;
            a.mods = pick(2) ? Qt::ShiftModifier : Qt::ControlModifier;
        } else if (roll < 62) {
            a.kind = Kind::DoubleClick;
        } else {
            a.kind = Kind::Type;
            a.text = pick(400) == 0 ? Nines : Keys[pick(static_cast<int>(Keys.size()))];
        }
        return a;
    }

    template <typename T> T* find(const QString& name) const {
        T* w = form->findChild<T*>(name);
        return w && w->isVisible() && w->isEnabled() ? w : nullptr;
    }

    void focus(NumberBox* b) {
        if (!b->hasFocus())
            QTest::mouseClick(b, Qt::LeftButton);
        b->end(false);
    }

    // Runs one action as the user would; an action whose control is not there does nothing.
    void perform(const Action& a) {
        const auto mods = Qt::KeyboardModifiers(a.mods);
        switch (a.kind) {
        case Kind::SwitchTab:
            form->strip()->setCurrentIndex(a.number);
            return;
        case Kind::CtrlTab:
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget()
                                                        : static_cast<QWidget*>(form.get()),
                            Qt::Key_Tab, Qt::ControlModifier);
            return;
        case Kind::Click:
            if (auto* b = find<QAbstractButton>(a.target))
                QTest::mouseClick(b, Qt::LeftButton);
            return;
        case Kind::ListStep:
            if (auto* c = find<QComboBox>(a.target))
                QTest::keyClick(c, Qt::Key(a.key));
            return;
        case Kind::FreeRight:
        case Kind::FreeDouble:
            if (const auto spot = freeSpot()) {
                if (a.kind == Kind::FreeRight)
                    QTest::mouseClick(page(), Qt::RightButton, mods, *spot);
                else
                    QTest::mouseDClick(page(), Qt::LeftButton, mods, *spot);
            }
            return;
        default:
            break;
        }
        auto* b = find<NumberBox>(a.target);
        if (!b)
            return;
        switch (a.kind) {
        case Kind::Type:
            focus(b);
            QTest::keyClicks(b, a.text);
            break;
        case Kind::Paste:
            if (b->isReadOnly())
                break;
            focus(b);
            if (a.number)
                b->selectAll();
            b->insert(a.text);
            break;
        case Kind::Erase:
            focus(b);
            b->selectAll();
            QTest::keyClick(b, Qt::Key_Backspace);
            break;
        case Kind::Backspace:
            focus(b);
            QTest::keyClick(b, Qt::Key_Backspace);
            break;
        case Kind::Key:
            focus(b);
            QTest::keyClick(b, Qt::Key(a.key), mods);
            break;
        case Kind::RightClick:
            // Without a gesture the box opens its own context menu, which would wait for a user.
            if (b->rules().gestures)
                QTest::mouseClick(b, Qt::RightButton, mods);
            break;
        case Kind::DoubleClick:
            QTest::mouseDClick(b, Qt::LeftButton);
            break;
        default:
            break;
        }
    }

    void remember() {
        before.clear();
        for (const QLineEdit* e : form->findChildren<QLineEdit*>())
            before[e] = e->text();
    }

    static bool userEdit(const Action& a) {
        return a.kind == Kind::Type || a.kind == Kind::Paste || a.kind == Kind::Erase ||
               a.kind == Kind::Backspace;
    }

    // What is wrong on the screen after the action; empty when all is well.
    std::string check(const Action& a) const {
        auto bad = [](const QWidget* w, const QString& text, const char* why) {
            return w->objectName().toStdString() + " shows \"" + text.left(60).toStdString() +
                   "\": " + why;
        };
        for (const QLineEdit* e : form->findChildren<QLineEdit*>()) {
            const QString t = e->text();
            if (Forbidden.match(t).hasMatch())
                return bad(e, t, "not a number");
            const auto was = before.find(e);
            const bool written = was == before.end() || was->second != t;
            // Only number boxes show computed numbers; a list's edit field shows its prompt.
            if (!written || !e->isReadOnly() || !qobject_cast<const NumberBox*>(e) ||
                (userEdit(a) && e->objectName() == a.target))
                continue;
            if (t.isEmpty() || NamedTexts.contains(t))
                continue;
            if (!BoxNumber.match(t).hasMatch())
                return bad(e, t, "a computed box holds no number");
            const double v = TextValue(t.toStdString());
            if (!std::isfinite(v) || std::fabs(v) >= DBL_MAX)
                return bad(e, t, "a computed box holds a number beyond the double range");
        }
        for (const QLabel* l : form->findChildren<QLabel*>())
            if (Forbidden.match(l->text()).hasMatch())
                return bad(l, l->text(), "label");
        for (const QAbstractButton* b : form->findChildren<QAbstractButton*>())
            if (Forbidden.match(b->text()).hasMatch())
                return bad(b, b->text(), "caption");
        for (const QComboBox* c : form->findChildren<QComboBox*>())
            for (int i = 0; i < c->count(); ++i)
                if (Forbidden.match(c->itemText(i)).hasMatch())
                    return bad(c, c->itemText(i), "list entry");
        return {};
    }

    // Performs and checks one action; the failure, if any.
    std::string step(const Action& a) {
        current = &a;
        remember();
        std::string failure;
        try {
            windowFailure.clear();
            perform(a);
            failure = windowFailure.empty() ? check(a) : windowFailure;
        } catch (const std::exception& e) {
            failure = std::string("exception escaped: ") + e.what();
        } catch (...) {
            failure = "exception escaped";
        }
        current = nullptr;
        return failure;
    }

    // Replays a list on a new window: the index of the failing action and what failed.
    std::optional<std::pair<size_t, std::string>> replay(const std::vector<Action>& actions) {
        fresh();
        for (size_t i = 0; i < actions.size(); ++i) {
            const std::string failure = step(actions[i]);
            if (!failure.empty())
                return std::make_pair(i, failure);
        }
        return std::nullopt;
    }

    // Drops chunks, then single actions, as long as the list still fails; gives up after two
    // minutes with the shortest list so far.
    std::vector<Action> shrink(std::vector<Action> actions) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
        auto inTime = [&] { return std::chrono::steady_clock::now() < deadline; };
        for (size_t chunk = std::max<size_t>(actions.size() / 2, 1); chunk >= 1 && inTime();) {
            bool dropped = false;
            for (size_t i = 0; i < actions.size() && inTime();) {
                std::vector<Action> fewer(actions.begin(), actions.begin() + static_cast<long>(i));
                fewer.insert(fewer.end(),
                             actions.begin() +
                                 static_cast<long>(std::min(i + chunk, actions.size())),
                             actions.end());
                if (const auto f = replay(fewer)) {
                    fewer.resize(f->first + 1);
                    actions = std::move(fewer);
                    dropped = true;
                } else {
                    i += chunk;
                }
            }
            if (!dropped) {
                if (chunk == 1)
                    break;
                chunk /= 2;
            }
        }
        return actions;
    }
};

int ActionsPerSeed() {
    const int n = qEnvironmentVariableIntValue("OHMQUILL_STORM_ACTIONS");
    return n > 0 ? n : 2500;
}

TEST_P(Storm, NothingShowsAWrongNumberOrEscapes) {
    rng.seed(GetParam());
    fresh();
    std::vector<Action> done;
    const int count = ActionsPerSeed();
    int onCalculators = 0; // actions on a tab with boxes; the others only switch and click
    for (int i = 0; i < count; ++i) {
        onCalculators += Named<NumberBox>(page()).empty() ? 0 : 1;
        done.push_back(next());
        const std::string failure = step(done.back());
        if (failure.empty())
            continue;
        const std::vector<Action> shortest = shrink(done);
        const auto again = replay(shortest);
        std::ostringstream list;
        for (const Action& a : shortest)
            list << "  " << a.describe() << '\n';
        FAIL() << "seed " << GetParam() << ", action " << i + 1 << ": " << failure << "\n"
               << "shortest list (" << shortest.size() << " actions) that "
               << (again ? "fails with: " + again->second : std::string("no longer fails")) << ":\n"
               << list.str();
    }
    std::cout << "seed " << GetParam() << ": " << count << " actions, " << onCalculators
              << " on tabs with boxes\n";
}

INSTANTIATE_TEST_SUITE_P(Seeds, Storm, ::testing::Values(1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u));

} // namespace
} // namespace oq
