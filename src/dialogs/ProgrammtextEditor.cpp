#include "dialogs/ProgrammtextEditor.h"

#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>

namespace tovak {

namespace {

const QColor kFehlerGrund(255, 220, 220);
const QColor kAktuellGrund(255, 236, 140);

class Zeilennummern final : public QWidget {
public:
    explicit Zeilennummern(ProgrammtextEditor* editor) : QWidget(editor), editor_(editor) {}
    QSize sizeHint() const override { return {editor_->ZeilennummernBreite(), 0}; }

protected:
    void paintEvent(QPaintEvent* event) override { editor_->ZeilennummernZeichnen(event); }

private:
    ProgrammtextEditor* editor_;
};

QTextEdit::ExtraSelection Zeilenmarke(const QTextBlock& block, const QColor& grund) {
    QTextEdit::ExtraSelection marke;
    marke.format.setBackground(grund);
    marke.format.setProperty(QTextFormat::FullWidthSelection, true);
    marke.cursor = QTextCursor(block);
    return marke;
}

} // namespace

ProgrammtextEditor::ProgrammtextEditor(QWidget* parent)
    : QPlainTextEdit(parent), zeilennummern_(new Zeilennummern(this)) {
    setObjectName(QStringLiteral("Programmtext"));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont schrift(QStringLiteral("DejaVu Sans Mono"));
    schrift.setStyleHint(QFont::Monospace);
    schrift.setPointSize(11);
    setFont(schrift);
    connect(this, &QPlainTextEdit::blockCountChanged, this, &ProgrammtextEditor::RandAnpassen);
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
        if (dy != 0) {
            zeilennummern_->scroll(0, dy);
        } else {
            zeilennummern_->update(0, rect.y(), zeilennummern_->width(), rect.height());
        }
    });
    RandAnpassen();
}

void ProgrammtextEditor::RandAnpassen() {
    setTabStopDistance(fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 4);
    setViewportMargins(ZeilennummernBreite(), 0, 0, 0);
    const QRect innen = contentsRect();
    zeilennummern_->setGeometry(innen.left(), innen.top(), ZeilennummernBreite(), innen.height());
}

void ProgrammtextEditor::changeEvent(QEvent* event) {
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        RandAnpassen();
    }
}

int ProgrammtextEditor::ZeilennummernBreite() const {
    const int stellen = std::max(3, static_cast<int>(QString::number(blockCount()).size()));
    return 10 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * stellen;
}

void ProgrammtextEditor::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    RandAnpassen();
}

void ProgrammtextEditor::ZeilennummernZeichnen(QPaintEvent* event) {
    QPainter painter(zeilennummern_);
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    QTextBlock block = firstVisibleBlock();
    int oben = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    const int breite = zeilennummern_->width() - 5;
    while (block.isValid() && oben <= event->rect().bottom()) {
        const int hoehe = qRound(blockBoundingRect(block).height());
        if (block.isVisible() && oben + hoehe >= event->rect().top()) {
            const bool aktuell = block.blockNumber() + 1 == aktuelleZeile_;
            painter.setPen(aktuell ? palette().color(QPalette::Text)
                                   : palette().color(QPalette::PlaceholderText));
            painter.drawText(0, oben, breite, fontMetrics().height(), Qt::AlignRight,
                             QString::number(block.blockNumber() + 1));
        }
        block = block.next();
        oben += hoehe;
    }
}

void ProgrammtextEditor::SetFehlerzeilen(const std::vector<int>& zeilen) {
    fehler_.clear();
    for (int zeile : zeilen) {
        const QTextBlock block = document()->findBlockByNumber(zeile - 1);
        if (block.isValid()) {
            fehler_.push_back(Zeilenmarke(block, kFehlerGrund));
        }
    }
    Markieren();
}

void ProgrammtextEditor::SetAktuelleZeile(int zeile) {
    if (zeile == aktuelleZeile_) {
        return;
    }
    aktuelleZeile_ = zeile;
    Markieren();
    zeilennummern_->update();
    if (zeile <= 0) {
        return;
    }
    // The start of the line, where the instruction stands.
    horizontalScrollBar()->setValue(0);
    // Only when the line is out of view, so that the text does not jump at every step.
    const int erste = verticalScrollBar()->value();
    const int sichtbar = std::max(1, viewport()->height() / std::max(1, fontMetrics().height()));
    if (zeile - 1 < erste || zeile - 1 >= erste + sichtbar - 1) {
        verticalScrollBar()->setValue(std::max(0, zeile - 1 - sichtbar / 3));
    }
}

void ProgrammtextEditor::GeheZuZeile(int zeile) {
    const QTextBlock block = document()->findBlockByNumber(zeile - 1);
    if (!block.isValid()) {
        return;
    }
    setTextCursor(QTextCursor(block));
    centerCursor();
    setFocus();
}

void ProgrammtextEditor::Markieren() {
    QList<QTextEdit::ExtraSelection> marken(fehler_.begin(), fehler_.end());
    const QTextBlock aktuell = document()->findBlockByNumber(aktuelleZeile_ - 1);
    if (aktuelleZeile_ > 0 && aktuell.isValid()) {
        marken.append(Zeilenmarke(aktuell, kAktuellGrund));
    }
    setExtraSelections(marken);
}

} // namespace tovak
