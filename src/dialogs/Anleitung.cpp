#include "dialogs/Anleitung.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

// The pages live in a static library, whose resources are registered only when asked for.
static void AnleitungEinbinden() {
    Q_INIT_RESOURCE(anleitung);
}

namespace tovak {

void TFAnleitung::SeitenEinbinden() {
    static const bool eingebunden = (AnleitungEinbinden(), true);
    (void)eingebunden;
}

TFAnleitung::TFAnleitung(QWidget* parent) : QWidget(parent, Qt::Window) {
    SeitenEinbinden();
    setObjectName(QStringLiteral("FAnleitung"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Anleitung – Rechner-Simulation"));

    auto button = [this](const char* name, const QString& text, QKeySequence taste) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(text);
        b->setShortcut(taste);
        b->setToolTip(QStringLiteral("%1 (%2)").arg(text.mid(text.startsWith('&') ? 1 : 0),
                                                    taste.toString(QKeySequence::NativeText)));
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        return b;
    };
    auto* inhalt =
        button("BnInhalt", QStringLiteral("Inhalt"), QKeySequence(Qt::ALT | Qt::Key_Home));
    zurueck_ = button("BnZurueck", QStringLiteral("◀ Zurück"), QKeySequence::Back);
    vor_ = button("BnVor", QStringLiteral("Vor ▶"), QKeySequence::Forward);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("Seite"));
    // Addresses outside the guide (none today) open in the desktop's browser.
    browser_->setOpenExternalLinks(true);
    QFont schrift = browser_->font();
    schrift.setPointSizeF(schrift.pointSizeF() * 1.15); // readable on a projector too
    browser_->setFont(schrift);

    connect(inhalt, &QToolButton::clicked, browser_, &QTextBrowser::home);
    connect(zurueck_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(vor_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, zurueck_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, vor_, &QToolButton::setEnabled);
    zurueck_->setEnabled(false);
    vor_->setEnabled(false);

    auto* leiste = new QHBoxLayout;
    leiste->setContentsMargins(6, 4, 6, 0);
    leiste->addWidget(inhalt);
    leiste->addWidget(zurueck_);
    leiste->addWidget(vor_);
    leiste->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(leiste);
    layout->addWidget(browser_);

    browser_->setSource(QUrl(QString::fromLatin1(kStart)));
    resize(820, 700);
}

TFAnleitung* TFAnleitung::Zeige(QWidget* parent) {
    auto* fenster =
        parent->findChild<TFAnleitung*>(QStringLiteral("FAnleitung"), Qt::FindDirectChildrenOnly);
    if (fenster == nullptr) {
        fenster = new TFAnleitung(parent);
    }
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
    return fenster;
}

} // namespace tovak
