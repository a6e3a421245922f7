#include "common/product_links.h"
#include "config/configuration_loader.h"
#include "config/configuration_writes.h"
#include "html/html_layout_dialog.h"
#include "support/recording_platform.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QDateTime fixedNow()
{
    return QDateTime(QDate(2026, 12, 5), QTime(14, 5));
}

class HtmlLayoutDialogTest : public testing::Test
{
protected:
    std::unique_ptr<HtmlLayoutDialog> open(qint16 language = 0)
    {
        return std::make_unique<HtmlLayoutDialog>(m_settings, language, m_dir.path(), m_prompter, fixedNow);
    }
    template <typename T = QWidget>
    static T *child(QDialog &dialog, const char *name)
    {
        T *widget = dialog.findChild<T *>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static QString note(QDialog &d) { return child<QLabel>(d, "lblErrPrefixeTableauHTML")->text(); }
    static QColor noteColour(QDialog &d)
    {
        return child<QLabel>(d, "lblErrPrefixeTableauHTML")->palette().color(QPalette::WindowText);
    }

    QTemporaryDir m_dir;
    HtmlSettings m_settings;
    RecordingPrompter m_prompter;
};

} // namespace

TEST_F(HtmlLayoutDialogTest, PrefixLosesForbiddenCharactersWithTheRedWarning)
{
    struct Case
    {
        qint16 language;
        QStringList pieces;
        QString left;
        QString warning;
    };
    const Case cases[] = {
        {0,
         {QStringLiteral("a"), QStringLiteral("/")},
         QStringLiteral("a"),
         QStringLiteral("Forbidden characters in file names: \\ / : * ? \" < > |")},
        {1,
         {QStringLiteral("x|y\\z:?*\"<>")},
         QStringLiteral("xyz"),
         QStringLiteral(
             "Un nom de fichier ne peut contenir l'un des caractères suivants: \\ / : * ? \" < > |")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.language);
        auto dialog = open(c.language);
        auto *prefix = child<QLineEdit>(*dialog, "txtPrefixeTableauHTML");
        prefix->clear();
        for (const QString &piece : c.pieces)
            prefix->insert(piece);
        EXPECT_EQ(prefix->text(), c.left);
        EXPECT_EQ(prefix->cursorPosition(), c.left.size());
        EXPECT_EQ(note(*dialog), c.warning);
        EXPECT_EQ(noteColour(*dialog), QColor(255, 0, 0));
        // Typing on with a clean character brings the example back.
        prefix->insert(QStringLiteral("b"));
        EXPECT_EQ(prefix->text(), c.left + u'b');
        EXPECT_EQ(noteColour(*dialog), QColor(128, 128, 128));
    }
}

TEST_F(HtmlLayoutDialogTest, ExampleFileNameFollowsTheDateBox)
{
    auto dialog = open(0);
    EXPECT_EQ(note(*dialog), QStringLiteral("Grid name example: Fichorama.html"));
    EXPECT_EQ(noteColour(*dialog), QColor(128, 128, 128));
    child<QCheckBox>(*dialog, "chkAjouterDate")->click();
    EXPECT_EQ(note(*dialog), QStringLiteral("Grid name example: Fichorama December 5, 2026 - 14 h 05.html"));

    m_settings.prefixeTableau.clear();
    auto empty = open(1);
    EXPECT_EQ(note(*empty), QString()) << "an empty prefix without date shows nothing at first";
    child<QCheckBox>(*empty, "chkAjouterDate")->click();
    EXPECT_EQ(note(*empty), QStringLiteral("Exemple de tableau généré:  5 décembre 2026 - 14 h 05.html"));
}

TEST_F(HtmlLayoutDialogTest, LongTextsAreSplitStoredAndShownWholeAgain)
{
    const QString iniPath = m_dir.filePath(QStringLiteral("Fichorama.ini"));
    struct Case
    {
        QString typed;
        int first;
        int rest;
    };
    const QString longText = QString(299, u'h') + u'!';
    const Case cases[] = {
        {QString(254, u'e'), 254, 0},
        {longText, 254, 46},
        {QStringLiteral("line one\nline two"), 17, 0},
        {QString(600, u'x'), 254, 254}, // the box takes 508 characters at most
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed.size());
        auto dialog = open();
        child<QPlainTextEdit>(*dialog, "txtTexteEnTete")->clear();
        child<QPlainTextEdit>(*dialog, "txtTexteEnTete")->insertPlainText(c.typed);
        child<QPushButton>(*dialog, "cmdOK")->click();
        const HtmlSettings chosen = dialog->settings();
        EXPECT_EQ(chosen.texteEnTete.size(), c.first);
        EXPECT_EQ(chosen.texteEnTete2.size(), c.rest);
        IniFile configuration(iniPath);
        ASSERT_FALSE(writeHtmlSettings(configuration, chosen).has_value());

        m_settings =
            ChargerConfiguration(ConfigurationPaths(m_dir.path(), QStringLiteral("Fichorama")), {}).html;
        EXPECT_EQ(m_settings.texteEnTete, chosen.texteEnTete);
        EXPECT_EQ(m_settings.texteEnTete2, chosen.texteEnTete2);
        auto reopened = open();
        const QString shown = child<QPlainTextEdit>(*reopened, "txtTexteEnTete")->toPlainText();
        if (c.typed.size() <= HtmlLayoutDialog::kMaxTextLength)
            EXPECT_EQ(shown, QString(c.typed).replace(u'\n', u' '));
        else
            EXPECT_EQ(shown, c.typed.left(HtmlLayoutDialog::kMaxTextLength));
    }
}

