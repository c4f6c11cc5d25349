#include "windows/about_form.h"

#include "core/platform.h"
#include "core/readable_colours.h"
#include "core/shared_state.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QVBoxLayout>
#include <functional>

namespace oq {

namespace {

const QString MakerAddress = QStringLiteral("qz@ohmquill.org");
const QString MailSubject = QStringLiteral("Ohmquill");
const QString UpdatePage = QStringLiteral("https://www.ohmquill.org/update");
const QString Authorship = QStringLiteral("Written by QZ");

// Text of c from index `from` up to, not including, index `to`; empty when a mark is missing.
QString between(const QString& c, qsizetype from, qsizetype to) {
    if (from < 0 || to < from)
        return {};
    return c.mid(from, to - from);
}

// A label that behaves like a link: pointing hand, underlined in the link colour, and clickable
// by mouse or, once it has the focus, by Space or Enter.
class LinkLabel : public QLabel {
  public:
    LinkLabel(const QString& text, QWidget* parent, std::function<void()> onClick)
        : QLabel(text, parent)
        , onClick_(std::move(onClick)) {
        setTextFormat(Qt::PlainText);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::StrongFocus);
        QFont underlined = font();
        underlined.setUnderline(true);
        setFont(underlined);
        FollowTextColour(this, LinkColour);
        // Room for the focus frame around the text.
        setMargin(2);
    }

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) {
            pressed_ = true;
            event->accept();
            return;
        }
        QLabel::mousePressEvent(event);
    }

    // A click counts when the button comes up over the label it went down on.
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && pressed_) {
            pressed_ = false;
            event->accept();
            if (rect().contains(event->position().toPoint()))
                onClick_();
            return;
        }
        QLabel::mouseReleaseEvent(event);
    }

    void keyPressEvent(QKeyEvent* event) override {
        const int key = event->key();
        if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
            event->modifiers() == Qt::NoModifier) {
            // Enter must not also press the window's default button.
            event->accept();
            if (!event->isAutoRepeat())
                onClick_();
            return;
        }
        QLabel::keyPressEvent(event);
    }

    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        if (!hasFocus())
            return;
        QStylePainter painter(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.backgroundColor = palette().color(backgroundRole());
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }

  private:
    std::function<void()> onClick_;
    bool pressed_ = false;
};

} // namespace

QString MailtoUrl(const QString& address, const QString& subject, const QString& body) {
    QString url = address;
    if (!url.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
        url = QStringLiteral("mailto:") + url;
    if (!subject.isEmpty())
        url += QStringLiteral("?subject=") + subject;
    if (!body.isEmpty())
        url += (subject.isEmpty() ? QStringLiteral("?") : QStringLiteral("&")) +
               QStringLiteral("body=") + body;
    return url;
}

void OpenEmail(Platform& platform, const QString& address, const QString& subject,
               const QString& body) {
    platform.openUrl(MailtoUrl(address, subject, body));
}

AboutForm::AboutForm(SharedState& state, Platform& platform, const QString& mainCaption,
                     QWidget* parent)
    : SmallWindow(state, parent)
    , platform_(platform) {
    setObjectName(QStringLiteral("AboutForm"));

    // The caption reads "<name>, <version> - <date> / <author>"; each part is cut at the first
    // occurrence of its mark.
    const QString& c = mainCaption;
    const qsizetype comma = c.indexOf(QLatin1Char(','));
    const qsizetype dash = c.indexOf(QLatin1Char('-'));
    const qsizetype slash = c.indexOf(QLatin1Char('/'));
    const QString name = comma < 0 ? c : c.left(comma);
    const QString version = comma < 0 ? QString() : between(c, comma + 1, dash).trimmed();
    // The date stands between "- " and " /".
    const QString date = dash < 0 ? QString() : between(c, dash + 2, slash - 1);

    setWindowTitle(QStringLiteral("About ") + name);

    auto* about = new QLabel(this);
    about->setObjectName(QStringLiteral("Label_About"));
    about->setTextFormat(Qt::PlainText);
    about->setText(QStringLiteral("Version: ") + version + QStringLiteral(",  Date: ") + date +
                   QStringLiteral("\n\n") + Authorship + QStringLiteral("\n\n"));

    auto* eMail = new LinkLabel(MakerAddress, this, [this] { Label_eMail_Click(); });
    eMail->setObjectName(QStringLiteral("Label_eMail"));
    eMail->setToolTip(QStringLiteral("Write to ") + MakerAddress);

    auto* checkUpdate = new QPushButton(QStringLiteral("Check for Update"), this);
    checkUpdate->setObjectName(QStringLiteral("Command_CheckUpdate"));
    checkUpdate->setAutoDefault(false);
    connect(checkUpdate, &QPushButton::clicked, this, &AboutForm::Command_CheckUpdate_Click);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command_OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &AboutForm::Command_OK_Click);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(about);
    layout->addWidget(eMail, 0, Qt::AlignLeft);
    layout->addSpacing(fontMetrics().height());
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(checkUpdate);
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addLayout(buttons);

    chainTabOrder({ok, checkUpdate, eMail});
    ok->setFocus();
}

void AboutForm::Command_OK_Click() {
    closeKeepingTab();
}

void AboutForm::Command_CheckUpdate_Click() {
    platform_.openUrl(UpdatePage);
}

void AboutForm::Label_eMail_Click() {
    OpenEmail(platform_, MakerAddress, MailSubject, QString());
}

} // namespace oq
