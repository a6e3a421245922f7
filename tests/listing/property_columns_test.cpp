#include "config/configuration_writes.h"
#include "listing/property_columns.h"
#include "support/test_files.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ColumnsFixture
{
    QTemporaryDir dir;
    IniFile ini{dir.filePath(QStringLiteral("Fichorama.ini"))};
    DocumentGrid grid;

    QStringList captions(const QByteArray &file, qint16 language)
    {
        writeFile(ini.path(), file);
        ConstruireColonnes(grid, ini, language);
        QStringList result;
        for (const GridColumn &column : grid.columns())
            result << column.caption;
        return result;
    }
    QList<int> widths() const
    {
        QList<int> result;
        for (const GridColumn &column : grid.columns())
            result << column.widthTwips;
        return result;
    }
};

const qint16 kFrench = 1;
const qint16 kEnglish = 0;

} // namespace

TEST(PropertyColumns, DisplayedFlagsReadRules)
{
    ColumnsFixture f;
    const struct
    {
        const char *file;
        QStringList expected;
    } cases[] = {
        {"", {" Document", " Application", " Titre", " Auteur"}},
        {"[Proprietes]\r\nTitre=0", {" Document", " Application", " Auteur"}},
        {"[Proprietes]\r\nTitre=no", {" Document", " Application", " Titre", " Auteur"}},
        {"[Proprietes]\r\nTitre=", {" Document", " Application", " Titre", " Auteur"}},
        {"[Proprietes]\r\nSujet=1", {" Document", " Application", " Titre", " Auteur", " Sujet"}},
        {"[Proprietes]\r\nSujet=yes\r\nMotsCles=true\r\nModele=",
         {" Document", " Application", " Titre", " Auteur"}},
        {"[Proprietes]\r\nApplication=0\r\nTitre=0\r\nAuteur=0", {" Document"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(f.captions(c.file, kFrench), c.expected);
    }
}

TEST(PropertyColumns, CaptionsAndAlignmentInBothLanguages)
{
    ColumnsFixture f;
    DisplayedColumns all;
    all.fill(true);
    ASSERT_FALSE(writeDisplayedColumns(f.ini, all));
    const QByteArray file = readFile(f.ini.path());
    const QStringList french = f.captions(file, kFrench);
    EXPECT_EQ(french, (QStringList{" Document", "  Nom court", " Application", " Titre", " Auteur", " Sujet",
                                   " Mots-clés", " Modèle", " Commentaires", " Dernier auteur", " Révision",
                                   "Pages", "Mots", "Caractères", "Sécurité", "  Créé le", "  Sauvegardé le",
                                   "  Imprimé le", "  Temps d'édition"}));
    const QStringList english = f.captions(file, kEnglish);
    EXPECT_EQ(english, (QStringList{" Document", "  Short name", " Application", " Title", " Author",
                                    " Subject", " Keywords", " Template", " Comments", " Last author",
                                    " Revision", "Pages", "Words", "Characters", "Security", "  Created",
                                    "  Saved", "  Printed", "  Edition time"}));
    for (int i = 0; i < f.grid.columnCount(); ++i) {
        SCOPED_TRACE(i);
        const bool centred = i >= 11 && i <= 14; // Pages, Words, Characters, Security
        EXPECT_EQ(f.grid.column(i).alignment, centred ? ColumnAlignment::Centre : ColumnAlignment::Left);
    }
}

TEST(PropertyColumns, GridColumnMapsToItsProperty)
{
    DisplayedColumns displayed{};
    displayed[4] = true;  // Sujet
    displayed[10] = true; // Pages
    EXPECT_EQ(propertyIndexOfGridColumn(displayed, 0), -1);
    EXPECT_EQ(kPropertyColumns[propertyIndexOfGridColumn(displayed, 1)].key, u"Sujet");
    EXPECT_EQ(kPropertyColumns[propertyIndexOfGridColumn(displayed, 2)].propertyId, 14);
    EXPECT_EQ(propertyIndexOfGridColumn(displayed, 3), -1);
}

TEST(PropertyColumns, ReadWidths)
{
    ColumnsFixture f;
    f.captions("[Proprietes]\r\nSujet=1\r\nPages=1\r\nCree=1\r\n", kFrench); // 7 columns
    writeFile(f.ini.path(), "[Configuration]\r\nLargeur0= 1500\r\nLargeur1=1500\r\nLargeur2=abc\r\n"
                            "Largeur3=1500.5\r\nLargeur4=1501.5 \r\nLargeur5=\r\nLargeur7= 9\r\n");
    LireLargeurs(f.grid, f.ini, 7006.6); // 7007 twips shared by 7 columns: 1001 each
    EXPECT_EQ(f.widths(), (QList<int>{1500, 1500, 0, 1500, 1502, 1001, 1001}));
}

TEST(PropertyColumns, ResetWidthsStoresEqualSharesAndLeavesOtherKeys)
{
    ColumnsFixture f;
    f.captions("[Configuration]\r\nLargeur1= 77\r\nLargeur4= 4444\r\n", kEnglish); // 4 columns
    ASSERT_FALSE(ReinitialiserLargeurs(f.grid, f.ini, 10003));
    EXPECT_EQ(f.widths(), (QList<int>{2500, 2500, 2500, 2500}));
    EXPECT_EQ(readFile(f.ini.path()), QByteArray("[Configuration]\r\nLargeur1= 2500\r\nLargeur4= 4444\r\n"
                                                 "Largeur0= 2500\r\nLargeur2= 2500\r\nLargeur3= 2500\r\n"));

    // At shut-down the widths the user left are stored as they are, and read back the same.
    f.grid.column(0).widthTwips = 3210;
    ASSERT_FALSE(writeColumnWidths(f.ini, f.grid));
    f.grid.column(0).widthTwips = 0;
    LireLargeurs(f.grid, f.ini, 10003);
    EXPECT_EQ(f.widths(), (QList<int>{3210, 2500, 2500, 2500}));
}
