// Writing a file so that a failure never leaves it half written: through a new file beside
// it, or, where the folder takes no new file, in place after its old content was copied away.
#include "files/ProgrammText.h"
#include "machine/Fehler.h"
#include "util/Paths.h"
#include "util/Platform.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <memory>
#include <string_view>
#include <system_error>

namespace tovak {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTempMarke = ".~tmp";

struct DateiSchliessen {
    void operator()(std::FILE* f) const {
        if (f != nullptr) {
            std::fclose(f);
        }
    }
};
using DateiZeiger = std::unique_ptr<std::FILE, DateiSchliessen>;

// The folder, not the file, refused the new file beside it.
bool OrdnerVerweigert(int err) {
    return err == EACCES || err == EPERM || err == EROFS || err == ENAMETOOLONG;
}

// Writes, flushes to the disk and closes; false with errno set on the first failure.
bool Schreiben(DateiZeiger datei, std::string_view bytes) {
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), datei.get()) != bytes.size()) {
        return false;
    }
    if (std::fflush(datei.get()) != 0 || !platform::FlushToDisk(datei.get())) {
        return false;
    }
    return std::fclose(datei.release()) == 0;
}

// Overwrites the file itself, once its old content lies safe in kopie; without a place for
// the copy the original refusal stands.
void AnOrtUndStelleSchreiben(const fs::path& ziel, std::string_view bytes, const std::string& kopie,
                             int verweigert) {
    if (kopie.empty()) {
        throw DateiFehler(DateiFehlerText(verweigert, true));
    }
    const fs::path kopiePfad = PathFromUtf8(kopie);
    std::error_code ec;
    fs::create_directories(kopiePfad.parent_path(), ec);
    if (!fs::copy_file(ziel, kopiePfad, fs::copy_options::overwrite_existing, ec) || ec) {
        throw DateiFehler(DateiFehlerText(verweigert, true));
    }
    DateiZeiger datei(platform::Fopen(ziel, "wb"));
    if (!datei || !Schreiben(std::move(datei), bytes)) {
        throw DateiFehler(DateiFehlerText(errno, true));
    }
}

// The process number in a name "NAME.~tmp<PID>-<n>"; 0 for any other name.
long TempProzess(const std::string& name) {
    const std::size_t marke = name.rfind(kTempMarke);
    if (marke == std::string::npos) {
        return 0;
    }
    const char* anfang = name.data() + marke + kTempMarke.size();
    const char* ende = name.data() + name.size();
    long pid = 0;
    auto [rest, ec] = std::from_chars(anfang, ende, pid);
    if (ec != std::errc() || rest == anfang || rest == ende || *rest != '-') {
        return 0;
    }
    long n = 0;
    auto [schluss, ec2] = std::from_chars(rest + 1, ende, n);
    return ec2 == std::errc() && schluss == ende && schluss != rest + 1 ? pid : 0;
}

} // namespace

std::string DateiFehlerText(int err, bool schreiben) {
    int code = schreiben ? 101 : 100; // disk write / read error
    switch (err) {
    case ENOENT:
        return "Datei nicht gefunden";
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return "Dateizugriff verweigert";
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        code = 3; // path not found
        break;
    case EMFILE:
    case ENFILE:
        code = 4; // too many open files
        break;
    default:
        break;
    }
    return "E/A-Fehler " + std::to_string(code);
}

void DateiErsetzen(const std::string& fileName, std::string_view bytes,
                   const std::string& kopieVorOrtSchreiben) {
    std::error_code ec;
    fs::path ziel = PathFromUtf8(fileName);
    if (fileName.empty()) {
        throw DateiFehler(DateiFehlerText(ENOENT, true));
    }
    // Through a link, the file it names is replaced, not the link.
    if (fs::is_symlink(ziel, ec)) {
        fs::path aufgeloest = fs::weakly_canonical(ziel, ec);
        if (!ec) {
            ziel = aufgeloest;
        }
    }
    const fs::file_status status = fs::status(ziel, ec);
    const bool vorhanden = fs::exists(status);
    if (vorhanden && fs::is_directory(status)) {
        throw DateiFehler(DateiFehlerText(EISDIR, true));
    }
    // A read-only file is refused, as writing it in place would be.
    if (vorhanden && !platform::IsWritable(ziel)) {
        throw DateiFehler(DateiFehlerText(EACCES, true));
    }

    static std::atomic<unsigned> zaehler{0};
    fs::path temp;
    DateiZeiger datei;
    for (int versuch = 0; versuch < 100 && !datei; ++versuch) {
        temp = ziel;
        temp += std::string(kTempMarke) + std::to_string(platform::ProcessId()) + "-" +
                std::to_string(zaehler++);
        datei.reset(platform::CreateNewFile(temp));
        if (!datei && errno != EEXIST) {
            const int err = errno;
            // A school share may let the user write the file but create none beside it.
            if (vorhanden && OrdnerVerweigert(err)) {
                AnOrtUndStelleSchreiben(ziel, bytes, kopieVorOrtSchreiben, err);
                return;
            }
            throw DateiFehler(DateiFehlerText(err, true));
        }
    }
    if (!datei) {
        throw DateiFehler(DateiFehlerText(EEXIST, true));
    }
    if (!Schreiben(std::move(datei), bytes)) {
        const int err = errno;
        std::error_code ignoriert;
        fs::remove(temp, ignoriert);
        throw DateiFehler(DateiFehlerText(err, true));
    }
    if (vorhanden) {
        fs::permissions(temp, status.permissions(), ec);
    }
    if (const int err = platform::MoveReplacing(temp, ziel); err != 0) {
        std::error_code ignoriert;
        fs::remove(temp, ignoriert);
        throw DateiFehler(DateiFehlerText(err, true));
    }
}

int VerwaisteTempDateienEntfernen(const std::string& ordner) {
    int entfernt = 0;
    std::error_code error;
    for (fs::directory_iterator it(PathFromUtf8(ordner), error), end; !error && it != end;
         it.increment(error)) {
        std::error_code typ;
        if (!it->is_regular_file(typ)) {
            continue;
        }
        const long pid = TempProzess(PathToUtf8(it->path().filename()));
        if (pid > 0 && !platform::ProcessRunning(pid)) {
            std::error_code ignoriert;
            entfernt += fs::remove(it->path(), ignoriert) ? 1 : 0;
        }
    }
    return entfernt;
}

} // namespace tovak
