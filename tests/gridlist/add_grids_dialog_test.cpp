#include "gridlist/add_grids_dialog.h"
#include "platform/directory_list.h"
#include "support/recording_platform.h"
#include "support/test_files.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A tree D with children A and B, A with A1, a dot directory and a link back to D; E is empty.
class AddGridsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_temp.isValid());
        m_d = QDir::cleanPath(m_temp.filePath(u"D"_s));
        m_e = QDir::cleanPath(m_temp.filePath(u"E"_s));
        for (const QString &sub : {m_d + u"/A/A1"_s, m_d + u"/B"_s, m_d + u"/.hidden/H1"_s, m_e})
            ASSERT_TRUE(QDir().mkpath(sub));
        ASSERT_TRUE(QFile::link(m_d, m_d + u"/A/loop"_s));
        m_context.prompter = &m_prompter;
        m_context.listedDirectory = [this] { return m_e; };
    }
    // Chooses `directory` in the add-grids dialog, presses Add and, unless `waits` is false, lets the scan,
    // which runs beside the dialog, come to its end.
    static void add(AddGridsDialog &dialog, const QString &directory, bool withSubDirectories,
                    bool waits = true)
    {
        ASSERT_TRUE(dialog.findChild<DirectoryList *>(u"Chemins"_s)->setPath(directory));
        dialog.findChild<QCheckBox *>(u"chkSousDossiers"_s)->setChecked(withSubDirectories);
        dialog.findChild<QPushButton *>(u"cmdOK"_s)->click();
        while (waits && dialog.isScanning())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    static QString status(const AddGridsDialog &dialog)
    {
        return dialog.findChild<QLabel *>(u"lblStatus"_s)->text();
    }
    static GridList ticked(const QStringList &paths)
    {
        GridList entries;
        for (const QString &path : paths)
            entries << GridListEntry{path, true};
        return entries;
    }

    QTemporaryDir m_temp;
    QString m_d;
    QString m_e;
    RecordingPrompter m_prompter;
    OrganizerContext m_context;
};

} // namespace

TEST_F(AddGridsTest, SubDirectoriesFollowTheScanOrderAfterTheCurrentEntryOrAtTheEnd)
{
    const QStringList found = subDirectoriesInSystemOrder(m_d);
    ASSERT_EQ(found.size(), 2);
    const QStringList block = QStringList{m_d} + found + QStringList{m_d + u"/A/A1"_s};
    const GridList listed{{u"/x"_s, false}, {u"/y"_s, false}};

    for (const int current : {-1, 0}) {
        SCOPED_TRACE(current);
        m_prompter.boxes.clear();
        m_prompter.yesNoAnswers = {true};
        GridListOrganizerDialog organizer(listed, m_context);
        organizer.findChild<QListWidget *>(u"lstEnsembleTableaux"_s)->setCurrentRow(current);
        AddGridsDialog dialog(organizer, m_context);
        add(dialog, m_d, true);

        ASSERT_EQ(m_prompter.boxes.size(), 1);
        EXPECT_EQ(m_prompter.boxes[0].text,
                  u"Add the directory\n"_s + m_d + u"\nwith its 3 sub-directories"_s);
        QStringList reversed = block;
        std::reverse(reversed.begin(), reversed.end());
        const GridList expected = current < 0 ? listed + ticked(block)
                                              : GridList{listed[0]} + ticked(reversed) + GridList{listed[1]};
        EXPECT_EQ(organizer.entries(), expected);
        EXPECT_EQ(organizer.currentIndex(), current);
        EXPECT_EQ(status(dialog), u"4 directories and sub-directories added"_s);
        EXPECT_EQ(organizer.findChild<QLabel *>(u"lblNbDossiers"_s)->text(), u"6 grids in the list"_s);
    }
}

