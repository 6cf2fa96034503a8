#include "widgets/BusAnimation.h"

#include "machine/Befehle.h"
#include "widgets/Animate.h"

#include <QDir>
#include <QWidget>

#include <array>

namespace tovak {
namespace {

constexpr std::array<const char*, 5> kDirectionClips{
    "Bus_links.avi", "Bus_rechts.avi", "Bus_oben.avi", "Bus_unten.avi", "Pfeil_re.avi"};

} // namespace

BusAnimation::BusAnimation(QWidget* parent, const QString& clipFolder)
    : m_clipFolder(clipFolder), m_EA_Db(Create(parent, "m_EA_Db", 90, 104, "Bus_oben.avi")),
      m_Sp_Db(Create(parent, "m_Sp_Db", 90, 172, "Bus_oben.avi")),
      m_Akku_Db(Create(parent, "m_Akku_Db", 564, 82, "Bus_rechts.avi")),
      m_Sw_Db(Create(parent, "m_Sw_Db", 568, 244, "Bus_rechts.avi")),
      m_Reg_Db(Create(parent, "m_Reg_Db", 434, 332, "Bus_oben.avi")),
      m_Sp_Ab(Create(parent, "m_Sp_Ab", 214, 602, "Bus_oben.avi")),
      m_Reg_Ab(Create(parent, "m_Reg_Ab", 406, 602, "Bus_oben.avi")),
      m_Sw_Ab(Create(parent, "m_Sw_Ab", 664, 520, "Bus_unten.avi")),
      m_Sp_Read(Create(parent, "m_Sp_Read", 362, 266, "read.avi")),
      m_Sp_Write(Create(parent, "m_Sp_Write", 386, 234, "write.avi")),
      m_Akku_Read(Create(parent, "m_Akku_Read", 614, 198, "read.avi")),
      m_Akku_Write(Create(parent, "m_Akku_Write", 690, 194, "write.avi")),
      m_Reg_Read(Create(parent, "m_Reg_Read", 560, 456, "Rg_read.avi")),
      m_Reg_Write(Create(parent, "m_Reg_Write", 560, 384, "Rg_write.avi")),
      m_EA_Read(Create(parent, "m_EA_Read", 486, 200, "IO_Read.avi")),
      m_EA_Write(Create(parent, "m_EA_Write", 526, 144, "IO_Write.avi")),
      m_Pfeil_Rw(Create(parent, "m_Pfeil_Rw", 720, 76, "Pfeil_re.avi")),
      m_SW_RW(Create(parent, "m_SW_RW", 784, 196, "Pfeil_ho.avi")),
      m_RW_SW(Create(parent, "m_RW_SW", 852, 196, "Pfeil_ru.avi")) {
    for (const char* clip : kDirectionClips) {
        m_clipFiles.append(QString::fromLatin1(clip));
    }
    m_clipFiles.removeDuplicates();
}

TAnimate* BusAnimation::Create(QWidget* parent, const char* name, int x, int y, const char* clip) {
    auto* control = new TAnimate(parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(x, y, TAnimate::kSize, TAnimate::kSize);
    control->SetFileName(ClipPath(clip)); // a missing file leaves the control empty
    m_clipFiles.append(QString::fromLatin1(clip));
    control->show();
    m_all.push_back(control);
    return control;
}

QString BusAnimation::ClipPath(const char* fileName) const {
    return QDir(m_clipFolder).filePath(QString::fromLatin1(fileName));
}

void BusAnimation::setAnimation(TAnimate* control, int direction) {
    if (control == nullptr || direction < 0 ||
        direction >= static_cast<int>(kDirectionClips.size())) {
        return;
    }
    control->SetFileName(ClipPath(kDirectionClips[static_cast<std::size_t>(direction)]));
}

void BusAnimation::StopAnimation() {
    for (TAnimate* control : m_all) {
        control->Stop();
    }
    m_Akku_Db->Seek(1);
    m_Sw_Db->Seek(1);
    // A marker halted on its lit frame would claim an access that is over; frame 1 is its
    // calm look. Bus segments keep their frame: it only shows the direction.
    for (TAnimate* marker : {m_Sp_Read, m_Sp_Write, m_Akku_Read, m_Akku_Write, m_Reg_Read,
                             m_Reg_Write, m_EA_Read, m_EA_Write, m_Pfeil_Rw}) {
        marker->Seek(1);
    }
}

void BusAnimation::PlayAll(TAnimate* control) {
    control->Play(1, control->FrameCount());
}

RowTarget BusAnimation::RowFor(int phase) {
    if (phase < 0 || phase > 255) {
        return RowTarget::None;
    }
    switch (AdresszielVon(phase)) {
    case Adressziel::Speicher:
        return RowTarget::Memory;
    case Adressziel::Register:
        return RowTarget::Register;
    case Adressziel::Keins:
        break;
    }
    return RowTarget::None;
}

UpdateResult BusAnimation::OnUpdate(int phase) {
    if (phase == KeinWert) {
        return {KeinWert, RowTarget::None};
    }
    UpdateResult result{phase, RowFor(phase)};
    switch (phase) {
    case 1: // "Befehl adressieren"
    case 4: // "Befehls-Operand adressieren"
    case 7: // "Speicher adressieren"
        setAnimation(m_Sp_Ab, Oben);
        setAnimation(m_Sw_Ab, Unten);
        PlayAll(m_Sw_Ab);
        PlayAll(m_Sp_Ab);
        break;
    case 2: // "Befehl lesen"
    case 5: // "Befehls-Operand lesen"
        setAnimation(m_Sp_Db, Oben);
        setAnimation(m_Sw_Db, Rechts);
        PlayAll(m_Sw_Db);
        PlayAll(m_Sp_Db);
        PlayAll(m_Sp_Read);
        break;
    case 6: // "Konstante in Akku"
        setAnimation(m_Akku_Db, Rechts);
        setAnimation(m_Sw_Db, Links);
        PlayAll(m_Akku_Db);
        PlayAll(m_Akku_Write);
        PlayAll(m_Sw_Db);
        break;
    case 8: // "Register lesen"
        setAnimation(m_Reg_Ab, Oben);
        setAnimation(m_Sw_Ab, Unten);
        PlayAll(m_Sw_Ab);
        PlayAll(m_Reg_Ab);
        break;
    case 9: // "Wert von Akku in Operand"
        PlayAll(m_Pfeil_Rw);
        break;
    case 10: // "Speicher Lesezyklus"
        setAnimation(m_Sp_Db, Oben);
        PlayAll(m_Sp_Db);
        PlayAll(m_Sp_Read);
        break;
    case 11: // "Register Lesezyklus"
        setAnimation(m_Reg_Db, Oben);
        PlayAll(m_Reg_Db);
        PlayAll(m_Reg_Read);
        break;
    case 12: // "Akku Lesezyklus"
        setAnimation(m_Akku_Db, Links);
        PlayAll(m_Akku_Db);
        PlayAll(m_Akku_Read);
        break;
    case 13: // "E/A-Einheit Lesezyklus"
        setAnimation(m_EA_Db, Unten);
        PlayAll(m_EA_Db);
        PlayAll(m_EA_Read);
        break;
    case 14: // "Speicher Schreibzyklus"
        setAnimation(m_Sp_Db, Unten);
        PlayAll(m_Sp_Db);
        PlayAll(m_Sp_Write);
        break;
    case 15: // "Register Schreibzyklus"
        setAnimation(m_Reg_Db, Unten);
        PlayAll(m_Reg_Db);
        PlayAll(m_Reg_Write);
        break;
    case 16: // "Akku Schreibzyklus"
        setAnimation(m_Akku_Db, Rechts);
        PlayAll(m_Akku_Db);
        PlayAll(m_Akku_Write);
        break;
    case 17: // "E/A-Einheit Schreibzyklus"
        setAnimation(m_EA_Db, Oben);
        PlayAll(m_EA_Db);
        PlayAll(m_EA_Write);
        break;
    case 18: // "Befehl an ALU": nothing moves on the buses, but the phase stays set
    case 20: // "Flag lesen"
        break;
    case 23: // "IP im Stack ablegen"
    case 24: // "Akku im Stack ablegen"
    case 25: // "Flags im Stack ablegen"
        setAnimation(m_Sp_Db, Unten);
        PlayAll(m_Sp_Db);
        PlayAll(m_Sp_Write);
        m_Sw_Ab->Seek(1);
        m_Sp_Ab->Seek(1);
        break;
    case 27: // "Flags wiederherstellen"
    case 28: // "Akku wiederherstellen"
    case 29: // "IP wiederherstellen"
        setAnimation(m_Sp_Db, Unten);
        PlayAll(m_Sp_Db);
        PlayAll(m_Sp_Read);
        m_Sw_Ab->Seek(1);
        m_Sp_Ab->Seek(1);
        break;
    default: // no animation for this micro-step
        result.AnimPhase = 0;
        break;
    }
    return result;
}

TAnimate* BusAnimation::Control(const QString& name) const {
    for (TAnimate* control : m_all) {
        if (control->objectName() == name) {
            return control;
        }
    }
    return nullptr;
}

void BusAnimation::SetAddressBusVisible(bool visible) {
    for (TAnimate* control : {m_Sp_Ab, m_Reg_Ab, m_Sw_Ab}) {
        control->setVisible(visible);
    }
}

void BusAnimation::SetTopLeftDataBusVisible(bool visible) {
    m_EA_Db->setVisible(visible);
    m_Sp_Db->setVisible(visible);
}

void BusAnimation::RaiseAll() {
    for (TAnimate* control : m_all) {
        control->raise();
    }
}

} // namespace tovak
