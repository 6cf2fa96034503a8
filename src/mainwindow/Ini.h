// The user settings, held in memory and stored per user (QSettings "KORVALD"/"TOVAK").
// Read once at start; every setter writes through at once.
#pragma once

#include <QColor>
#include <QString>

namespace tovak {

class Ini {
public:
    static constexpr int kMainDauerDefault = 100;
    static constexpr int kBackupTimeDefault = 10000;
    static constexpr bool kSpeicherMaximalDefault = false;
    static constexpr int kLiesZahlInRegisterDefault = 0;
    static constexpr int kColorMovRegAkkuDefault = 0xFF0000; // blue in 0x00BBGGRR
    static constexpr int kColorMovAkkuRegDefault = 0x0000FF; // red

    // Reads all values (missing or unreadable ones fall back to their defaults) and
    // writes the two colours back so the store holds them after the first start.
    static void Load();

    static int MainDauer() { return mainDauer_; }
    static void SetMainDauer(int ms);
    // The tempo slider's end: continuous runs go as "Schnelllauf" ("Main_Dauer" is kept).
    static bool TempoSchnelllauf() { return tempoSchnelllauf_; }
    static void SetTempoSchnelllauf(bool on);
    static int BackupTime() { return backupTime_; }
    static void SetBackupTime(int ms);
    static bool SpeicherMaximal() { return speicherMaximal_; }
    static void SetSpeicherMaximal(bool on);
    static int LiesZahlInRegister() { return liesZahlInRegister_; }
    static void SetLiesZahlInRegister(int mode);
    static int ColorMovRegAkku() { return colorMovRegAkku_; }
    static void SetColorMovRegAkku(int bgr);
    static int ColorMovAkkuReg() { return colorMovAkkuReg_; }
    static void SetColorMovAkkuReg(int bgr);
    // The projector zoom of the window in percent: one of kZoomStufen.
    static constexpr int kZoomStufen[] = {100, 125, 150, 200};
    static int Zoom() { return zoom_; }
    static void SetZoom(int percent);

    // The four store operations; each opens the store afresh. Reads never report errors.
    static int ReadInteger(const QString& name, int defaultValue);
    static bool ReadBool(const QString& name, bool defaultValue);
    static void WriteInteger(const QString& name, int value);
    static void WriteBool(const QString& name, bool value);

private:
    static int mainDauer_;
    static bool tempoSchnelllauf_;
    static int backupTime_;
    static bool speicherMaximal_;
    static int liesZahlInRegister_;
    static int colorMovRegAkku_;
    static int colorMovAkkuReg_;
    static int zoom_;
};

// 0x00BBGGRR as stored, to and from a QColor.
QColor ColorFromBgr(int bgr);
int BgrFromColor(const QColor& color);

} // namespace tovak