TEST_F(AddGridsTest, NothingIsAddedWhenNothingNewIsFound)
{
    m_context.language = 1;
    GridListOrganizerDialog organizer(ticked({m_d, m_d + u"/A"_s, m_d + u"/B"_s, m_d + u"/A/A1"_s}),
                                      m_context);
    const GridList before = organizer.entries();
    AddGridsDialog dialog(organizer, m_context);

    m_prompter.yesNoAnswers = {true, false};
    add(dialog, m_d, true); // every directory already listed
    add(dialog, m_d, true); // the confirmation answered No
    add(dialog, m_e, true); // no sub-directory
    add(dialog, m_d, false);
    EXPECT_EQ(organizer.entries(), before);
    const QStringList texts{u"Ajouter le dossier\n"_s + m_d + u"\net ses 3 sous-dossiers"_s,
                            u"Tous les dossiers sont déjà dans la liste"_s,
                            u"Ajouter le dossier\n"_s + m_d + u"\net ses 3 sous-dossiers"_s,
                            u"Aucun sous-dossiers dans\n"_s + m_e, u"Le répertoire est déjà dans la liste"_s};
    ASSERT_EQ(m_prompter.boxes.size(), texts.size());
    for (int i = 0; i < texts.size(); ++i)
        EXPECT_EQ(m_prompter.boxes[i].text, texts[i]) << i;
    EXPECT_EQ(status(dialog), u"1 dossiers et sous-dossiers au total"_s);

    // A directory that disappears once chosen cannot be enumerated.
    ASSERT_TRUE(dialog.findChild<DirectoryList *>(u"Chemins"_s)->setPath(m_e));
    ASSERT_TRUE(QDir(m_e).removeRecursively());
    dialog.findChild<QCheckBox *>(u"chkSousDossiers"_s)->setChecked(true);
    dialog.findChild<QPushButton *>(u"cmdOK"_s)->click();
    EXPECT_EQ(m_prompter.boxes.last().title, u"Path is invalid"_s);
    EXPECT_EQ(m_prompter.boxes.last().text, m_e + u'/');
    EXPECT_EQ(organizer.entries(), before);
}

TEST_F(AddGridsTest, CancelDuringTheScanAddsNothing)
{
    GridListOrganizerDialog organizer({}, m_context);
    AddGridsDialog dialog(organizer, m_context);
    m_prompter.yesNoAnswers = {true};
    add(dialog, m_d, true, false);
    EXPECT_TRUE(dialog.isScanning());
    dialog.findChild<QPushButton *>(u"cmdAnnuler"_s)->click();
    while (dialog.isScanning())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EXPECT_TRUE(m_prompter.boxes.isEmpty());
    EXPECT_TRUE(organizer.entries().isEmpty());
}

TEST_F(AddGridsTest, OneDirectoryGoesAfterTheCurrentEntryAndCaseCounts)
{
    const QString otherCase = m_temp.filePath(u"d"_s);
    GridListOrganizerDialog organizer({{u"/x"_s, false}, {otherCase, false}, {u"/z"_s, false}}, m_context);
    organizer.findChild<QListWidget *>(u"lstEnsembleTableaux"_s)->setCurrentRow(1);
    AddGridsDialog dialog(organizer, m_context);
    // The dialog starts on the current entry; that one does not exist, so on the current directory.
    EXPECT_EQ(dialog.findChild<QLabel *>(u"lblDossier"_s)->text(), QDir::currentPath());

    add(dialog, m_d, false);
    EXPECT_EQ(organizer.entries().at(2), (GridListEntry{m_d, true}));
    EXPECT_EQ(organizer.entries().size(), 4);
    EXPECT_TRUE(m_prompter.boxes.isEmpty());
    EXPECT_EQ(dialog.findChild<QLabel *>(u"lblDossier"_s)->text(), m_d);

    // Without a current entry the organiser's + opens the dialog on the main window's directory.
    GridListOrganizerDialog noCurrent({}, m_context);
    QString shown;
    QTimer::singleShot(0, [&shown] {
        QWidget *modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        shown = modal->findChild<QLabel *>(u"lblDossier"_s)->text();
        modal->findChild<QPushButton *>(u"cmdAnnuler"_s)->click();
    });
    noCurrent.findChild<QPushButton *>(u"cmdAjouter"_s)->click();
    EXPECT_EQ(shown, m_e);
}
