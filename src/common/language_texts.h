#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

// Every caption and tip of the main window in one language. Fields carry the control's own name; a
// field ending in "Tip" is the control's tool tip. "&" marks the access key, as in the menus.
struct MainWindowTexts
{
    // Menu bar, in menu order.
    QString mnuFichier;
    QString mnuQuitter;
    QString mnuConfiguration;
    QString mnuChoixFichierINI;
    QString mnuListeProprietes;
    QString mnuConfigurationHTML;
    QString mnuInclureTout;
    QString mnuInclurePDF;
    QString mnuInclureHTML;
    QString mnuInclureCaches;
    QString mnuSurligner;
    QString mnuToolTips;
    QString mnuContextuel;
    std::array<QString, 3> mnuLigne; // index 0 is the entry for one line, 2 the entry for three
    QString mnuLangue;
    QString mnuAnglais;
    QString mnuFrancais;
    QString mnuHelp;
    QString mnuAPropos;

    // Context menu of the grid.
    QString mnuOuvrir;
    QString mnuProprietes;
    QString mnuSupprimer;
    QString mnuRenommer;

    // Buttons and frames.
    QString cmdConfigurationTip; // always the text of mnuChoixFichierINI
    QString cmdDemarrer;
    QString frameTableau;
    QString cmdHTML;
    QString cmdHTMLTip;
    QString frameEnsemble;
    QString cmdAjouterEnsemble;
    QString cmdAjouterEnsembleTip;
    QString cmdSupprimerEnsemble;
    QString cmdSupprimerEnsembleTip;
    QString cmdEditerEnsemble;
    QString cmdEditerEnsembleTip;
    QString cmdHTMLEnsemble;
    QString cmdHTMLEnsembleTip;
};

// The texts of the main window's message boxes and input box in one language. A "%1" stands for a file
// or directory path and a "%2" for the system's reason, to be filled with QString::arg.
struct MessageTexts
{
    QString programAlreadyRunning;
    // Followed by CR LF and the directory (which may be empty).
    QString unknownDirectory;
    QString renamePrompt;
    QString renameForbidden;
    // Our own Yes/No question before a document goes to the trash; %1 the document's path.
    QString confirmTrash;
    // A document the trash did not take: it stays where it is. %1 path, %2 reason.
    QString trashFailed;
    QString htmlImpossible;
    QString noGridInList;
    QString gridAlreadyListed;
    QString gridNotListed;
    // A page, an image copy or the grid-list file that could not be written. %1 path, %2 reason.
    QString pageNotWritten;
    QString imageNotCopied;
    QString gridListNotWritten;
    // A configuration or selector file that could not be written. %1 path, %2 reason.
    QString configurationNotWritten;
};

// Language value 1 gives the French texts, any other value the English ones.
MainWindowTexts mainWindowTexts(qint16 language);
MessageTexts messageTexts(qint16 language);

// "1 fichier" / "n fichiers", "1 file" / "n files": the file count label.
QString fileCountText(qint64 count, qint16 language);
// The documents label as a listing leaves it: "1 document" / "n documents" in both languages, followed by
// " (interrompu)" / " (interrupted)" when the listing was interrupted.
QString documentCountText(qint64 count, bool interrupted, qint16 language);
// The documents label of the language table: "1 document sélectionné" / "n documents sélectionnés",
// "1 selected document" / "n selected documents". A language switch lists the directory again right after
// setting the labels, so the listing's form is what stays on screen.
QString selectedDocumentCountText(qint64 count, qint16 language);
