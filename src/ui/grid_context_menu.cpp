#include "ui/grid_context_menu.h"

#include "common/language_texts.h"
#include "listing/document_grid.h"

#include <QAction>
#include <QMenu>

namespace {

constexpr qsizetype kPropertyLineLength = 100;

QAction *addNamed(QMenu *menu, const QString &name)
{
    QAction *action = menu->addAction(QString());
    action->setObjectName(name);
    return action;
}

QAction *addSeparator(QMenu *menu, const QString &name)
{
    QAction *separator = menu->addSeparator();
    separator->setObjectName(name);
    return separator;
}

// A text shown as it is: "&" would otherwise mark an access key and vanish.
QString literalCaption(const QString &text)
{
    QString caption = text;
    return caption.replace(u'&', QStringLiteral("&&"));
}

} // namespace

GridContextMenu::GridContextMenu(QWidget *parent)
    : m_menu(new QMenu(parent))
{
    m_menu->setObjectName(QStringLiteral("mnuContexte"));
    m_open = addNamed(m_menu, QStringLiteral("mnuOuvrir"));
    m_properties = addNamed(m_menu, QStringLiteral("mnuProprietes"));
    m_delete = addNamed(m_menu, QStringLiteral("mnuSupprimer"));
    m_rename = addNamed(m_menu, QStringLiteral("mnuRenommer"));
    addSeparator(m_menu, QStringLiteral("mnuSep1"));
    m_document = addNamed(m_menu, QStringLiteral("mnuDocument"));
    m_propertySeparator = addSeparator(m_menu, QStringLiteral("mnuSep2"));
    for (int i = 0; i < kPropertyLineCount; ++i) {
        m_lines[size_t(i)] = addNamed(m_menu, QStringLiteral("mnuDynamique%1").arg(i));
        m_lines[size_t(i)]->setVisible(false);
    }
    m_propertySeparator->setVisible(false);
    m_menu->setDefaultAction(m_open);
}

void GridContextMenu::retranslate(qint16 language)
{
    const MainWindowTexts texts = mainWindowTexts(language);
    m_open->setText(texts.mnuOuvrir);
    m_properties->setText(texts.mnuProprietes);
    m_delete->setText(texts.mnuSupprimer);
    m_rename->setText(texts.mnuRenommer);
}

QString GridContextMenu::propertyLine(const QString &caption, const QString &cell)
{
    qsizetype length = qMin(cell.size(), kPropertyLineLength);
    // Half a surrogate pair would show as a broken character.
    if (length < cell.size() && length > 0 && cell[length - 1].isHighSurrogate())
        --length;
    return caption + QStringLiteral(": ") + cell.first(length);
}

void GridContextMenu::fill(const DocumentGrid &grid, int row, bool withProperties)
{
    const GridRow &cells = grid.row(row);
    m_document->setText(literalCaption(cells.cells.value(0)));
    bool anyLine = false;
    for (int column = 0; column < kPropertyLineCount; ++column) {
        QAction *line = m_lines[size_t(column)];
        const QString cell = cells.cells.value(column);
        const bool shown = withProperties && column > 0 && column < grid.columnCount() && !cell.isEmpty();
        if (shown)
            line->setText(literalCaption(propertyLine(grid.column(column).caption, cell)));
        line->setVisible(shown);
        anyLine = anyLine || shown;
    }
    m_propertySeparator->setVisible(anyLine);
}
