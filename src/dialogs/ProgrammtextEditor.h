// The text field of the "Programmtext" window: line numbers at its left, lines with errors
// marked, and the line of the instruction at the IP highlighted.
#pragma once

#include <QPlainTextEdit>
#include <vector>

namespace tovak {

class ProgrammtextEditor final : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit ProgrammtextEditor(QWidget* parent = nullptr);

    // Lines from 1. The marks move with their lines while the text is edited.
    void SetFehlerzeilen(const std::vector<int>& zeilen);
    // 0: no line. Scrolls the line into view without moving the text cursor.
    void SetAktuelleZeile(int zeile);
    int AktuelleZeile() const { return aktuelleZeile_; }
    // Puts the text cursor at the start of the line and shows it.
    void GeheZuZeile(int zeile);

    int ZeilennummernBreite() const;
    void ZeilennummernZeichnen(QPaintEvent* event);

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Ctrl+wheel zooms the text; the line numbers follow.
    void changeEvent(QEvent* event) override;

private:
    void Markieren();
    void RandAnpassen();

    QWidget* zeilennummern_;
    std::vector<QTextEdit::ExtraSelection> fehler_;
    int aktuelleZeile_ = 0;
};

} // namespace tovak
