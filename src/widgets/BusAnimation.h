// The nineteen clip players on the bus drawing of the main window and what each micro-step
// plays on them.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class QWidget;

namespace tovak {

class TAnimate;

// Which grid follows the address bus after a micro-step.
enum class RowTarget { None, Memory, Register };

struct UpdateResult {
    int AnimPhase = 0;               // the new run-control value
    RowTarget Row = RowTarget::None; // select row (address-bus value + 1) of this grid
};

class BusAnimation {
public:
    // Directions of setAnimation.
    enum Richtung { Links = 0, Rechts = 1, Oben = 2, Unten = 3, PfeilRechts = 4 };

    // Creates the controls as children of parent (positions relative to it) and gives each
    // its start clip from clipFolder, where that file exists.
    BusAnimation(QWidget* parent, const QString& clipFolder);
    BusAnimation(const BusAnimation&) = delete;
    BusAnimation& operator=(const BusAnimation&) = delete;

    // Gives the control the bus clip of the direction (0..4); a missing file keeps its clip.
    void setAnimation(TAnimate* control, int direction);
    // Stops all controls; the two data-bus segments at the units and the markers go back
    // to frame 1.
    void StopAnimation();
    // Plays what the micro-step with this code moved; 65536 means none has run yet.
    UpdateResult OnUpdate(int phase);
    // The grid whose row follows the address bus after the micro-step with this code.
    static RowTarget RowFor(int phase);

    // The control with this object name (e.g. "m_Sp_Db"), or nullptr.
    TAnimate* Control(const QString& name) const;
    const std::vector<TAnimate*>& Controls() const { return m_all; }
    // The names of every clip file the controls can show, each once.
    const QStringList& ClipFiles() const { return m_clipFiles; }

    // Compact layout: the address-bus controls are hidden but still played.
    void SetAddressBusVisible(bool visible);
    // Maximal-memory layout: the data-bus segment above the memory is hidden.
    void SetTopLeftDataBusVisible(bool visible);
    // Puts the controls above the bus pictures drawn underneath them.
    void RaiseAll();

private:
    TAnimate* Create(QWidget* parent, const char* name, int x, int y, const char* clip);
    void PlayAll(TAnimate* control);
    QString ClipPath(const char* fileName) const;

    QString m_clipFolder;
    std::vector<TAnimate*> m_all;
    QStringList m_clipFiles;

    TAnimate* m_EA_Db;
    TAnimate* m_Sp_Db;
    TAnimate* m_Akku_Db;
    TAnimate* m_Sw_Db;
    TAnimate* m_Reg_Db;
    TAnimate* m_Sp_Ab;
    TAnimate* m_Reg_Ab;
    TAnimate* m_Sw_Ab;
    TAnimate* m_Sp_Read;
    TAnimate* m_Sp_Write;
    TAnimate* m_Akku_Read;
    TAnimate* m_Akku_Write;
    TAnimate* m_Reg_Read;
    TAnimate* m_Reg_Write;
    TAnimate* m_EA_Read;
    TAnimate* m_EA_Write;
    TAnimate* m_Pfeil_Rw;
    TAnimate* m_SW_RW;
    TAnimate* m_RW_SW;
};

} // namespace tovak
