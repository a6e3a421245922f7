#include "common/language_texts.h"

#include "common/text_choice.h"

MainWindowTexts mainWindowTexts(qint16 language)
{
    const TextChoice t(language);
    MainWindowTexts x;
    x.mnuFichier = t("&Fichier", "&File");
    x.mnuQuitter = t("&Quitter", "&Exit");
    x.mnuConfiguration = t("&Configuration");
    x.mnuChoixFichierINI = t("Sélectionner un fichier de configuration", "Select a configuration file");
    x.mnuListeProprietes =
        t("Sélectionner la &liste des propriétés affichées", "Select &displayed properties");
    x.mnuConfigurationHTML = t("&Mise en page HTML", "HTML &layout");
    x.mnuInclureTout = t("Inclure &tous les fichiers (*.*)", "Include &all patterns (*.*)");
    x.mnuInclurePDF = t("Inclure les fichiers &PDF", "Include &PDF files");
    x.mnuInclureHTML = t("Inclure les fichiers &HTML", "Include &HTML files");
    x.mnuInclureCaches = t("Inclure les fichiers cachés", "Include hidden files");
    x.mnuSurligner = t("&Surligner les noms des documents possédant des propriétés",
                       "Highlight names of documents with properties");
    x.mnuToolTips = t("&Bulles d'aide dans les cellules", "&Tooltips in cells");
    x.mnuContextuel = t("Propriétés affichées dans le menu &contextuel", "Display properties in popup &menu");
    x.mnuLigne = {t("&1 ligne dans les cellules", "&1 line in cells"),
                  t("&2 lignes dans les cellules", "&2 lines in cells"),
                  t("&3 lignes dans les cellules", "&3 lines in cells")};
    x.mnuLangue = t("&Langue", "&Language");
    x.mnuAnglais = t("&English");
    x.mnuFrancais = t("&Français");
    x.mnuHelp = t("&?");
    x.mnuAPropos = t("&A propos de...", "&About...");

    x.mnuOuvrir = t("&Ouvrir", "&Open");
    x.mnuProprietes = t("&Propriétés", "&Properties");
    x.mnuSupprimer = t("&Supprimer le document", "&Delete document");
    x.mnuRenommer = t("&Renommer le document", "&Rename document");

    x.cmdConfigurationTip = x.mnuChoixFichierINI;
    x.cmdDemarrer = t("Actualiser", "Refresh");
    x.frameTableau = t("Tableau", "Grid");
    x.cmdHTML = t("HTML");
    x.cmdHTMLTip = t("Générer un tableau HTML correspondant au tableau ci-dessous", "Make an HTML grid");
    x.frameEnsemble = t("Liste de tableaux", "Grids list");
    x.cmdAjouterEnsemble = t("+");
    x.cmdAjouterEnsembleTip =
        t("Ajouter le tableau courant à la liste des tableaux", "Add the current array to the grids list");
    x.cmdSupprimerEnsemble = t("-");
    x.cmdSupprimerEnsembleTip = t("Supprimer le tableau courant de la liste des tableaux",
                                  "Remove the current array from the grids list");
    x.cmdEditerEnsemble = t("Organiser", "Edit");
    x.cmdEditerEnsembleTip = t("Organiser la liste des tableaux retenus", "Edit grids list");
    x.cmdHTMLEnsemble = t("HTML");
    x.cmdHTMLEnsembleTip = t("Générer un tableau HTML unique regroupant la liste des tableaux retenus",
                             "Make a unique HTML grid using the list of selected arrays");
    return x;
}

MessageTexts messageTexts(qint16 language)
{
    const TextChoice t(language);
    MessageTexts x;
    // The only text with a third language: value 2 was Portuguese.
    x.programAlreadyRunning = language == 2 ? QString::fromUtf8("Programa já activo")
                                            : t("Programme déjà lancé", "Program already running");
    x.unknownDirectory = t("Répertoire inconnu:", "Unknown directory:");
    x.renamePrompt = t("Renommer le document", "Rename document");
    x.renameForbidden =
        t("Un nom de fichier ne peut contenir l'un des caractères suivants: \\ / : * ? \" < > |",
          "Forbidden characters in the new file name: \\ / : * ? \" < > |");
    x.confirmTrash = t("Mettre ce document à la corbeille ?\n%1", "Move this document to the trash?\n%1");
    x.trashFailed = t("Le document n'a pas pu être mis à la corbeille et reste à sa place :\n%1\n%2",
                      "The document could not be moved to the trash and stays where it is:\n%1\n%2");
    x.htmlImpossible = t("Impossible de créer un tableau HTML", "Impossible to make HTML grid");
    x.noGridInList = t("Aucun tableau dans la liste", "No grid in the list");
    x.gridAlreadyListed = t("Le tableau affiché est déjà présent dans la liste des tableaux",
                            "The displayed grid is already in the list");
    x.gridNotListed = t("Le tableau affiché n'est pas présent dans la liste des tableaux",
                        "The displayed grid is not in the list of grids");
    x.pageNotWritten =
        t("Impossible d'écrire la page HTML :\n%1\n%2", "The HTML page could not be written:\n%1\n%2");
    x.imageNotCopied = t("Impossible de copier l'image :\n%1\n%2", "The image could not be copied:\n%1\n%2");
    x.gridListNotWritten = t("Impossible d'enregistrer la liste des tableaux :\n%1\n%2",
                             "The grids list could not be saved:\n%1\n%2");
    x.configurationNotWritten = t("Impossible d'enregistrer la configuration :\n%1\n%2",
                                  "The configuration could not be saved:\n%1\n%2");
    return x;
}

QString fileCountText(qint64 count, qint16 language)
{
    const TextChoice t(language);
    if (count == 1)
        return t("1 fichier", "1 file");
    return QString::number(count) + t(" fichiers", " files");
}

QString documentCountText(qint64 count, bool interrupted, qint16 language)
{
    QString text =
        count == 1 ? QStringLiteral("1 document") : QString::number(count) + QStringLiteral(" documents");
    if (interrupted)
        text += TextChoice(language)(" (interrompu)", " (interrupted)");
    return text;
}

QString selectedDocumentCountText(qint64 count, qint16 language)
{
    const TextChoice t(language);
    if (count == 1)
        return t("1 document sélectionné", "1 selected document");
    return QString::number(count) + t(" documents sélectionnés", " selected documents");
}
