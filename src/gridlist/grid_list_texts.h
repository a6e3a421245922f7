#pragma once

#include <QString>
#include <QtGlobal>

// Every caption, tip and message of the grid-list organiser (frmEnsembleTableaux) in one language.
// Fields carry the control's own name; a field ending in "Tip" is the control's tool tip. A line break
// inside a message is "\n".
struct OrganizerTexts
{
    QString title;
    QString cmdMonter;
    QString cmdMonterTip;
    QString cmdDescendre;
    QString cmdDescendreTip;
    QString cmdTrier;
    QString cmdTrierTip;
    QString cmdAjouter;
    QString cmdAjouterTip;
    QString cmdSupprimer;
    QString cmdSupprimerTip;
    QString cmdSupprimerTout;
    QString cmdSupprimerToutTip;
    QString cmdGoTo;
    QString cmdGoToTip;
    QString cmdOK;
    QString cmdAnnuler;

    QString tickUnknownDirectory; // ticking an entry whose directory does not exist
    QString goToUnknownDirectory; // going to an entry whose directory does not exist
    QString removeAllQuestion;
};

// Every caption and message of the add-grids dialog (frmAjouterTableau) in one language. "%1" stands for
// the chosen directory and "%2" for a number, to be filled with QString::arg.
struct AddGridsTexts
{
    QString title;
    QString chkSousDossiers;
    QString cmdOK;
    QString cmdAnnuler;

    QString alreadyListed;    // the single directory is already in the list
    QString pathInvalidTitle; // title of the box whose text is the directory that cannot be enumerated
    QString noSubDirectories; // %1
    QString confirmAdd;       // %1 the directory, %2 the number of sub-directories
    QString allAlreadyListed;
};

// Language value 1 gives the French texts, any other value the English ones.
OrganizerTexts organizerTexts(qint16 language);
AddGridsTexts addGridsTexts(qint16 language);

// The organiser's count labels: "n tableaux dans la liste" / "n grids in the list" and "n tableaux
// sélectionnés" / "n selected grids", the same plural form for 0 and 1.
QString gridCountText(qint64 count, qint16 language);
QString checkedGridCountText(qint64 count, qint16 language);
// The add-grids status: "n dossiers et sous-dossiers au total" / "n directories and sub-directories"
// after a scan, "n dossiers et sous-dossiers ajoutés" / "n directories and sub-directories added" after
// an addition.
QString scannedCountText(qint64 count, qint16 language);
QString addedCountText(qint64 count, qint16 language);
