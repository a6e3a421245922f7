#pragma once

#include "listing/property_columns.h"

#include <QDialog>
#include <array>
#include <optional>

class QCheckBox;

// frmConfigListeProprietes: one check box per property column, ticked when the column is displayed.
// The dialog only chooses; applyDisplayedProperties does what its OK stands for.
class DisplayedPropertiesDialog : public QDialog
{
    Q_OBJECT
public:
    DisplayedPropertiesDialog(const DisplayedColumns &current, qint16 language, QWidget *parent = nullptr);

    // The flags as the check boxes show them now.
    DisplayedColumns chosen() const;

    // Shows the dialog modally: the chosen flags after OK, std::nullopt after Cancel or the close box.
    static std::optional<DisplayedColumns> ask(QWidget *parent, const DisplayedColumns &current,
                                               qint16 language);

private:
    std::array<QCheckBox *, kPropertyColumnCount> m_boxes{};
};
