#pragma once

#include "listing/document_grid.h"
#include "platform/ini_file.h"

#include <QList>
#include <QStringView>
#include <array>
#include <optional>

// What a property column's cells hold: the short name, or a summary-information value of one kind.
enum class PropertySource { ShortName, Text, Number, Date, Duration };

// One entry of the fixed table of property columns.
struct PropertyColumn
{
    QStringView key; // key in section "Proprietes", also the entry's name
    bool isDisplayedByDefault;
    char mark;                 // '<' left-aligned, '^' centred
    QStringView frenchCaption; // header texts, leading blanks included
    QStringView englishCaption;
    PropertySource source;
    int propertyId; // in the summary-information property set; 0 for the short name
    // Stable English name of the column on the command line and in its output ("last-author"); never
    // translated, so that scripts keep working whatever the interface language.
    QStringView englishKey;

    ColumnAlignment alignment() const
    {
        return mark == '^' ? ColumnAlignment::Centre : ColumnAlignment::Left;
    }
    QString caption(qint16 language) const
    {
        return (language == 1 ? frenchCaption : englishCaption).toString();
    }
};

inline constexpr int kPropertyColumnCount = 18;

// The eighteen property columns in their fixed order: the order of the grid's columns, of each document
// row's cells and of the keys of section "Proprietes".
inline constexpr std::array<PropertyColumn, kPropertyColumnCount> kPropertyColumns = {{
    {u"NomCourt", false, '<', u"  Nom court", u"  Short name", PropertySource::ShortName, 0, u"short-name"},
    {u"Application", true, '<', u" Application", u" Application", PropertySource::Text, 18, u"application"},
    {u"Titre", true, '<', u" Titre", u" Title", PropertySource::Text, 2, u"title"},
    {u"Auteur", true, '<', u" Auteur", u" Author", PropertySource::Text, 4, u"author"},
    {u"Sujet", false, '<', u" Sujet", u" Subject", PropertySource::Text, 3, u"subject"},
    {u"MotsCles", false, '<', u" Mots-clés", u" Keywords", PropertySource::Text, 5, u"keywords"},
    {u"Modele", false, '<', u" Modèle", u" Template", PropertySource::Text, 7, u"template"},
    {u"Commentaires", false, '<', u" Commentaires", u" Comments", PropertySource::Text, 6, u"comments"},
    {u"DernierAuteur", false, '<', u" Dernier auteur", u" Last author", PropertySource::Text, 8,
     u"last-author"},
    {u"Revision", false, '<', u" Révision", u" Revision", PropertySource::Text, 9, u"revision"},
    {u"Pages", false, '^', u"Pages", u"Pages", PropertySource::Number, 14, u"pages"},
    {u"Mots", false, '^', u"Mots", u"Words", PropertySource::Number, 15, u"words"},
    {u"Caracteres", false, '^', u"Caractères", u"Characters", PropertySource::Number, 16, u"characters"},
    {u"Securite", false, '^', u"Sécurité", u"Security", PropertySource::Number, 19, u"security"},
    {u"Cree", false, '<', u"  Créé le", u"  Created", PropertySource::Date, 12, u"created"},
    {u"DerniereSauvegarde", false, '<', u"  Sauvegardé le", u"  Saved", PropertySource::Date, 13, u"saved"},
    {u"DerniereImpression", false, '<', u"  Imprimé le", u"  Printed", PropertySource::Date, 11, u"printed"},
    {u"TempsEdition", false, '<', u"  Temps d'édition", u"  Edition time", PropertySource::Duration, 10,
     u"editing-time"},
}};

// Caption of grid column 0, the file name, in both languages, and its English key.
inline constexpr QStringView kNameColumnCaption = u" Document";
inline constexpr QStringView kNameColumnKey = u"name";

// One displayed flag per property column, in table order.
using DisplayedColumns = std::array<bool, kPropertyColumnCount>;

// The flags stored in section "Proprietes"; a missing section gives the defaults.
DisplayedColumns readDisplayedColumns(const IniDocument &configuration);

// The table index of the property shown in grid column `gridColumn`; -1 for the name column and for a
// column the flags do not give.
int propertyIndexOfGridColumn(const DisplayedColumns &displayed, int gridColumn);

// The table index of the property column whose English key is `key`; -1 for the name column's key; empty
// for any other text.
std::optional<int> propertyIndexOfEnglishKey(QStringView key);

// The grid column that shows table entry `propertyIndex` under these flags: 0 for -1 (the name column);
// -1 when the entry is not displayed.
int gridColumnOfPropertyIndex(const DisplayedColumns &displayed, int propertyIndex);

// Rebuilds the grid's columns from the flags: the name column, then one column per displayed property with
// its caption in `language` (1 French, else English) and its alignment. Every document row is dropped.
void setDisplayedColumns(DocumentGrid &grid, const DisplayedColumns &displayed, qint16 language);

// Reads the displayed flags and rebuilds the grid's columns: the name column, then one column per
// displayed property with its caption in `language` (1 French, else English) and its alignment. Every
// document row is dropped and the widths are 0 until LireLargeurs or ReinitialiserLargeurs.
DisplayedColumns ConstruireColonnes(DocumentGrid &grid, const IniFile &configuration, qint16 language);

// Sets every column's width from keys "Largeur0", "Largeur1", ... or, where none is stored, to an equal
// share of `gridWidthTwips` (rounded, divided by the column count, remainder dropped).
void LireLargeurs(DocumentGrid &grid, const IniFile &configuration, double gridWidthTwips);

// Sets every column to an equal share of `gridWidthTwips` and stores these widths.
std::optional<WriteFailure> ReinitialiserLargeurs(DocumentGrid &grid, IniFile &configuration,
                                                  double gridWidthTwips);

// The key of column `index`'s width: "Largeur" followed by the index.
QString widthKey(int index);
// The width keys of the grid's columns with their current widths in the stored form (" 1500").
QList<IniEntry> widthEntries(const DocumentGrid &grid);
// Stores the grid's current widths, without resetting them (shut-down).
std::optional<WriteFailure> writeColumnWidths(IniFile &configuration, const DocumentGrid &grid);
