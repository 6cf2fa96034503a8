// Colours the program text as its reader understands it: labels, directives, instruction
// names, numbers, characters and quoted texts, names used as operands, remarks and comments.
#pragma once

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

namespace tovak {

class ProgrammtextFarben final : public QSyntaxHighlighter {
public:
    enum class Art { Marke, Direktive, Befehl, Zahl, Zeichen, Name, Bemerkung, Kommentar };

    explicit ProgrammtextFarben(QTextDocument* dokument);

    static QTextCharFormat Format(Art art);

protected:
    void highlightBlock(const QString& text) override;
};

} // namespace tovak
