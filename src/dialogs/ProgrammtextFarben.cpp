#include "dialogs/ProgrammtextFarben.h"

#include "files/TextSyntax.h"

#include <cctype>
#include <string>
#include <string_view>
#include <vector>

namespace tovak {

namespace {

using namespace textform;

bool IstBlank(char c) {
    return c == ' ' || c == '\t';
}

// The line as UTF-8, and for each of its bytes the position in the QString.
struct Zeile {
    explicit Zeile(const QString& text) {
        utf8 = text.toUtf8().toStdString();
        position.reserve(utf8.size() + 1);
        int i = 0;
        while (i < text.size()) {
            const int einheiten = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            const qsizetype bytes = text.mid(i, einheiten).toUtf8().size();
            for (qsizetype b = 0; b < bytes; ++b) {
                position.push_back(i);
            }
            i += einheiten;
        }
        position.push_back(static_cast<int>(text.size()));
    }
    std::string utf8;
    std::vector<int> position;
};

} // namespace

ProgrammtextFarben::ProgrammtextFarben(QTextDocument* dokument) : QSyntaxHighlighter(dokument) {}

QTextCharFormat ProgrammtextFarben::Format(Art art) {
    QTextCharFormat f;
    switch (art) {
    case Art::Marke:
        f.setForeground(QColor(160, 0, 0));
        f.setFontWeight(QFont::Bold);
        break;
    case Art::Direktive:
        f.setForeground(QColor(128, 0, 160));
        f.setFontWeight(QFont::Bold);
        break;
    case Art::Befehl:
        f.setForeground(QColor(0, 0, 192));
        f.setFontWeight(QFont::Bold);
        break;
    case Art::Zahl:
        f.setForeground(QColor(0, 112, 112));
        break;
    case Art::Zeichen:
        f.setForeground(QColor(160, 80, 0));
        break;
    case Art::Name:
        f.setForeground(QColor(160, 0, 0));
        break;
    case Art::Bemerkung:
        f.setForeground(QColor(32, 96, 32));
        break;
    case Art::Kommentar:
        f.setForeground(QColor(112, 112, 112));
        f.setFontItalic(true);
        break;
    }
    return f;
}

void ProgrammtextFarben::highlightBlock(const QString& text) {
    const Zeile zeile(text);
    const std::string_view s = zeile.utf8;
    auto faerben = [&](std::size_t von, std::size_t bis, Art art) {
        const int start = zeile.position[von];
        setFormat(start, zeile.position[bis] - start, Format(art));
    };
    auto blanks = [&s](std::size_t& i) {
        while (i < s.size() && IstBlank(s[i])) {
            ++i;
        }
    };

    std::size_t i = 0;
    blanks(i);
    if (const std::size_t n = NamensLaenge(s.substr(i)); n > 0) {
        std::size_t k = i + n;
        blanks(k);
        if (k < s.size() && s[k] == ':') {
            faerben(i, k + 1, Art::Marke);
            i = k + 1;
            blanks(i);
        }
    }
    std::size_t ende = s.size();
    if (i < s.size() && s[i] == '.') {
        std::size_t w = i + 1;
        while (w < s.size() && !IstBlank(s[w]) && s[w] != ';') {
            ++w;
        }
        faerben(i, w, Art::Direktive);
        if (NamensSchluessel(s.substr(i + 1, w - i - 1)) == "bemerkung") {
            faerben(w, s.size(), Art::Bemerkung);
            return;
        }
        i = w;
    } else if (i < s.size()) {
        const std::string_view anweisung = s.substr(i, KommentarAnfang(s.substr(i)));
        for (const Befehlswort& wort : Befehlswoerter()) {
            if (const auto laenge = BeginntMitBefehl(anweisung, wort.name)) {
                faerben(i, i + *laenge, Art::Befehl);
                i += *laenge;
                break;
            }
        }
    }
    if (const std::size_t kommentar = KommentarAnfang(s.substr(i));
        kommentar != std::string::npos) {
        ende = i + kommentar;
        faerben(ende, s.size(), Art::Kommentar);
    }
    // The operands and values.
    while (i < ende) {
        const char c = s[i];
        std::size_t hinter = i;
        if (c == '\'' && LiesZeichen(s, hinter)) {
            faerben(i, hinter, Art::Zeichen);
            i = hinter;
        } else if (c == '"' && LiesZitat(s, hinter)) {
            faerben(i, hinter, Art::Zeichen);
            i = hinter;
        } else if ((c >= '0' && c <= '9') ||
                   (c == '-' && i + 1 < ende && s[i + 1] >= '0' && s[i + 1] <= '9')) {
            hinter = i + 1;
            while (hinter < ende && (std::isalnum(static_cast<unsigned char>(s[hinter])) != 0)) {
                ++hinter;
            }
            faerben(i, hinter, Art::Zahl);
            i = hinter;
        } else if (const std::size_t n = NamensLaenge(s.substr(i, ende - i)); n > 0) {
            faerben(i, i + n, Art::Name);
            i += n;
        } else {
            ++i;
        }
    }
}

} // namespace tovak
