#include "config/configuration_loader.h"

#include "common/configuration_keys.h"
#include "common/stored_values.h"
#include "platform/file_name_characters.h"

#include <QFileInfo>
#include <limits>

namespace {

const QString kDefaultName = QStringLiteral("Fichorama");

// A stored file-name stem as the dialogs let it be typed: without the characters a file name cannot hold,
// so that no path built from it leaves its directory. An edited file's "../x" becomes "..x". A stem left
// empty takes the default.
QString storedStem(const QString &text)
{
    const QString cleaned = removeForbiddenCharacters(text).text;
    return cleaned.isEmpty() ? kDefaultName : cleaned;
}

qint16 readLanguage(QStringView text)
{
    const qint64 value = readWholeNumber(text).value_or(0);
    return value >= -32768 && value <= 32767 ? qint16(value) : qint16(0); // anything but 1 is English
}

qint16 readLinesPerCell(QStringView text)
{
    const qint64 value = readWholeNumber(text).value_or(1);
    return value >= 1 && value <= 3 ? qint16(value) : qint16(1);
}

qint32 readTitleColour(QStringView text)
{
    const std::optional<qint64> value = readWholeNumber(text);
    if (!value || *value < std::numeric_limits<qint32>::min() || *value > std::numeric_limits<qint32>::max())
        return 65535;
    return qint32(*value);
}

HtmlSettings readHtml(const IniDocument &stored, const QString &settingsDirectory)
{
    using namespace ConfigKeys;
    const auto text = [&](QStringView key) { return stored.read(Html, key); };
    HtmlSettings html;
    html.prefixeTableau = storedStem(text(PrefixeTableau));
    html.ajouterDate = readDefaultOffFlag(text(AjouterDate));
    html.effacerAnciensTableaux = readDefaultOnFlag(text(EffacerAnciensTableaux));
    html.imagesSuivent = readDefaultOffFlag(text(ImagesSuivent));
    html.pathListeTableaux = text(PathListeTableaux);
    if (html.pathListeTableaux.isEmpty() || !QFileInfo(html.pathListeTableaux).isDir())
        html.pathListeTableaux = settingsDirectory;
    html.indexListes = readDefaultOnFlag(text(IndexListes));
    html.texteEnTete = text(TexteEnTete);
    html.texteEnTete2 = text(TexteEnTete2);
    html.imageEnTete = text(ImageEnTete);
    html.renvoiALaLigne = readDefaultOffFlag(text(RenvoiALaLigne));
    html.couleurTitre = readTitleColour(text(CouleurTitre));
    html.imageFond = text(ImageFond);
    html.imageDebutTableau = text(ImageDebutTableau);
    html.totalDocuments = readDefaultOnFlag(text(TotalDocuments));
    html.textePied = text(TextePied);
    html.textePied2 = text(TextePied2);
    html.imagePied = text(ImagePied);
    return html;
}

// A window coordinate or size: beyond this many pixels the stored value is taken as damaged.
constexpr qint64 kMaxWindowPixels = 1000000;

std::optional<int> readWindowNumber(const IniDocument &stored, QStringView key)
{
    const std::optional<qint64> value = readWholeNumber(stored.read(ConfigKeys::Configuration, key));
    if (!value || *value < -kMaxWindowPixels || *value > kMaxWindowPixels)
        return std::nullopt;
    return int(*value);
}

} // namespace

QString readConfigurationName(const IniFile &selector)
{
    return storedStem(selector.read(ConfigKeys::Configuration, ConfigKeys::Nom));
}

Settings ChargerConfiguration(const ConfigurationPaths &paths, const QString &currentDirectory)
{
    using namespace ConfigKeys;
    const IniDocument stored = IniFile(paths.iniPath()).load();
    const auto text = [&](QStringView key) { return stored.read(Configuration, key); };

    Settings settings;
    settings.language = readLanguage(text(Langue));
    settings.directory = text(Repertoire);
    if (settings.directory.isEmpty())
        settings.directory = currentDirectory;
    settings.listing.includeAll = readDefaultOffFlag(text(InclureTout));
    settings.listing.includePdf = readDefaultOffFlag(text(InclurePDF));
    settings.listing.includeHtml = readDefaultOffFlag(text(InclureHTML));
    settings.listing.includeHidden = readDefaultOnFlag(text(InclureCaches));
    settings.highlight = readDefaultOnFlag(text(Surligner));
    settings.toolTips = readDefaultOnFlag(text(ToolTips));
    settings.contextLines = readDefaultOnFlag(text(Contextuel));
    settings.linesPerCell = readLinesPerCell(text(LignesTexte));
    settings.html = readHtml(stored, paths.settingsDirectory());
    return settings;
}

std::optional<WindowPlacement> readWindowPlacement(const IniDocument &configuration)
{
    using namespace ConfigKeys;
    const std::optional<int> x = readWindowNumber(configuration, FenetreX);
    const std::optional<int> y = readWindowNumber(configuration, FenetreY);
    const std::optional<int> width = readWindowNumber(configuration, FenetreLargeur);
    const std::optional<int> height = readWindowNumber(configuration, FenetreHauteur);
    if (!x || !y || !width || !height || *width <= 0 || *height <= 0)
        return std::nullopt;
    return WindowPlacement{QRect(*x, *y, *width, *height),
                           readDefaultOffFlag(configuration.read(Configuration, FenetreMaximisee))};
}
