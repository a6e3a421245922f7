#include "support/test_files.h"
#include "ui/properties_dialog.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The dialog's lines as "caption value", top to bottom.
QStringList lines(const QDialog &dialog)
{
    QStringList result;
    const auto *form = dialog.findChild<QFormLayout *>();
    if (!form)
        return result;
    for (int row = 0; row < form->rowCount(); ++row) {
        const auto *caption = qobject_cast<QLabel *>(form->itemAt(row, QFormLayout::LabelRole)->widget());
        const auto *value = qobject_cast<QLabel *>(form->itemAt(row, QFormLayout::FieldRole)->widget());
        result << caption->text() + u' ' + value->text();
    }
    return result;
}

} // namespace

TEST(PropertiesDialog, ShowsFileFactsAndEverySummaryPropertyInTheLanguage)
{
    QTemporaryDir dir;
    const QString path = copyTestData(QStringLiteral("ole/si_cp1252_tous_pid.doc"), dir.path());
    const QString size = QString::number(QFileInfo(path).size());
    const struct
    {
        qint16 language;
        QString title;
        QStringList expected; // in this order, among others
    } cases[] = {
        {1,
         "Propriétés de si_cp1252_tous_pid.doc",
         {"Nom: si_cp1252_tous_pid.doc", "Dossier: " + QFileInfo(path).absolutePath(),
          "Taille: " + size + " octets", "Application: Word 8.0", "Titre: Rapport trimestriel – été",
          "Commentaires: Commentaire avec « guillemets » et œ", "Révision: 15", "Caractères: 19876",
          "Temps d'édition: 3 j 05 h 07 min"}},
        {0,
         "Properties of si_cp1252_tous_pid.doc",
         {"Name: si_cp1252_tous_pid.doc", "Size: " + size + " bytes", "Title: Rapport trimestriel – été",
          "Author: Cédric Dupré", "Words: 3456", "Security: 0"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.language);
        PropertiesDialog dialog(path, c.language);
        EXPECT_EQ(dialog.windowTitle(), c.title);
        const QStringList shown = lines(dialog);
        qsizetype from = 0;
        for (const QString &line : c.expected) {
            const qsizetype at = shown.indexOf(line, from);
            EXPECT_GE(at, from) << qPrintable(line) << " in " << qPrintable(shown.join(u'|'));
            from = qMax(from, at + 1);
        }
    }

    // A file gone since it was listed still gets its name and folder, and nothing more.
    PropertiesDialog gone(dir.filePath(QStringLiteral("gone.doc")), 0);
    EXPECT_EQ(lines(gone).size(), 2);
}
