#pragma once

#include "common/settings.h"
#include "listing/document_grid.h"
#include "listing/property_columns.h"
#include "platform/ini_file.h"

// The moments the configuration file is written, one function each. Every function writes at once and
// returns the failure, if any, so that a dialog can report it; the other callers may ignore it.

// The settings that the menus switch on and off, each stored under its own key.
enum class OptionFlag {
    InclureTout,
    InclurePDF,
    InclureHTML,
    InclureCaches,
    Surligner,
    ToolTips,
    Contextuel
};

// A listed directory: "Repertoire".
std::optional<WriteFailure> writeDirectory(IniFile &configuration, const QString &directory);
// A menu option toggled: its key, "1" or "0".
std::optional<WriteFailure> writeOptionFlag(IniFile &configuration, OptionFlag flag, bool on);
// A lines-per-cell entry chosen: "LignesTexte", "1" to "3".
std::optional<WriteFailure> writeLinesPerCell(IniFile &configuration, int lines);
// A language switch: "Langue", "1" for French and "0" for English. The caller resets the widths first.
std::optional<WriteFailure> writeLanguage(IniFile &configuration, qint16 language);
// The displayed-properties dialog's OK: the eighteen keys of "Proprietes", in table order.
std::optional<WriteFailure> writeDisplayedColumns(IniFile &configuration, const DisplayedColumns &displayed);
// The HTML layout dialog's OK: the seventeen keys of "HTML" in their order, the header and footer texts
// split as splitStoredText says.
std::optional<WriteFailure> writeHtmlSettings(IniFile &configuration, const HtmlSettings &html);
// Shut-down: "Repertoire", the grid's current widths and the window's place ("FenetreX", "FenetreY",
// "FenetreLargeur", "FenetreHauteur" in pixels, "FenetreMaximisee" "1" or "0").
std::optional<WriteFailure> writeShutDownState(IniFile &configuration, const QString &directory,
                                               const DocumentGrid &grid, const WindowPlacement &placement);

// The selector file's "Nom", written by the configuration chooser.
std::optional<WriteFailure> writeConfigurationName(IniFile &selector, const QString &name);

// A long text stored in two keys: a text of fewer than 255 characters goes whole into the first, a
// longer one is cut after its 254th character and the rest goes into the second.
struct SplitText
{
    QString first;
    QString rest;
};
SplitText splitStoredText(const QString &text);
