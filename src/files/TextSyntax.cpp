#include "files/TextSyntax.h"

#include "machine/Befehle.h"

#include <algorithm>
#include <map>
#include <set>

namespace tovak::textform {

namespace {

bool IstBlank(char c) {
    return c == ' ' || c == '\t';
}

// One code point of UTF-8 at text[pos]; pos behind it. False (pos unchanged) when the bytes
// there are no well-formed sequence.
bool Codepunkt(std::string_view text, std::size_t& pos, char32_t& cp) {
    if (pos >= text.size()) {
        return false;
    }
    const auto c = static_cast<unsigned char>(text[pos]);
    int folge = 0;
    char32_t min = 0;
    if (c < 0x80) {
        cp = c;
        ++pos;
        return true;
    }
    if ((c & 0xE0) == 0xC0) {
        folge = 1;
        min = 0x80;
        cp = c & 0x1Fu;
    } else if ((c & 0xF0) == 0xE0) {
        folge = 2;
        min = 0x800;
        cp = c & 0x0Fu;
    } else if ((c & 0xF8) == 0xF0) {
        folge = 3;
        min = 0x10000;
        cp = c & 0x07u;
    } else {
        return false;
    }
    if (pos + static_cast<std::size_t>(folge) >= text.size()) {
        return false;
    }
    for (int k = 1; k <= folge; ++k) {
        const auto f = static_cast<unsigned char>(text[pos + static_cast<std::size_t>(k)]);
        if ((f & 0xC0) != 0x80) {
            return false;
        }
        cp = (cp << 6) | (f & 0x3Fu);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return false;
    }
    pos += static_cast<std::size_t>(folge) + 1;
    return true;
}

void AlsUtf8(char32_t cp, std::string& out) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The letters of Windows-1252: ASCII, Latin-1 (without × and ÷), Œ œ Š š Ž ž Ÿ ƒ.
bool IstBuchstabe(char32_t cp) {
    if ((cp >= 'A' && cp <= 'Z') || (cp >= 'a' && cp <= 'z')) {
        return true;
    }
    if (cp >= 0xC0 && cp <= 0xFF) {
        return cp != 0xD7 && cp != 0xF7;
    }
    switch (cp) {
    case 0x152:
    case 0x153:
    case 0x160:
    case 0x161:
    case 0x178:
    case 0x17D:
    case 0x17E:
    case 0x192:
        return true;
    default:
        return false;
    }
}

char32_t Klein(char32_t cp) {
    if (cp >= 'A' && cp <= 'Z') {
        return cp + 32;
    }
    if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) {
        return cp + 32;
    }
    switch (cp) {
    case 0x152:
    case 0x160:
    case 0x17D:
        return cp + 1;
    case 0x178:
        return 0xFF;
    default:
        return cp;
    }
}

char KleinAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

int HexZiffer(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    c = KleinAscii(c);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// Letter case, blank runs and blanks around commas do not tell names apart.
std::string Normalform(std::string_view name) {
    std::string out;
    bool blank = false;
    for (char c : name) {
        if (IstBlank(c)) {
            blank = true;
            continue;
        }
        if (blank && c != ',' && !out.empty() && out.back() != ',') {
            out += ' ';
        }
        blank = false;
        out += KleinAscii(c);
    }
    return out;
}

} // namespace

bool IstUtf8(std::string_view text) {
    std::size_t pos = 0;
    char32_t cp = 0;
    while (pos < text.size()) {
        if (!Codepunkt(text, pos, cp)) {
            return false;
        }
    }
    return true;
}

std::size_t NamensLaenge(std::string_view text) {
    std::size_t pos = 0;
    bool erstes = true;
    while (pos < text.size()) {
        std::size_t naechste = pos;
        char32_t cp = 0;
        if (!Codepunkt(text, naechste, cp)) {
            break;
        }
        const bool ziffer = cp >= '0' && cp <= '9';
        if (!(IstBuchstabe(cp) || cp == '_' || (ziffer && !erstes))) {
            break;
        }
        erstes = false;
        pos = naechste;
    }
    return pos;
}

bool IstName(std::string_view text) {
    return !text.empty() && NamensLaenge(text) == text.size();
}

std::string NamensSchluessel(std::string_view name) {
    std::string out;
    std::size_t pos = 0;
    while (pos < name.size()) {
        char32_t cp = 0;
        if (!Codepunkt(name, pos, cp)) {
            out += name[pos++];
            continue;
        }
        AlsUtf8(Klein(cp), out);
    }
    return out;
}

std::string Zitat(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out = "\"";
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\\' || c == '"') {
            out += '\\';
            out += c;
        } else if (c == '\t') {
            out += "\\t";
        } else if (u < 0x20 || u == 0x7F) {
            out += "\\x";
            out += kHex[u >> 4];
            out += kHex[u & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

std::optional<std::string> LiesZitat(std::string_view text, std::size_t& pos) {
    std::size_t i = pos + 1;
    std::string wert;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '"') {
            pos = i + 1;
            return wert;
        }
        if (c != '\\') {
            wert += c;
            ++i;
            continue;
        }
        if (i + 1 >= text.size()) {
            return std::nullopt;
        }
        const char e = text[i + 1];
        if (e == '\\' || e == '"') {
            wert += e;
            i += 2;
        } else if (e == 't') {
            wert += '\t';
            i += 2;
        } else if (e == 'x' && i + 3 < text.size() && HexZiffer(text[i + 2]) >= 0 &&
                   HexZiffer(text[i + 3]) >= 0 && HexZiffer(text[i + 2]) < 8) {
            wert += static_cast<char>(HexZiffer(text[i + 2]) * 16 + HexZiffer(text[i + 3]));
            i += 4;
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<std::string> LiesZeichen(std::string_view text, std::size_t& pos) {
    std::size_t i = pos + 1;
    std::string zeichen;
    if (i + 1 < text.size() && text[i] == '\\' && (text[i + 1] == '\'' || text[i + 1] == '\\')) {
        zeichen = text[i + 1];
        i += 2;
    } else {
        const std::size_t start = i;
        char32_t cp = 0;
        if (!Codepunkt(text, i, cp) || cp == '\'') {
            return std::nullopt;
        }
        zeichen = text.substr(start, i - start);
    }
    if (i >= text.size() || text[i] != '\'') {
        return std::nullopt;
    }
    pos = i + 1;
    return zeichen;
}

std::size_t KommentarAnfang(std::string_view zeile) {
    std::size_t i = 0;
    while (i < zeile.size()) {
        const char c = zeile[i];
        if (c == ';') {
            return i;
        }
        std::size_t hinter = i;
        if ((c == '"' && LiesZitat(zeile, hinter)) || (c == '\'' && LiesZeichen(zeile, hinter))) {
            i = hinter;
        } else {
            ++i;
        }
    }
    return std::string_view::npos;
}

std::string_view OhneRand(std::string_view text) {
    while (!text.empty() && IstBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IstBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::optional<long long> LiesZahl(std::string_view text) {
    bool negativ = false;
    if (!text.empty() && text.front() == '-') {
        negativ = true;
        text.remove_prefix(1);
    }
    int basis = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        basis = 16;
        text.remove_prefix(2);
    } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'b' || text[1] == 'B')) {
        basis = 2;
        text.remove_prefix(2);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    // Far beyond every bound of the text form, and far from overflowing.
    constexpr long long kDeckel = 1LL << 40;
    long long wert = 0;
    for (char c : text) {
        const int ziffer = HexZiffer(c);
        if (ziffer < 0 || ziffer >= basis) {
            return std::nullopt;
        }
        wert = std::min(wert * basis + ziffer, kDeckel);
    }
    return negativ ? -wert : wert;
}

const std::vector<Befehlswort>& Befehlswoerter() {
    static const std::vector<Befehlswort> woerter = [] {
        BefehlstabellenFuellen();
        std::map<std::string, std::set<int>> nummern;
        std::map<std::string, std::string> schreibweise;
        for (int nummer = 1; nummer <= BefehlsTabellenGroesse; ++nummer) {
            if (BefehlsLaenge(nummer) == 0) {
                continue;
            }
            for (const std::string& name : {Befehlsname(nummer), Ausfuehrungsname(nummer)}) {
                if (!name.empty()) {
                    nummern[Normalform(name)].insert(nummer);
                    schreibweise.emplace(Normalform(name), name);
                }
            }
        }
        std::vector<Befehlswort> liste;
        for (const auto& [form, menge] : nummern) {
            // A name during execution shared by two instructions names neither.
            if (menge.size() == 1) {
                liste.push_back({schreibweise.at(form), *menge.begin()});
            }
        }
        std::stable_sort(liste.begin(), liste.end(), [](const auto& a, const auto& b) {
            return Normalform(a.name).size() > Normalform(b.name).size();
        });
        return liste;
    }();
    return woerter;
}

std::optional<std::size_t> BeginntMitBefehl(std::string_view anweisung, std::string_view name) {
    std::size_t i = 0;
    std::size_t j = 0;
    bool nachWort = false;
    auto blanks = [&anweisung](std::size_t& k) {
        const std::size_t start = k;
        while (k < anweisung.size() && IstBlank(anweisung[k])) {
            ++k;
        }
        return k - start;
    };
    while (j < name.size()) {
        if (name[j] == ' ') {
            ++j;
            continue;
        }
        if (name[j] == ',') {
            blanks(i);
            if (i >= anweisung.size() || anweisung[i] != ',') {
                return std::nullopt;
            }
            ++i;
            blanks(i);
            ++j;
            nachWort = false;
            continue;
        }
        if (nachWort && blanks(i) == 0) {
            return std::nullopt;
        }
        while (j < name.size() && name[j] != ' ' && name[j] != ',') {
            if (i >= anweisung.size() || KleinAscii(anweisung[i]) != KleinAscii(name[j])) {
                return std::nullopt;
            }
            ++i;
            ++j;
        }
        nachWort = true;
    }
    if (i < anweisung.size() && !IstBlank(anweisung[i])) {
        return std::nullopt;
    }
    return i;
}

int BefehlInZeile(std::string_view zeile) {
    std::string_view rest = OhneRand(zeile);
    if (const std::size_t n = NamensLaenge(rest); n > 0) {
        const std::string_view hinter = OhneRand(rest.substr(n));
        if (!hinter.empty() && hinter.front() == ':') {
            rest = OhneRand(hinter.substr(1));
        }
    }
    const std::string_view anweisung = rest.substr(0, KommentarAnfang(rest));
    for (const Befehlswort& wort : Befehlswoerter()) {
        if (BeginntMitBefehl(anweisung, wort.name)) {
            return wort.nummer;
        }
    }
    return 0;
}

} // namespace tovak::textform
