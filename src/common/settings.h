#pragma once

#include <QRect>
#include <QString>
#include <QtGlobal>

// The four listing options: which files a listing shows besides documents with summary information.
struct ListingOptions
{
    bool includeAll = false;   // "InclureTout"
    bool includePdf = false;   // "InclurePDF"
    bool includeHtml = false;  // "InclureHTML"
    bool includeHidden = true; // "InclureCaches"
};

// Section "HTML" of a configuration: the layout of the generated pages.
struct HtmlSettings
{
    QString prefixeTableau = QStringLiteral("Fichorama");
    bool ajouterDate = false;
    bool effacerAnciensTableaux = true;
    bool imagesSuivent = false;
    QString pathListeTableaux; // the grid-list directory; the settings directory when unset or gone
    bool indexListes = true;
    QString texteEnTete;
    QString texteEnTete2;
    QString imageEnTete;
    bool renvoiALaLigne = false;
    qint32 couleurTitre = 65535; // red in the low byte, green in the second, blue in the third
    QString imageFond;
    QString imageDebutTableau;
    bool totalDocuments = true;
    QString textePied;
    QString textePied2;
    QString imagePied;

    QString headerText() const { return texteEnTete + texteEnTete2; }
    QString footerText() const { return textePied + textePied2; }
};

// Every in-memory setting of the configuration in use, except the displayed-column flags and the widths,
// which live with the property columns and the grid.
struct Settings
{
    qint16 language = 0; // 1 French, any other value English
    QString directory;   // "Repertoire": the remembered directory
    ListingOptions listing;
    bool highlight = true;    // "Surligner"
    bool toolTips = true;     // "ToolTips"
    bool contextLines = true; // "Contextuel"
    qint16 linesPerCell = 1;  // "LignesTexte", 1 to 3
    HtmlSettings html;

    bool isFrench() const { return language == 1; }
};

// The sort of the grid: run-time only, set by header clicks and read by listings and pages.
struct SortState
{
    int column = 0;
    bool ascending = true;
};

// Computer name, user name and system version, computed once at start-up.
struct StartupValues
{
    QString computerName;
    QString userName;
    QString systemVersion;
};

// The main window's place on the screen, in logical pixels of the virtual desktop: the geometry of its
// inner area when it is neither maximised nor minimised, and whether it is maximised.
struct WindowPlacement
{
    QRect normal;
    bool maximised = false;

    bool operator==(const WindowPlacement &) const = default;
};
