#include "util/Launcher.h"

#include "util/MessageBoxes.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace tovak {

namespace {

ProgramStarter& Starter() {
    static ProgramStarter starter;
    return starter;
}

bool StartDetached(const QString& program, const QStringList& arguments, const QString& folder) {
    if (Starter()) {
        return Starter()(program, arguments, folder);
    }
    return QProcess::startDetached(program, arguments, folder);
}

bool HasProgramSuffix(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toUpper();
    return suffix == QLatin1String("EXE") || suffix == QLatin1String("COM");
}

bool IsWebAddress(const QString& fileName) {
    return fileName.contains(QLatin1String("://")) ||
           fileName.startsWith(QLatin1String("www."), Qt::CaseInsensitive);
}

QString ReasonText(int code) {
    switch (code) {
    case 0:
    case 8:
        return QStringLiteral("Zu wenig Speicher");
    case 2:
        return QStringLiteral("Das Programm existiert nicht");
    case 3:
        return QStringLiteral("Der Pfad wurde nicht gefunden");
    case 5:
        return QStringLiteral(
            "Auf das Programm konnte nicht zugegriffen werden. Zugriffsverweigerung");
    case 11:
        return QStringLiteral("Das Programm ist fehlerhaft");
    case 26:
        return QStringLiteral("Zugriff verweigert. A sharing violation occurred.");
    case 27:
        return QStringLiteral("Die Dateizuordnung ist fehlerhaft oder nicht vorhanden");
    case 28:
    case 29:
    case 30:
        return QStringLiteral("DDE Fehler");
    case 31:
        return QStringLiteral("Für diese Datei existiert keine Verknüpfung");
    case 32:
        return QStringLiteral("Die DLL konnte nicht gefunden werden");
    default:
        return {};
    }
}

// A bare program name is looked up in PATH; a path is taken as it is.
QString ResolveProgram(const QString& fileName) {
    if (fileName.contains(QLatin1Char('/')) || fileName.contains(QLatin1Char('\\'))) {
        return fileName;
    }
    return QStandardPaths::findExecutable(fileName);
}

int StartProgram(const QString& fileName, const QString& params, const QString& defaultDir) {
    const QString program = ResolveProgram(fileName);
    if (program.isEmpty() || !QFileInfo::exists(program)) {
        return kLaunchFileNotFound;
    }
    const QFileInfo info(program);
    if (info.isDir()) {
        return kLaunchAccessDenied;
    }
    if (!info.isExecutable()) {
        return kLaunchAccessDenied;
    }
    if (!defaultDir.isEmpty() && !QFileInfo(defaultDir).isDir()) {
        return kLaunchPathNotFound;
    }
    const QStringList arguments = QProcess::splitCommand(params);
    return StartDetached(program, arguments, defaultDir) ? kLaunchOk : kLaunchBadFormat;
}

int OpenDocument(const QString& fileName) {
    QUrl url;
    if (IsWebAddress(fileName)) {
        url = QUrl::fromUserInput(fileName);
    } else {
        const QFileInfo info(fileName);
        if (!info.exists()) {
            return info.dir().exists() ? kLaunchFileNotFound : kLaunchPathNotFound;
        }
        url = QUrl::fromLocalFile(info.absoluteFilePath());
    }
    return QDesktopServices::openUrl(url) ? kLaunchOk : kLaunchNoAssociation;
}

// A program: a Windows program suffix, an executable file, or a name without a suffix
// (how programs are named here).
bool IsProgram(const QString& fileName) {
    if (IsWebAddress(fileName)) {
        return false;
    }
    if (HasProgramSuffix(fileName)) {
        return true;
    }
    const QString program = ResolveProgram(fileName);
    if (!program.isEmpty() && QFileInfo(program).isFile()) {
        return QFileInfo(program).isExecutable();
    }
    return QFileInfo(fileName).suffix().isEmpty();
}

} // namespace

QString LaunchFailureText(int code, const QString& fileName) {
    if (code >= 33) {
        return {};
    }
    if (code == kLaunchFileNotFound && !IsProgram(fileName)) {
        return {};
    }
    QString text = QStringLiteral("Fehler beim Aufruf der Datei/des Programms") +
                   QStringLiteral("\r\n") + fileName;
    const QString reason = ReasonText(code);
    if (!reason.isEmpty()) {
        text += QStringLiteral("\r\n") + reason;
    }
    return text;
}

int ExecuteFile(const QString& fileName, const QString& params, const QString& defaultDir,
                ShowCmd) {
    // Window show modes have no counterpart for detached processes; the desktop decides.
    const int code =
        IsProgram(fileName) ? StartProgram(fileName, params, defaultDir) : OpenDocument(fileName);
    const QString text = LaunchFailureText(code, fileName);
    if (!text.isEmpty()) {
        ShowErrorBox("Fehler", text.toStdString());
    }
    return code;
}

const QStringList& CalculatorPrograms() {
#ifdef Q_OS_WIN
    // Windows brings its own.
    static const QStringList programs;
#else
    static const QStringList programs = {
        QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
        QStringLiteral("galculator"),       QStringLiteral("qalculate-gtk"),
        QStringLiteral("mate-calc"),        QStringLiteral("xcalc"),
    };
#endif
    return programs;
}

int StartCalculator() {
    const QString folder = QCoreApplication::applicationDirPath();
    QString program = QStringLiteral("calc.exe");
    for (const QString& candidate : CalculatorPrograms()) {
        if (!QStandardPaths::findExecutable(candidate).isEmpty()) {
            program = candidate;
            break;
        }
    }
    const int code = ExecuteFile(program, {}, folder);
    if (code < 33) {
        ShowErrorBox("Fehler", "Fehler beim Aufruf von Calc.exe");
    }
    return code;
}

int StartNewInstance() {
    const QString executable = QCoreApplication::applicationFilePath();
    const int code = ExecuteFile(executable, {}, QCoreApplication::applicationDirPath());
    if (code < 33) {
        ShowErrorBox("Fehler",
                     (QStringLiteral("Fehler beim Aufruf von \r\n") + executable).toStdString());
    }
    return code;
}

void SetProgramStarter(ProgramStarter starter) {
    Starter() = std::move(starter);
}

} // namespace tovak
