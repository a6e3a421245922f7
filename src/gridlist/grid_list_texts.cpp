#include "gridlist/grid_list_texts.h"

#include "common/text_choice.h"

namespace {

QString counted(qint64 count, const QString &text)
{
    return QString::number(count) + text;
}

} // namespace

OrganizerTexts organizerTexts(qint16 language)
{
    const TextChoice t(language);
    OrganizerTexts x;
    x.title = t("Liste des tableaux retenus", "Grids list");
    x.cmdMonter = t("\u25B2");
    x.cmdMonterTip = t("Monter le tableau sélectionné dans la liste", "Up selected grid in the list");
    x.cmdDescendre = t("\u25BC");
    x.cmdDescendreTip = t("Descendre le tableau sélectionné dans la liste", "Down selected grid in the list");
    x.cmdTrier = t("T");
    x.cmdTrierTip = t("Trier la liste", "Sort list");
    x.cmdAjouter = t("+");
    x.cmdAjouterTip = t("Ajouter un répertoire à la liste", "Add a new directory to the list");
    x.cmdSupprimer = t("-");
    x.cmdSupprimerTip =
        t("Supprimer le tableau sélectionné de la liste", "Remove the selected grid from the list");
    x.cmdSupprimerTout = t("--");
    x.cmdSupprimerToutTip = t("Supprimer tous les tableaux de la liste", "Remove all the grids");
    x.cmdGoTo = t("o");
    x.cmdGoToTip = t("Générer le tableau sélectionné", "Make the selected grid");
    x.cmdOK = t("&OK");
    x.cmdAnnuler = t("&Annuler", "&Cancel");

    x.tickUnknownDirectory = t("Le répertoire spécifié est inconnu", "Unknown directory");
    x.goToUnknownDirectory = t("Impossible de générer un tableau\nLe répertoire spécifié est inconnu",
                               "Cannot make the grid\nThe selected directory is unknown");
    x.removeAllQuestion = t("Supprimer tous les tableaux de la liste", "Remove all grids from the list");
    return x;
}

AddGridsTexts addGridsTexts(qint16 language)
{
    const TextChoice t(language);
    AddGridsTexts x;
    x.title = t("Ajouter un répertoire à la liste des tableaux", "Add a new directory to the list of grids");
    x.chkSousDossiers = t("avec tous les sous-répertoires", "including all sub-directories");
    x.cmdOK = t("Ajouter", "Add");
    x.cmdAnnuler = t("&Annuler", "&Cancel");

    x.alreadyListed = t("Le répertoire est déjà dans la liste", "The directory is already in the list");
    x.pathInvalidTitle = t("Path is invalid");
    x.noSubDirectories = t("Aucun sous-dossiers dans\n%1", "No sub-directories in\n%1");
    x.confirmAdd = t("Ajouter le dossier\n%1\net ses %2 sous-dossiers",
                     "Add the directory\n%1\nwith its %2 sub-directories");
    x.allAlreadyListed =
        t("Tous les dossiers sont déjà dans la liste", "All directories are already in the list");
    return x;
}

QString gridCountText(qint64 count, qint16 language)
{
    return counted(count, TextChoice(language)(" tableaux dans la liste", " grids in the list"));
}

QString checkedGridCountText(qint64 count, qint16 language)
{
    return counted(count, TextChoice(language)(" tableaux sélectionnés", " selected grids"));
}

QString scannedCountText(qint64 count, qint16 language)
{
    return counted(count, TextChoice(language)(" dossiers et sous-dossiers au total",
                                               " directories and sub-directories"));
}

QString addedCountText(qint64 count, qint16 language)
{
    return counted(count, TextChoice(language)(" dossiers et sous-dossiers ajoutés",
                                               " directories and sub-directories added"));
}
