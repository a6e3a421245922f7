#include "listing/property_columns.h"

#include "common/configuration_keys.h"
#include "common/stored_values.h"

#include <algorithm>
#include <cmath>

namespace {

// A stored width is clamped to this many twips (about 17 metres), so that a damaged value can neither
// give a negative width nor overflow a conversion to pixels.
constexpr qint64 kMaxWidthTwips = 1000000;

int equalShare(const DocumentGrid &grid, double gridWidthTwips)
{
    const int count = grid.columnCount();
    if (count <= 0 || !(gridWidthTwips > 0))
        return 0; // NaN too
    const double total = std::min(std::nearbyint(gridWidthTwips), double(kMaxWidthTwips) * count);
    return int(qint64(total) / count);
}

} // namespace

DisplayedColumns readDisplayedColumns(const IniDocument &configuration)
{
    DisplayedColumns displayed{};
    for (int i = 0; i < kPropertyColumnCount; ++i) {
        const PropertyColumn &column = kPropertyColumns[i];
        const QString text = configuration.read(ConfigKeys::Proprietes, column.key);
        displayed[i] = column.isDisplayedByDefault ? readDefaultOnFlag(text) : readDefaultOffFlag(text);
    }
    return displayed;
}

int propertyIndexOfGridColumn(const DisplayedColumns &displayed, int gridColumn)
{
    if (gridColumn < 1)
        return -1;
    int index = 0;
    for (int i = 0; i < kPropertyColumnCount; ++i) {
        if (displayed[i] && ++index == gridColumn)
            return i;
    }
    return -1;
}

std::optional<int> propertyIndexOfEnglishKey(QStringView key)
{
    if (key == kNameColumnKey)
        return -1;
    for (int i = 0; i < kPropertyColumnCount; ++i) {
        if (kPropertyColumns[i].englishKey == key)
            return i;
    }
    return std::nullopt;
}

int gridColumnOfPropertyIndex(const DisplayedColumns &displayed, int propertyIndex)
{
    if (propertyIndex < 0)
        return 0;
    if (propertyIndex >= kPropertyColumnCount || !displayed[propertyIndex])
        return -1;
    return 1 + int(std::count(displayed.begin(), displayed.begin() + propertyIndex, true));
}

void setDisplayedColumns(DocumentGrid &grid, const DisplayedColumns &displayed, qint16 language)
{
    QVector<GridColumn> columns{{kNameColumnCaption.toString(), ColumnAlignment::Left, 0}};
    for (int i = 0; i < kPropertyColumnCount; ++i) {
        if (displayed[i])
            columns.append({kPropertyColumns[i].caption(language), kPropertyColumns[i].alignment(), 0});
    }
    grid.setColumns(std::move(columns)); // drops the rows; the bold header cell goes back to column 0
}

DisplayedColumns ConstruireColonnes(DocumentGrid &grid, const IniFile &configuration, qint16 language)
{
    const DisplayedColumns displayed = readDisplayedColumns(configuration.load());
    setDisplayedColumns(grid, displayed, language);
    return displayed;
}

void LireLargeurs(DocumentGrid &grid, const IniFile &configuration, double gridWidthTwips)
{
    const IniDocument stored = configuration.load();
    const int share = equalShare(grid, gridWidthTwips);
    for (int i = 0; i < grid.columnCount(); ++i) {
        const QString text = stored.read(ConfigKeys::Configuration, widthKey(i));
        if (text.isEmpty()) {
            grid.column(i).widthTwips = share;
            continue;
        }
        grid.column(i).widthTwips =
            int(std::clamp<qint64>(readWholeNumber(text).value_or(0), 0, kMaxWidthTwips));
    }
}

std::optional<WriteFailure> ReinitialiserLargeurs(DocumentGrid &grid, IniFile &configuration,
                                                  double gridWidthTwips)
{
    const int share = equalShare(grid, gridWidthTwips);
    for (int i = 0; i < grid.columnCount(); ++i)
        grid.column(i).widthTwips = share;
    return writeColumnWidths(configuration, grid);
}

QString widthKey(int index)
{
    return ConfigKeys::Largeur.toString() + QString::number(index);
}

QList<IniEntry> widthEntries(const DocumentGrid &grid)
{
    QList<IniEntry> entries;
    for (int i = 0; i < grid.columnCount(); ++i) {
        const int width = grid.column(i).widthTwips;
        // The stored form puts one blank before a non-negative number.
        const QString value = width >= 0 ? u' ' + QString::number(width) : QString::number(width);
        entries.append({ConfigKeys::Configuration.toString(), widthKey(i), value});
    }
    return entries;
}

std::optional<WriteFailure> writeColumnWidths(IniFile &configuration, const DocumentGrid &grid)
{
    return configuration.write(widthEntries(grid));
}
