#include "gridlist/grid_list_organizer_dialog.h"
#include "support/recording_platform.h"
#include "support/test_files.h"
#include "support/widget_events.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class OrganizerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_temp.isValid());
        for (const char *name : {"a", "b", "c"})
            ASSERT_TRUE(QDir().mkpath(path(name)));
        m_context.prompter = &m_prompter;
        m_context.listFile = m_temp.filePath(u"Fichorama.txt"_s);
        m_context.goTo = [this](const QString &directory) { m_wentTo << directory; };
    }
    QString path(const char *name) const { return m_temp.filePath(QLatin1String(name)); }
    static QPushButton *button(const QDialog &dialog, const char *name)
    {
        auto *found = dialog.findChild<QPushButton *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static QListWidget *list(const QDialog &dialog)
    {
        return dialog.findChild<QListWidget *>(u"lstEnsembleTableaux"_s);
    }
    static QString label(const QDialog &dialog, const char *name)
    {
        return dialog.findChild<QLabel *>(QLatin1String(name))->text();
    }
    // Which of up, down, go-to and remove are enabled, as "UDGR" with "-" for a disabled one.
    static QString enabledButtons(const QDialog &dialog)
    {
        QString state;
        for (const char *name : {"cmdMonter", "cmdDescendre", "cmdGoTo", "cmdSupprimer"})
            state += button(dialog, name)->isEnabled() ? QChar(QLatin1Char(name[3])) : u'-';
        return state;
    }

    QTemporaryDir m_temp;
    RecordingPrompter m_prompter;
    OrganizerContext m_context;
    QStringList m_wentTo;
};

} // namespace

TEST_F(OrganizerTest, ButtonsFollowTheCurrentEntryAndMovesKeepMarks)
{
    GridListOrganizerDialog dialog({{path("a"), true}, {path("b"), false}, {path("c"), true}}, m_context);
    EXPECT_EQ(enabledButtons(dialog), u"---S"_s);
    EXPECT_EQ(label(dialog, "lblNbDossiers"), u"3 grids in the list"_s);
    EXPECT_EQ(label(dialog, "lblNbSelectionnes"), u"2 selected grids"_s);

    const struct
    {
        int row;
        QString buttons;
    } rows[] = {{0, u"-DGS"_s}, {1, u"MDGS"_s}, {2, u"M-GS"_s}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.row);
        list(dialog)->setCurrentRow(row.row);
        EXPECT_EQ(enabledButtons(dialog), row.buttons);
    }

    list(dialog)->setCurrentRow(1);
    button(dialog, "cmdMonter")->click();
    EXPECT_EQ(dialog.entries(), GridList({{path("b"), false}, {path("a"), true}, {path("c"), true}}));
    EXPECT_EQ(dialog.currentIndex(), 0);
    EXPECT_EQ(enabledButtons(dialog), u"-DGS"_s);

    list(dialog)->setCurrentRow(1);
    button(dialog, "cmdDescendre")->click();
    EXPECT_EQ(dialog.entries(), GridList({{path("b"), false}, {path("c"), true}, {path("a"), true}}));
    EXPECT_EQ(dialog.currentIndex(), 2);
    EXPECT_EQ(enabledButtons(dialog), u"M-GS"_s);
    EXPECT_EQ(list(dialog)->item(2)->checkState(), Qt::Checked);
}

TEST_F(OrganizerTest, SortLeavesNoCurrentEntrySoTheFirstDownOrSpaceStartsFromTheFirstEntry)
{
    ASSERT_TRUE(QDir().mkpath(path("B")));
    GridListOrganizerDialog dialog({{path("B"), true}, {path("a"), false}, {path("c"), true}}, m_context);
    dialog.show();
    list(dialog)->setFocus();
    pressKey(list(dialog), Qt::Key_Down);
    EXPECT_EQ(dialog.currentIndex(), 0);
    pressKey(list(dialog), Qt::Key_Down);
    EXPECT_EQ(dialog.currentIndex(), 1);

    // Sorted without regard to case, the marks kept, shown in the list, and no entry current again.
    button(dialog, "cmdTrier")->click();
    EXPECT_EQ(dialog.entries(), GridList({{path("a"), false}, {path("B"), true}, {path("c"), true}}));
    EXPECT_EQ(list(dialog)->item(0)->text(), path("a"));
    EXPECT_EQ(list(dialog)->item(1)->checkState(), Qt::Checked);
    EXPECT_EQ(dialog.currentIndex(), -1);
    EXPECT_EQ(enabledButtons(dialog), u"---S"_s);
    pressKey(list(dialog), Qt::Key_Space);
    EXPECT_EQ(dialog.currentIndex(), 0);
    EXPECT_TRUE(dialog.entries()[0].checked);
    EXPECT_EQ(label(dialog, "lblNbSelectionnes"), u"3 selected grids"_s);
}

