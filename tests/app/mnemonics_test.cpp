#include "core/tab_strip.h"
#include "gui_test.h"

#include <QAction>
#include <QGroupBox>
#include <QMap>
#include <QMenuBar>

namespace oq {
namespace {

// The letter after a lone "&", upper case; none when the text has no mnemonic.
QChar Mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text[i + 1].toUpper();
        ++i; // "&&" is a plain "&"
    }
    return {};
}

// Qt fires neither of two shortcuts on one letter, so with any tab in front every Alt letter of
// the window is used once: the strip's captions, the menu titles, the window's buttons and the
// tab's own controls. Only the pairs of captions the first fourteen tabs always shared are let be.
TEST_F(MainFormTest, NoAltLetterIsUsedTwice) {
    const QMap<QChar, QStringList> shared = {
        {u'R', {"&Resistor Power", "&Rise Time"}},  {u'P', {"&Parallel Resistors", "&PI-net"}},
        {u'D', {"&dB, %, X", "&dBm, dBU, dBV"}},    {u'I', {"C &Impededance", "L &Impedance"}},
        {u'O', {"Non Inv &OP amp", "Inv &OP amp"}},
    };
    const TabStrip* strip = form->strip();
    for (int t = 0; t < strip->count(); ++t) {
        SCOPED_TRACE(strip->tabText(t).toStdString());
        QMap<QChar, QStringList> users;
        for (int i = 0; i < strip->count(); ++i)
            users[Mnemonic(strip->tabText(i))] << strip->tabText(i);
        for (const QAbstractButton* b : form->findChildren<QAbstractButton*>())
            if (!strip->isAncestorOf(b))
                users[Mnemonic(b->text())] << b->text(); // the window's own
        for (const QMenuBar* bar : form->findChildren<QMenuBar*>())
            for (const QAction* title : bar->actions())
                users[Mnemonic(title->text())] << title->text();
        const QWidget* page = strip->widget(t);
        for (const QAbstractButton* b : page->findChildren<QAbstractButton*>())
            users[Mnemonic(b->text())] << b->text();
        for (const QGroupBox* g : page->findChildren<QGroupBox*>())
            users[Mnemonic(g->title())] << g->title();
        users.remove(QChar());
        for (auto it = users.cbegin(); it != users.cend(); ++it)
            if (it.value().size() > 1) {
                EXPECT_EQ(it.value(), shared.value(it.key())) << QString(it.key()).toStdString();
            }
    }
}

} // namespace
} // namespace oq
