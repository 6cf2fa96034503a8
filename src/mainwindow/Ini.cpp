#include "mainwindow/Ini.h"

#include "util/SettingsStore.h"

namespace tovak {

namespace {

// Integer stored as text or number; anything else is unreadable.
bool ToInt(const QVariant& v, int& out) {
    bool ok = false;
    const int n = v.toInt(&ok);
    if (ok) {
        out = n;
    }
    return ok;
}

} // namespace

int Ini::mainDauer_ = Ini::kMainDauerDefault;
bool Ini::tempoSchnelllauf_ = false;
int Ini::backupTime_ = Ini::kBackupTimeDefault;
bool Ini::speicherMaximal_ = Ini::kSpeicherMaximalDefault;
int Ini::liesZahlInRegister_ = Ini::kLiesZahlInRegisterDefault;
int Ini::colorMovRegAkku_ = Ini::kColorMovRegAkkuDefault;
int Ini::colorMovAkkuReg_ = Ini::kColorMovAkkuRegDefault;
int Ini::zoom_ = 100;

namespace {

// A stored zoom that is none of the steps (edited by hand) falls back to 100 %.
int ValidZoom(int percent) {
    for (const int stufe : Ini::kZoomStufen) {
        if (stufe == percent) {
            return percent;
        }
    }
    return 100;
}

} // namespace

int Ini::ReadInteger(const QString& name, int defaultValue) {
    const QSettings store = UserSettings();
    int value = defaultValue;
    if (!store.contains(name) || !ToInt(store.value(name), value)) {
        return defaultValue;
    }
    return value;
}

bool Ini::ReadBool(const QString& name, bool defaultValue) {
    const int n = ReadInteger(name, defaultValue ? 1 : 0);
    return n != 0;
}

void Ini::WriteInteger(const QString& name, int value) {
    QSettings store = UserSettings();
    store.setValue(name, value);
    store.sync();
}

void Ini::WriteBool(const QString& name, bool value) {
    WriteInteger(name, value ? 1 : 0);
}

void Ini::Load() {
    mainDauer_ = ReadInteger("Main_Dauer", kMainDauerDefault);
    tempoSchnelllauf_ = ReadBool("Main_Schnelllauf", false);
    backupTime_ = ReadInteger("BackupTime", kBackupTimeDefault);
    speicherMaximal_ = ReadBool("SpeicherMaximal", kSpeicherMaximalDefault);
    liesZahlInRegister_ = ReadInteger("LiesZahlInRegister", kLiesZahlInRegisterDefault);
    colorMovRegAkku_ = ReadInteger("ColorMovRegAkku", kColorMovRegAkkuDefault);
    colorMovAkkuReg_ = ReadInteger("ColorMovAkkuReg", kColorMovAkkuRegDefault);
    WriteInteger("ColorMovRegAkku", colorMovRegAkku_);
    WriteInteger("ColorMovAkkuReg", colorMovAkkuReg_);
    zoom_ = ValidZoom(ReadInteger("Zoom", 100));
}

void Ini::SetZoom(int percent) {
    zoom_ = ValidZoom(percent);
    WriteInteger("Zoom", zoom_);
}

void Ini::SetMainDauer(int ms) {
    mainDauer_ = ms;
    WriteInteger("Main_Dauer", ms);
}

void Ini::SetTempoSchnelllauf(bool on) {
    tempoSchnelllauf_ = on;
    WriteBool("Main_Schnelllauf", on);
}

void Ini::SetBackupTime(int ms) {
    backupTime_ = ms;
    WriteInteger("BackupTime", ms);
}

void Ini::SetSpeicherMaximal(bool on) {
    speicherMaximal_ = on;
    WriteBool("SpeicherMaximal", on);
}

void Ini::SetLiesZahlInRegister(int mode) {
    liesZahlInRegister_ = mode;
    WriteInteger("LiesZahlInRegister", mode);
}

void Ini::SetColorMovRegAkku(int bgr) {
    colorMovRegAkku_ = bgr;
    WriteInteger("ColorMovRegAkku", bgr);
}

void Ini::SetColorMovAkkuReg(int bgr) {
    colorMovAkkuReg_ = bgr;
    WriteInteger("ColorMovAkkuReg", bgr);
}

QColor ColorFromBgr(int bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

int BgrFromColor(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

} // namespace tovak