TEST_F(OrganizerTest, TickingAMissingDirectoryIsRefused)
{
    m_context.language = 1;
    GridListOrganizerDialog dialog({{path("a"), false}, {path("gone"), false}}, m_context);
    list(dialog)->item(1)->setCheckState(Qt::Checked);
    ASSERT_EQ(m_prompter.boxes.size(), 1);
    EXPECT_EQ(m_prompter.boxes[0].kind, RecordingPrompter::Kind::Exclamation);
    EXPECT_EQ(m_prompter.boxes[0].text, u"Le répertoire spécifié est inconnu"_s);
    EXPECT_EQ(list(dialog)->item(1)->checkState(), Qt::Unchecked);
    EXPECT_FALSE(dialog.entries()[1].checked);

    list(dialog)->item(0)->setCheckState(Qt::Checked);
    EXPECT_TRUE(dialog.entries()[0].checked);
    EXPECT_EQ(label(dialog, "lblNbSelectionnes"), u"1 tableaux sélectionnés"_s);
    EXPECT_EQ(m_prompter.boxes.size(), 1);
}

TEST_F(OrganizerTest, GoToListsAnExistingDirectoryAndRefusesAMissingOne)
{
    GridListOrganizerDialog dialog({{path("b"), true}, {path("gone"), true}}, m_context);
    list(dialog)->setCurrentRow(0);
    button(dialog, "cmdGoTo")->click();
    EXPECT_EQ(m_wentTo, QStringList{path("b")});
    EXPECT_TRUE(m_prompter.boxes.isEmpty());

    list(dialog)->setCurrentRow(1);
    button(dialog, "cmdGoTo")->click();
    EXPECT_EQ(m_wentTo.size(), 1);
    ASSERT_EQ(m_prompter.boxes.size(), 1);
    EXPECT_EQ(m_prompter.boxes[0].text, u"Cannot make the grid\nThe selected directory is unknown"_s);
    EXPECT_EQ(dialog.result(), QDialog::Rejected); // still open: neither accepted nor closed
    EXPECT_EQ(dialog.entries().size(), 2);
}

TEST_F(OrganizerTest, RemoveAllAsksFirstAndRemoveOneDoesNot)
{
    GridListOrganizerDialog dialog({{path("a"), true}, {path("b"), true}, {path("c"), false}}, m_context);
    list(dialog)->setCurrentRow(1);
    button(dialog, "cmdSupprimer")->click();
    EXPECT_EQ(dialog.entries(), GridList({{path("a"), true}, {path("c"), false}}));
    EXPECT_EQ(dialog.currentIndex(), -1);
    EXPECT_TRUE(m_prompter.boxes.isEmpty());

    m_prompter.yesNoAnswers = {false, true};
    button(dialog, "cmdSupprimerTout")->click();
    EXPECT_EQ(dialog.entries().size(), 2);
    button(dialog, "cmdSupprimerTout")->click();
    EXPECT_TRUE(dialog.entries().isEmpty());
    EXPECT_EQ(m_prompter.boxes.last().text, u"Remove all grids from the list"_s);
    EXPECT_EQ(label(dialog, "lblNbDossiers"), u"0 grids in the list"_s);
    EXPECT_EQ(label(dialog, "lblNbSelectionnes"), u"0 selected grids"_s);
    EXPECT_FALSE(button(dialog, "cmdSupprimer")->isEnabled());
    EXPECT_FALSE(button(dialog, "cmdSupprimerTout")->isEnabled());
}

TEST_F(OrganizerTest, CancelKeepsTheFileAndOkWritesItOrReportsTheFailure)
{
    writeFile(m_context.listFile, "old");
    const GridList original{{path("a"), true}, {path("b"), false}};
    {
        GridListOrganizerDialog dialog(original, m_context);
        button(dialog, "cmdTrier")->click();
        list(dialog)->item(1)->setCheckState(Qt::Checked);
        button(dialog, "cmdAnnuler")->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_EQ(readFile(m_context.listFile), "old");

    OrganizerContext unwritable = m_context;
    unwritable.listFile = m_temp.filePath(u"missing/Fichorama.txt"_s);
    GridListOrganizerDialog failing(original, unwritable);
    button(failing, "cmdOK")->click();
    EXPECT_EQ(failing.result(), QDialog::Rejected);
    ASSERT_EQ(m_prompter.boxes.size(), 1);
    EXPECT_EQ(m_prompter.boxes[0].kind, RecordingPrompter::Kind::Error);
    EXPECT_TRUE(m_prompter.boxes[0].text.contains(unwritable.listFile));

    GridListOrganizerDialog dialog(original, m_context);
    list(dialog)->setCurrentRow(1);
    button(dialog, "cmdMonter")->click();
    button(dialog, "cmdOK")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const QByteArray a = path("a").toUtf8(), b = path("b").toUtf8();
    EXPECT_EQ(readFile(m_context.listFile), "\"" + b + "\",#FALSE#\r\n\"" + a + "\",#TRUE#\r\n");
}

TEST_F(OrganizerTest, OnlyEntriesWiderThanTheListShowATip)
{
    const QString longPath = u"/"_s + QString(300, u'x');
    GridListOrganizerDialog dialog({{u"/short"_s, false}, {longPath, false}}, m_context);
    dialog.show();
    QListWidget *entries = list(dialog);
    for (const auto &[row, tip] : {std::pair{1, longPath}, std::pair{0, QString()}, std::pair{1, longPath}}) {
        SCOPED_TRACE(row);
        const QPointF at = entries->visualItemRect(entries->item(row)).center();
        sendMouse(entries->viewport(), QEvent::MouseMove, at);
        EXPECT_EQ(entries->toolTip(), tip);
    }
}
