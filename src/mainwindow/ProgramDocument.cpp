#include "mainwindow/ProgramDocument.h"

#include "files/ProgrammText.h"
#include "machine/RAM.h"
#include "machine/Reg.h"
#include "util/Cp1252.h"
#include "util/MessageBoxes.h"

#include <QPlainTextEdit>
#include <QPrinter>
#include <QSet>
#include <QStringView>
#include <QWidget>

namespace tovak {

namespace {

// Often enough for the title to follow a clock run, rarely enough to cost nothing.
constexpr int kCheckDelayMs = 100;

} // namespace

ProgramDocument::ProgramDocument(QWidget* window, ProgramParts parts)
    : window_(window), parts_(parts), caption_(QString::fromUtf8(kTitle)) {
    check_.setSingleShot(true);
    check_.setInterval(kCheckDelayMs);
    connect(&check_, &QTimer::timeout, this, [this] { IsModified(); });
    MarkClean();
}

ProgramDocument::~ProgramDocument() = default;

std::string ProgramDocument::Content() const {
    return ProgrammText(RemarkLines(), parts_.speicher, parts_.reg);
}

Programminhalt ProgramDocument::Inhalt() const {
    return InhaltAusSpeicher(RemarkLines(), parts_.speicher, parts_.reg);
}

std::vector<std::string> ProgramDocument::RemarkLines() const {
    QString text = parts_.remarks.toPlainText();
    std::vector<std::string> lines;
    if (text.isEmpty()) {
        return lines;
    }
    if (text.endsWith(QLatin1Char('\n'))) {
        text.chop(1);
    }
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        lines.push_back(line.toStdString());
    }
    return lines;
}

void ProgramDocument::SetRemarkLines(const std::vector<std::string>& lines) {
    QStringList text;
    for (const std::string& line : lines) {
        text.append(QString::fromStdString(line));
    }
    parts_.remarks.setPlainText(text.join(QLatin1Char('\n')));
}

void ProgramDocument::MarkClean() {
    clean_ = Content();
    cleanKnown_ = true;
    SetModified(false);
}

void ProgramDocument::SetModified(bool modified) {
    modified_ = modified;
    const QString title = caption_ + (modified_ ? QStringLiteral("*") : QString());
    if (window_ != nullptr && window_->windowTitle() != title) {
        window_->setWindowTitle(title);
    }
}

void ProgramDocument::Opened(const QString& fileName) {
    fileName_ = fileName;
    caption_ = QString::fromUtf8(kTitle) + QStringLiteral(": ") + fileName;
    MarkClean();
}

void ProgramDocument::SetFileName(const QString& name) {
    fileName_ = name;
}

void ProgramDocument::Saved() {
    MarkClean();
}

void ProgramDocument::New() {
    fileName_.clear();
    caption_.clear();
    MarkClean();
}

void ProgramDocument::Recovered() {
    fileName_.clear();
    caption_ = QString::fromUtf8(kTitle);
    clean_.clear();
    cleanKnown_ = false;
    SetModified(true);
}

bool ProgramDocument::Differs(const std::string& content) const {
    return !cleanKnown_ || content != clean_;
}

bool ProgramDocument::IsModified() {
    check_.stop();
    SetModified(Differs(Content()));
    return modified_;
}

void ProgramDocument::ContentMayHaveChanged() {
    if (!check_.isActive()) {
        check_.start();
    }
}

bool ProgramDocument::MayDiscard(const std::function<bool()>& save) {
    if (!IsModified()) {
        return true;
    }
    switch (AskYesNoCancel(kQuestionCaption, kQuestion)) {
    case Antwort::Ja:
        return save();
    case Antwort::Nein:
        return true;
    case Antwort::Abbrechen:
        break;
    }
    return false;
}

QString ProgramDocument::Unencodable(const QString& text) {
    QString found;
    QSet<char32_t> seen;
    for (const char32_t cp : QStringView(text).toUcs4()) {
        if (cp < 0x80 || seen.contains(cp)) {
            continue;
        }
        seen.insert(cp);
        const QString character = QString::fromUcs4(&cp, 1);
        if (Utf8ToCp1252(character.toStdString()) == "?") {
            found += character;
        }
    }
    return found;
}

} // namespace tovak
