// What the learner can do in the main window: the menu bar, the toolbar, the memory grid's
// popup menu, the lessons menu, the command window and the exercise pane with its menu.
// Each item calls the window's handler of the same name; the window tells this object when
// run control switches items on or off.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

class QAction;
class QComboBox;
class QFrame;
class QMenu;
class QMenuBar;
class QPushButton;
class QToolButton;
class QWidget;

namespace tovak {

class AufgabeBereich;
class TFBefehlsBottons;
class TFMain;
class TempoControl;
class TOroGrid;

class MainActions final : public QObject {
    Q_OBJECT

public:
    explicit MainActions(TFMain& window);

    // The toolbar along the top of the block diagram.
    void CreateToolbar(QWidget* client, int width);
    void CreateMenus(QMenuBar* bar);
    void CreateGridPopup(TOroGrid* grid);

    // Run control: the editing items only while editing, STOP and Takt only during a run.
    void ShowEditMode(bool edit);
    void ShowInterrupt(bool on);
    void ShowTaktZurueck(bool possible);
    // The zoom item of the percent in force is checked.
    void ShowZoom(int percent);

    // The command window: opened once at a time; its requests 1..7 trigger the items of
    // the instruction groups, 0 means it closed.
    void ShowBefehlsfenster();
    void BefehlsBottonsNotify(int code);

    QFrame* Toolbar() const { return symbolleiste_; }
    TempoControl* Tempo() const { return tempo_; }
    bool ToolbarChecked() const;
    bool NormaldarstellungChecked() const;
    bool ResizeRamChecked() const;
    QMenu* BeispielMenu() const { return mnBeispielprogramme_; }
    AufgabeBereich* Aufgabe() const { return aufgabe_; }
    TFBefehlsBottons* BefehlsBottons() const { return befehlsBottons_; }

signals:
    // A lesson was picked in "Beispielprogramme"; its file path.
    void beispielGewaehlt(const QString& path);

private:
    QAction* AddItem(QMenu* menu, const char* name, const QString& caption,
                     const QString& hint = {});
    void CreateDateiMenu(QMenuBar* bar);
    void CreateAnsichtMenu(QMenuBar* bar);
    void CreateBefehleMenu(QMenuBar* bar);
    void CreateStartMenu(QMenuBar* bar);
    void CreateOptionenUndHilfe(QMenuBar* bar);
    void CreateBeispielMenu(QMenu* datei);
    void CreateZoomMenu(QMenu* ansicht);
    void CreateAufgabe(QMenuBar* bar);
    void CreateRunButtons();
    void CreateTaktZurueckButton();

    TFMain& window_;

    QFrame* symbolleiste_ = nullptr;
    QComboBox* cbAnzeigeZahlen_ = nullptr;
    QPushButton* bnProgrammstart_ = nullptr;
    QPushButton* bnProgrammReStart_ = nullptr;
    QPushButton* bnEinzelschritt_ = nullptr;
    QPushButton* bnTakt_ = nullptr;
    QPushButton* bnTaktZurueck_ = nullptr;
    QPushButton* bnStop_ = nullptr;
    QPushButton* bnInterrupt_ = nullptr;
    TempoControl* tempo_ = nullptr;

    QAction* mnStop_ = nullptr;
    QAction* mnTaktZurueck_ = nullptr;
    QMenu* mnBeispielprogramme_ = nullptr;
    std::vector<QAction*> befehlsItems_; // the instruction groups but "Sprungbefehle"
    QAction* mnSymbolleiste_ = nullptr;
    QAction* mnNormaldarstellung_ = nullptr;
    QAction* lkBefehlEinfuegen_ = nullptr;
    QAction* lkBefehlLoeschen_ = nullptr;
    QAction* lkResizeRam_ = nullptr;
    std::vector<QAction*> zoomItems_; // by Ini::kZoomStufen

    QPointer<TFBefehlsBottons> befehlsBottons_;
    AufgabeBereich* aufgabe_ = nullptr;
};

} // namespace tovak
