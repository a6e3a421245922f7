#pragma once

#include <QString>
#include <array>

class DocumentGrid;
class QAction;
class QMenu;
class QWidget;

// The grid's context menu mnuContexte: the commands mnuOuvrir (the default entry), mnuProprietes,
// mnuSupprimer and mnuRenommer, then mnuSep1, the document's name mnuDocument, and, after mnuSep2, one
// line mnuDynamique<i> per non-empty property cell of the row. The name and property lines do nothing.
class GridContextMenu
{
public:
    // The menu is a child of `parent`.
    explicit GridContextMenu(QWidget *parent);

    QMenu *menu() const { return m_menu; }
    QAction *openAction() const { return m_open; }
    QAction *propertiesAction() const { return m_properties; }
    QAction *deleteAction() const { return m_delete; }
    QAction *renameAction() const { return m_rename; }

    // The commands' captions in `language` (1 French, else English).
    void retranslate(qint16 language);
    // Shows document row `row` of `grid`: its name, and its property lines when `withProperties`.
    void fill(const DocumentGrid &grid, int row, bool withProperties);

    // A property line: the header caption, ": " and the cell's first 100 characters.
    static QString propertyLine(const QString &caption, const QString &cell);

    // Property lines exist for grid columns 1 to 18, the most property columns a grid can have.
    static constexpr int kPropertyLineCount = 19;

private:
    QMenu *m_menu;
    QAction *m_open;
    QAction *m_properties;
    QAction *m_delete;
    QAction *m_rename;
    QAction *m_document;
    QAction *m_propertySeparator;
    std::array<QAction *, kPropertyLineCount> m_lines{};
};