TEST_F(HtmlLayoutDialogTest, ColourAndImagesStayChosenAfterCancel)
{
    auto dialog = open();
    std::optional<qint32> offered;
    dialog->setColourChooser([&](qint32 current) {
        offered = current;
        return std::optional<qint32>(0x336699);
    });
    QList<std::pair<int, QString>> browsed;
    dialog->setImageChooser([&](int target, const QString &start) {
        browsed.append({target, start});
        return std::optional<QString>(QStringLiteral("/pictures/%1.gif").arg(target));
    });
    dialog->setDirectoryChooser(
        [](const QString &) { return std::optional<QString>(QStringLiteral("/lists")); });
    child<QLineEdit>(*dialog, "txtImageFond")->setText(QStringLiteral("/old/fond.jpg"));

    child<QPushButton>(*dialog, "cmdCouleur")->click();
    for (const char *button :
         {"cmdParcourirEnTete", "cmdParcourirFond", "cmdParcourirDebutTableau", "cmdParcourirPied"})
        child<QPushButton>(*dialog, button)->click();
    child<QPushButton>(*dialog, "cmdParcourirListeTableaux")->click();
    child<QPushButton>(*dialog, "cmdAnnuler")->click();

    EXPECT_EQ(offered, 65535);
    EXPECT_EQ(m_settings.couleurTitre, 0x336699);
    ASSERT_EQ(browsed.size(), 4);
    EXPECT_EQ(browsed[1], std::make_pair(2, QStringLiteral("/old/fond.jpg")));
    EXPECT_EQ(m_settings.imageEnTete, QStringLiteral("/pictures/1.gif"));
    EXPECT_EQ(m_settings.imageFond, QStringLiteral("/pictures/2.gif"));
    EXPECT_EQ(m_settings.imageDebutTableau, QStringLiteral("/pictures/3.gif"));
    EXPECT_EQ(m_settings.imagePied, QStringLiteral("/pictures/4.gif"));
    EXPECT_EQ(child<QLineEdit>(*dialog, "txtImagePied")->text(), QStringLiteral("/pictures/4.gif"));
    EXPECT_EQ(child<QLineEdit>(*dialog, "txtListeTableaux")->text(), QStringLiteral("/lists"));
    EXPECT_TRUE(m_settings.pathListeTableaux.isEmpty()) << "the directory waits for OK";
}

TEST_F(HtmlLayoutDialogTest, HelpAndExampleTexts)
{
    auto dialog = open(1);
    child<QPushButton>(*dialog, "cmdAide")->click();
    ASSERT_EQ(m_prompter.boxes.size(), 1);
    EXPECT_EQ(m_prompter.boxes[0].kind, RecordingPrompter::Kind::Plain);
    const QStringList lines = m_prompter.boxes[0].text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 16);
    EXPECT_EQ(lines[0], QStringLiteral("Petit résumé HTML:"));
    EXPECT_EQ(lines[9], QString());
    EXPECT_EQ(lines[15], QStringLiteral("%Version -> Version du système"));
    m_prompter.boxes.clear();

    auto *header = child<QPlainTextEdit>(*dialog, "txtTexteEnTete");
    auto *footer = child<QPlainTextEdit>(*dialog, "txtTextePied");
    Q_EMIT child<QLabel>(*dialog, "lblExempleEnTete")->linkActivated(QStringLiteral("#"));
    EXPECT_TRUE(m_prompter.boxes.isEmpty()) << "an empty text is filled without asking";
    EXPECT_EQ(header->toPlainText(), QStringLiteral("<center><h2>Fichorama des propri&eacute;t&eacute;s de "
                                                    "documents</h2><h3><i>%Date</i></h3></center>"));

    footer->setPlainText(QStringLiteral("mine"));
    m_prompter.yesNoAnswers = {false, true};
    Q_EMIT child<QLabel>(*dialog, "lblExemplePied")->linkActivated(QStringLiteral("#"));
    EXPECT_EQ(footer->toPlainText(), QStringLiteral("mine"));
    Q_EMIT child<QLabel>(*dialog, "lblExemplePied")->linkActivated(QStringLiteral("#"));
    ASSERT_EQ(m_prompter.boxes.size(), 2);
    EXPECT_EQ(m_prompter.boxes[0].text, QStringLiteral("Remplacer le texte existant par un texte d'exemple"));
    EXPECT_TRUE(footer->toPlainText().startsWith(
        QStringLiteral("<br><marquee style=\"color:#0000FF\"><i>Cr&eacute;")));
    // Without a product page the credit names the program without a link to nowhere.
    const QString credit = productPage(1).isEmpty()
                               ? QStringLiteral("Fichorama 1.1a")
                               : QStringLiteral("<a href=\"%1\">Fichorama 1.1a</a>").arg(productPage(1));
    EXPECT_TRUE(footer->toPlainText().endsWith(
        QStringLiteral("<center><small>Page compos&eacute;e &agrave; l'aide de %1</small></center>")
            .arg(credit)));
}
