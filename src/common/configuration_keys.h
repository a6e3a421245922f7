#pragma once

#include <QStringView>

// Section and key names of the configuration file and the selector file, spelled as they are stored.
namespace ConfigKeys {

inline constexpr QStringView Configuration = u"Configuration";
inline constexpr QStringView Proprietes = u"Proprietes";
inline constexpr QStringView Html = u"HTML";

// Section "Configuration" of the selector file.
inline constexpr QStringView Nom = u"Nom";

// Section "Configuration" of the configuration file.
inline constexpr QStringView Langue = u"Langue";
inline constexpr QStringView Repertoire = u"Repertoire";
inline constexpr QStringView InclureTout = u"InclureTout";
inline constexpr QStringView InclurePDF = u"InclurePDF";
inline constexpr QStringView InclureHTML = u"InclureHTML";
inline constexpr QStringView InclureCaches = u"InclureCaches";
inline constexpr QStringView Surligner = u"Surligner";
inline constexpr QStringView ToolTips = u"ToolTips";
inline constexpr QStringView Contextuel = u"Contextuel";
inline constexpr QStringView LignesTexte = u"LignesTexte";
inline constexpr QStringView Largeur = u"Largeur"; // followed by the column index
// The main window's place, written at shut-down (WindowPlacement).
inline constexpr QStringView FenetreX = u"FenetreX";
inline constexpr QStringView FenetreY = u"FenetreY";
inline constexpr QStringView FenetreLargeur = u"FenetreLargeur";
inline constexpr QStringView FenetreHauteur = u"FenetreHauteur";
inline constexpr QStringView FenetreMaximisee = u"FenetreMaximisee";

// Section "HTML", in the order the layout dialog writes them.
inline constexpr QStringView PrefixeTableau = u"PrefixeTableau";
inline constexpr QStringView AjouterDate = u"AjouterDate";
inline constexpr QStringView EffacerAnciensTableaux = u"EffacerAnciensTableaux";
inline constexpr QStringView ImagesSuivent = u"ImagesSuivent";
inline constexpr QStringView PathListeTableaux = u"PathListeTableaux";
inline constexpr QStringView IndexListes = u"IndexListes";
inline constexpr QStringView TexteEnTete = u"TexteEnTete";
inline constexpr QStringView TexteEnTete2 = u"TexteEnTete2";
inline constexpr QStringView ImageEnTete = u"ImageEnTete";
inline constexpr QStringView RenvoiALaLigne = u"RenvoiALaLigne";
inline constexpr QStringView CouleurTitre = u"CouleurTitre";
inline constexpr QStringView ImageFond = u"ImageFond";
inline constexpr QStringView ImageDebutTableau = u"ImageDebutTableau";
inline constexpr QStringView TotalDocuments = u"TotalDocuments";
inline constexpr QStringView TextePied = u"TextePied";
inline constexpr QStringView TextePied2 = u"TextePied2";
inline constexpr QStringView ImagePied = u"ImagePied";

} // namespace ConfigKeys
