#include "mainwindow/ErrorDisplay.h"

#include "machine/Fehler.h"

#include <QMessageBox>
#include <QPushButton>
#include <new>

namespace tovak {

namespace {

// The program's texts break lines with CR LF; a label would show the CR.
QString Shown(const std::string& text) {
    return QString::fromStdString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

void ShowBox(QMessageBox::Icon icon, const std::string& caption, const std::string& text) {
    QMessageBox box(icon, QString::fromStdString(caption), Shown(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

} // namespace

void QtMessageBoxes::ShowError(const std::string& caption, const std::string& text) {
    ShowBox(QMessageBox::Critical, caption, text);
}

void QtMessageBoxes::ShowWarning(const std::string& caption, const std::string& text) {
    ShowBox(QMessageBox::Warning, caption, text);
}

bool QtMessageBoxes::AskYesNo(const std::string& caption, const std::string& text, int) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(caption), Shown(text),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Nein"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

Antwort QtMessageBoxes::AskYesNoCancel(const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(caption), Shown(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    QApplication::activeWindow());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Nein"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Antwort::Ja;
    case QMessageBox::No:
        return Antwort::Nein;
    default:
        return Antwort::Abbrechen;
    }
}

void ShowFehler(const std::exception& e) {
    if (dynamic_cast<const std::bad_alloc*>(&e) != nullptr) {
        ShowErrorBox("Fehler", "Zu wenig Arbeitsspeicher");
        return;
    }
    if (dynamic_cast<const TovakFehler*>(&e) != nullptr) {
        ShowErrorBox("Fehler", e.what());
        return;
    }
    ShowErrorBox("Fehler", std::string("Unerwarteter Fehler: ") + e.what());
}

bool TovakApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ShowFehler(e);
    }
    return false;
}

} // namespace tovak
