#include "config/configuration_writes.h"

#include "common/configuration_keys.h"
#include "common/stored_values.h"

namespace {

IniEntry entry(QStringView section, QStringView key, const QString &value)
{
    return {section.toString(), key.toString(), value};
}

QStringView keyOf(OptionFlag flag)
{
    switch (flag) {
    case OptionFlag::InclureTout:
        return ConfigKeys::InclureTout;
    case OptionFlag::InclurePDF:
        return ConfigKeys::InclurePDF;
    case OptionFlag::InclureHTML:
        return ConfigKeys::InclureHTML;
    case OptionFlag::InclureCaches:
        return ConfigKeys::InclureCaches;
    case OptionFlag::Surligner:
        return ConfigKeys::Surligner;
    case OptionFlag::ToolTips:
        return ConfigKeys::ToolTips;
    case OptionFlag::Contextuel:
        return ConfigKeys::Contextuel;
    }
    Q_UNREACHABLE();
}

} // namespace

std::optional<WriteFailure> writeDirectory(IniFile &configuration, const QString &directory)
{
    return configuration.write(ConfigKeys::Configuration, ConfigKeys::Repertoire, directory);
}

std::optional<WriteFailure> writeOptionFlag(IniFile &configuration, OptionFlag flag, bool on)
{
    return configuration.write(ConfigKeys::Configuration, keyOf(flag), flagText(on));
}

std::optional<WriteFailure> writeLinesPerCell(IniFile &configuration, int lines)
{
    Q_ASSERT(lines >= 1 && lines <= 3);
    return configuration.write(ConfigKeys::Configuration, ConfigKeys::LignesTexte, QString::number(lines));
}

std::optional<WriteFailure> writeLanguage(IniFile &configuration, qint16 language)
{
    return configuration.write(ConfigKeys::Configuration, ConfigKeys::Langue, flagText(language == 1));
}

std::optional<WriteFailure> writeDisplayedColumns(IniFile &configuration, const DisplayedColumns &displayed)
{
    QList<IniEntry> entries;
    for (int i = 0; i < kPropertyColumnCount; ++i)
        entries.append(entry(ConfigKeys::Proprietes, kPropertyColumns[i].key, flagText(displayed[i])));
    return configuration.write(entries);
}

std::optional<WriteFailure> writeHtmlSettings(IniFile &configuration, const HtmlSettings &html)
{
    using namespace ConfigKeys;
    const SplitText header = splitStoredText(html.headerText());
    const SplitText footer = splitStoredText(html.footerText());
    const QList<IniEntry> entries = {
        entry(Html, PrefixeTableau, html.prefixeTableau),
        entry(Html, AjouterDate, flagText(html.ajouterDate)),
        entry(Html, EffacerAnciensTableaux, flagText(html.effacerAnciensTableaux)),
        entry(Html, ImagesSuivent, flagText(html.imagesSuivent)),
        entry(Html, PathListeTableaux, html.pathListeTableaux),
        entry(Html, IndexListes, flagText(html.indexListes)),
        entry(Html, TexteEnTete, header.first),
        entry(Html, TexteEnTete2, header.rest),
        entry(Html, ImageEnTete, html.imageEnTete),
        entry(Html, RenvoiALaLigne, flagText(html.renvoiALaLigne)),
        entry(Html, CouleurTitre, QString::number(html.couleurTitre)),
        entry(Html, ImageFond, html.imageFond),
        entry(Html, ImageDebutTableau, html.imageDebutTableau),
        entry(Html, TotalDocuments, flagText(html.totalDocuments)),
        entry(Html, TextePied, footer.first),
        entry(Html, TextePied2, footer.rest),
        entry(Html, ImagePied, html.imagePied),
    };
    return configuration.write(entries);
}

std::optional<WriteFailure> writeShutDownState(IniFile &configuration, const QString &directory,
                                               const DocumentGrid &grid, const WindowPlacement &placement)
{
    using namespace ConfigKeys;
    QList<IniEntry> entries{entry(Configuration, Repertoire, directory)};
    entries.append(widthEntries(grid));
    const QRect &normal = placement.normal;
    entries.append({entry(Configuration, FenetreX, QString::number(normal.x())),
                    entry(Configuration, FenetreY, QString::number(normal.y())),
                    entry(Configuration, FenetreLargeur, QString::number(normal.width())),
                    entry(Configuration, FenetreHauteur, QString::number(normal.height())),
                    entry(Configuration, FenetreMaximisee, flagText(placement.maximised))});
    return configuration.write(entries);
}

std::optional<WriteFailure> writeConfigurationName(IniFile &selector, const QString &name)
{
    return selector.write(ConfigKeys::Configuration, ConfigKeys::Nom, name);
}

SplitText splitStoredText(const QString &text)
{
    const qsizetype cut = characterPrefixLength(text, IniDocument::kMaxValueLength);
    if (cut >= text.size())
        return {text, QString()};
    return {text.left(cut), text.mid(cut)};
}
