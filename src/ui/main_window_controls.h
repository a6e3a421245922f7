#pragma once

#include <QRect>
#include <QSize>
#include <QtGlobal>
#include <array>

class DirectoryList;
class DriveList;
class GridView;
class QAction;
class QGroupBox;
class QLabel;
class QListWidget;
class QMainWindow;
class QMenu;
class QProgressBar;
class QPushButton;
class QWidget;

// The controls of the main window, each named after its control (the object names are the same). The
// widgets belong to the window; these are plain pointers to them.
struct MainWindowControls
{
    QPushButton *cmdConfiguration = nullptr;
    DriveList *Lecteurs = nullptr;
    QPushButton *cmdDemarrer = nullptr;
    DirectoryList *Chemins = nullptr;
    QLabel *lblConfiguration = nullptr;
    QLabel *lblDossier = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QLabel *lblNbFichiers = nullptr;
    QLabel *lblNbDocuments = nullptr;
    QGroupBox *frameTableau = nullptr;
    QPushButton *cmdHTML = nullptr;
    QGroupBox *frameEnsemble = nullptr;
    QPushButton *cmdAjouterEnsemble = nullptr;
    QPushButton *cmdSupprimerEnsemble = nullptr;
    QPushButton *cmdEditerEnsemble = nullptr;
    QPushButton *cmdHTMLEnsemble = nullptr;
    QListWidget *lstTableaux = nullptr;
    GridView *gridFiles = nullptr;
};

// The menu bar's menus and entries, named after their menu entries.
struct MainWindowMenu
{
    QMenu *mnuFichier = nullptr;
    QAction *mnuQuitter = nullptr;
    QMenu *mnuConfiguration = nullptr;
    QAction *mnuChoixFichierINI = nullptr;
    QAction *mnuListeProprietes = nullptr;
    QAction *mnuConfigurationHTML = nullptr;
    QAction *mnuInclureTout = nullptr;
    QAction *mnuInclurePDF = nullptr;
    QAction *mnuInclureHTML = nullptr;
    QAction *mnuInclureCaches = nullptr;
    QAction *mnuSurligner = nullptr;
    QAction *mnuToolTips = nullptr;
    QAction *mnuContextuel = nullptr;
    std::array<QAction *, 3> mnuLigne{}; // one, two and three lines; object names mnuLigne1 to mnuLigne3
    QMenu *mnuLangue = nullptr;
    QAction *mnuAnglais = nullptr;
    QAction *mnuFrancais = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuAPropos = nullptr;
};

// The size of the window's inner area at design, in twips: the design area, made taller by the room of
// the grid list under the grid-list buttons.
QSize designInnerSizeTwips();

// Creates every control as a child of `central` at its design position, converted with `dpi`.
MainWindowControls buildControls(QWidget *central, qreal dpi);
// Creates the menu bar's menus and entries on `window`; texts come later from the language.
MainWindowMenu buildMenu(QMainWindow *window);

// The count labels lblNbFichiers and lblNbDocuments share a row: each keeps its design box while its
// text fits; a longer documents text (a large count, " (interrompu)") takes the room the file count's
// text leaves free on its left. Run after their texts change.
void fitCountLabels(const MainWindowControls &controls);

// The smallest inner area the window allows, for a grid whose header row is `lineHeight` pixels high:
// the left column of controls whole, a directory list some entries wide, and the grid's header with
// three rows under it.
QSize smallestInnerSize(const MainWindowControls &controls, int lineHeight);

// The resize rules for an inner area of `inner` pixels: the directory list reaches the right edge and the
// grid the right and bottom edges; a size that would be zero or negative is not applied.
void applyResizeRules(const MainWindowControls &controls, QSize inner);

// Every caption and tip of the window and its menus in `language`, and the language check marks. The
// count labels take the last listing's counts.
void AppliquerLangue(const MainWindowControls &controls, const MainWindowMenu &menu, qint16 language,
                     qint64 fileCount, qint64 documentCount);
