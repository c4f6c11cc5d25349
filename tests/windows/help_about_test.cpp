#include "core/controls.h"
#include "fake_platform.h"
#include "gui_test.h"
#include "model/shared_state.h"
#include "palettes.h"
#include "windows/about_form.h"
#include "windows/help_form.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace oq {
namespace {

const QString MainCaption = QStringLiteral("Ohmquill, v2.3 - June 2024 / QZ");

TEST(HelpForm, ShowsTheKeysAndGesturesWordForWord) {
    SharedState state;
    HelpForm help(state, nullptr);
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Key Strokes and Mouse Clicks"));

    const char* const expected[6] = {
        "On a free space on any Tab:",
        "Right Click: Open this Help form.\nRight Click + <Ctrl>: Open the About form.\nDouble "
        "Click: Open Windows calculator.",
        "On any Numbers box:",
        "<F1>: Open this Help form.\n<Space> in an empty box: Select the Unknown option associated "
        "with the selected box if present.\nDouble Click or <Ctrl> + <Del>: Clear the box\n<Shift> "
        "+ Right Click + or <Shift> + <Enter>: Open a form to show and change number of decimals "
        "of "
        "the selected box.\n<Ctrl> + Right Click or <Ctrl> + <Enter>: Open a Properties form with "
        "all the actual values of the tab.",
        "On any form except the Main form:",
        "<Esc>: Close the form and return to Main form. ",
    };
    for (int i = 0; i < 6; ++i) {
        const QString name = QStringLiteral("Label_Help(%1)").arg(i);
        auto* label = help.findChild<QLabel*>(name);
        ASSERT_NE(label, nullptr) << name.toStdString();
        EXPECT_EQ(label->text().toStdString(), expected[i]) << name.toStdString();
        EXPECT_EQ(label->font().bold(), i % 2 == 0) << name.toStdString();
        // "<F1>" and "<Esc>" must show as written, not vanish as markup.
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << name.toStdString();
    }
}

// How the user leaves a small window, and whether the main window then keeps its tab.
struct Leaving {
    const char* form;
    const char* how;
    std::function<void(QDialog&)> act;
    bool skipChange;
    int result;
};

void clickOk(QDialog& d) {
    QTest::mouseClick(FindChild<QPushButton>(d, QStringLiteral("Command_OK")), Qt::LeftButton);
}
void escOn(QDialog& d, const char* name) {
    QTest::keyClick(FindChild<QWidget>(d, QLatin1String(name)), Qt::Key_Escape);
}

TEST(HelpAndAboutForms, OkAndEscKeepTheTabButTheCloseBoxDoesNot) {
    const Leaving cases[] = {
        {"help", "OK clicked", clickOk, true, QDialog::Accepted},
        {"help", "Esc on OK", [](QDialog& d) { escOn(d, "Command_OK"); }, true, QDialog::Accepted},
        {"help", "close box", [](QDialog& d) { d.close(); }, false, QDialog::Rejected},
        {"about", "OK clicked", clickOk, true, QDialog::Accepted},
        {"about", "Esc on Check for Update", [](QDialog& d) { escOn(d, "Command_CheckUpdate"); },
         true, QDialog::Accepted},
        {"about", "close box", [](QDialog& d) { d.close(); }, false, QDialog::Rejected},
    };
    for (const Leaving& c : cases) {
        SCOPED_TRACE(std::string(c.form) + ": " + c.how);
        SharedState state;
        FakePlatform platform;
        std::unique_ptr<QDialog> dialog;
        if (std::string(c.form) == "help")
            dialog = std::make_unique<HelpForm>(state, nullptr);
        else
            dialog = std::make_unique<AboutForm>(state, platform, MainCaption, nullptr);
        bool stillOpen = true;
        platform.onModal = [&](QDialog* d) {
            c.act(*d);
            stillOpen = d->isVisible();
        };
        const int result = platform.runModal(dialog.get());
        EXPECT_FALSE(stillOpen);
        EXPECT_EQ(state.SkipChange, c.skipChange);
        EXPECT_EQ(result, c.result);
        EXPECT_TRUE(platform.openedUrls.isEmpty());
    }
}

TEST(AboutForm, TakesNameVersionAndDateFromTheMainCaption) {
    struct Case {
        QString caption;
        QString title;
        QString about;
    };
    const Case cases[] = {
        {MainCaption, "About Ohmquill", "Version: v2.3,  Date: June 2024\n\nWritten by QZ\n\n"},
        {"Ohmquill, v10.0.1 - 3 March 2031 / QZ", "About Ohmquill",
         "Version: v10.0.1,  Date: 3 March 2031\n\nWritten by QZ\n\n"},
        // A caption without the usual marks must still open the window.
        {"Ohmquill", "About Ohmquill", "Version: ,  Date: \n\nWritten by QZ\n\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption.toStdString());
        SharedState state;
        FakePlatform platform;
        AboutForm about(state, platform, c.caption, nullptr);
        EXPECT_EQ(about.windowTitle(), c.title);
        auto* label = FindChild<QLabel>(about, QStringLiteral("Label_About"));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text().toStdString(), c.about.toStdString());
    }
}

TEST(AboutForm, CheckForUpdateOpensTheUpdatePageAndStaysOpen) {
    SharedState state;
    FakePlatform platform;
    AboutForm about(state, platform, MainCaption, nullptr);
    about.show();
    QTest::mouseClick(FindChild<QPushButton>(about, QStringLiteral("Command_CheckUpdate")),
                      Qt::LeftButton);
    EXPECT_EQ(platform.openedUrls, QStringList{"https://www.ohmquill.org/update"});
    EXPECT_TRUE(about.isVisible());
    EXPECT_FALSE(state.SkipChange);
}

TEST(AboutForm, EmailAddressOpensAMessageByMouseAndKeyboard) {
    SharedState state;
    FakePlatform platform;
    AboutForm about(state, platform, MainCaption, nullptr);
    about.show();
    auto* eMail = FindChild<QLabel>(about, QStringLiteral("Label_eMail"));
    ASSERT_NE(eMail, nullptr);
    EXPECT_EQ(eMail->text(), QStringLiteral("qz@ohmquill.org"));

    const QString message = QStringLiteral("mailto:qz@ohmquill.org?subject=Ohmquill");
    QTest::mouseClick(eMail, Qt::LeftButton);
    EXPECT_EQ(platform.openedUrls, QStringList{message});

    QTest::mouseClick(eMail, Qt::RightButton);
    EXPECT_EQ(platform.openedUrls.size(), 1) << "only the left button clicks";

    QTest::keyClick(eMail, Qt::Key_Space);
    QTest::keyClick(eMail, Qt::Key_Return);
    EXPECT_EQ(platform.openedUrls, (QStringList{message, message, message}));
    // Enter on the address must not also press OK.
    EXPECT_TRUE(about.isVisible());
    EXPECT_FALSE(state.SkipChange);
}

// The contrast ratio of two colours by their relative luminance (WCAG 2).
double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The mail link and the red warnings read on a light and on a dark theme, also when the theme
// changes while the window is open.
TEST(AboutForm, LinkAndWarningColoursReadOnEveryTheme) {
    SharedState state;
    FakePlatform platform;
    AboutForm about(state, platform, MainCaption, nullptr);
    auto* eMail = FindChild<QLabel>(about, QStringLiteral("Label_eMail"));
    ASSERT_NE(eMail, nullptr);
    auto* warning = new QLabel(QStringLiteral("Wrong Value"), &about);
    MakeWarningLabel(warning);

    struct Theme {
        const char* name;
        QPalette palette;
    };
    for (const Theme& theme : {Theme{"light", LightPalette()}, Theme{"dark", DarkPalette()},
                               Theme{"light again", LightPalette()}}) {
        SCOPED_TRACE(theme.name);
        about.setPalette(theme.palette);
        const QColor window = theme.palette.color(QPalette::Window);
        const QColor link = eMail->palette().color(QPalette::WindowText);
        const QColor red = warning->palette().color(QPalette::WindowText);
        EXPECT_GE(Contrast(link, window), 4.5) << link.name().toStdString();
        EXPECT_GE(Contrast(red, window), 4.5) << red.name().toStdString();
        EXPECT_GT(red.red(), 2 * std::max(red.green(), red.blue())) << red.name().toStdString();
        EXPECT_EQ(eMail->palette().color(QPalette::Window), window);
    }
    // Where the theme's own link colour reads, it is kept.
    EXPECT_EQ(eMail->palette().color(QPalette::WindowText), LightPalette().color(QPalette::Link));
}

TEST(MailtoUrl, AddsThePrefixOnceAndJoinsSubjectAndBodyAsGiven) {
    struct Case {
        const char* address;
        const char* subject;
        const char* body;
        const char* url;
    };
    const Case cases[] = {
        {"a@b.org", "", "", "mailto:a@b.org"},
        {"MailTo:a@b.org", "S", "", "MailTo:a@b.org?subject=S"},
        {"a@b.org", "Ohmquill", "", "mailto:a@b.org?subject=Ohmquill"},
        {"a@b.org", "", "B", "mailto:a@b.org?body=B"},
        {"a@b.org", "S", "B", "mailto:a@b.org?subject=S&body=B"},
        // Texts pass through unencoded.
        {"a@b.org", "R & C", "1 k?", "mailto:a@b.org?subject=R & C&body=1 k?"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MailtoUrl(QString::fromLatin1(c.address), QString::fromLatin1(c.subject),
                            QString::fromLatin1(c.body))
                      .toStdString(),
                  c.url)
            << c.address << " / " << c.subject << " / " << c.body;
    }
}

} // namespace
} // namespace oq
